#include "screens/PreferencesScreen.h"

#include "engine/SolitaireGame.h"
#include "text/Localization.h"
#include "platform/LoginItemService.h"
#include "screens/CardBackGrid.h"
#include "screens/ChoiceMenu.h"
#include "screens/ModalScreenView.h"
#include "screens/ScreenBlocks.h"
#include "screens/ScreenBodies.h"
#include "screens/ScreenStyle.h"
#include "screens/SwitchToggle.h"

#include <QBoxLayout>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace murvane::screens {

namespace {

constexpr qreal kIconSymbolSize = 12;  // times t
constexpr qreal kIconSymbolFrame = 16; // times t
constexpr qreal kIconPadding = 4;      // times t
constexpr int kIconSpacing = 6;        // fixed
constexpr int kGridPadding = 4;        // fixed, around the card-back grid

// Whether the change abandons the deal in progress, and asking about it,
// is the host's rules question's.
void writeRule(ModalScreenView& host, RuleSetting setting, bool changes, std::function<void()> apply)
{
    if (changes)
        host.requestRulesChange(setting, std::move(apply));
}

// Calls `onView` when the watched widget is shown and whenever scrolling
// brings it back into the scroll area's viewport.
class ComesIntoView : public QObject {
public:
    ComesIntoView(QWidget* watched, std::function<void()> onView)
        : QObject(watched), watched_(watched), onView_(std::move(onView))
    {
        watched->installEventFilter(this);
    }

    void followScrolling(QScrollArea* scroll)
    {
        if (!scroll)
            return;
        scroll_ = scroll;
        wasInView_ = isInView();
        connect(scroll->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
            const bool inView = isInView();
            if (inView && !wasInView_)
                onView_();
            wasInView_ = inView;
        });
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (object == watched_ && event->type() == QEvent::Show) {
            wasInView_ = isInView();
            onView_();
        }
        return false;
    }

private:
    bool isInView() const
    {
        if (!scroll_ || !watched_->isVisible())
            return watched_->isVisible();
        QWidget* viewport = scroll_->viewport();
        const QRect inViewport(watched_->mapTo(viewport, QPoint(0, 0)), watched_->size());
        return inViewport.intersects(viewport->rect());
    }

    QWidget* watched_;
    std::function<void()> onView_;
    QScrollArea* scroll_ = nullptr;
    bool wasInView_ = false;
};

SwitchToggle* makeSwitch(const QString& accessibleLabel, const char* id, qreal t, std::function<bool()> source)
{
    auto* toggle = new SwitchToggle(accessibleLabel, t);
    toggle->setObjectName(QString::fromUtf8(id));
    toggle->setStateSource(std::move(source));
    return toggle;
}

PreferenceRow* toggleRow(const QString& title, SwitchToggle* toggle, qreal t)
{
    return new PreferenceRow(title, toggle, t, nullptr, PreferenceRow::kToggleSpacing);
}

QWidget* makeMenuBarIconPicker(SolitaireGame& game, qreal t)
{
    auto* picker = new QWidget();
    picker->setObjectName(QStringLiteral("menuBarIconPicker"));
    picker->setAccessibleName(localizedString(QStringLiteral("Tray Icon")));
    auto* row = new QHBoxLayout(picker);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kIconSpacing);
    QList<std::pair<MenuBarIconOption, GlassButton*>> buttons;
    for (MenuBarIconOption option : EnumCases<MenuBarIconOption>::all) {
        auto* button = new GlassButton(picker);
        const QString name = displayName(option);
        button->setObjectName(QStringLiteral("menuBarIcon-") + name);
        button->setShape(GlassButton::Shape::circle);
        button->setSymbol(symbolName(option), kIconSymbolSize, kIconSymbolFrame);
        button->setPadding(kIconPadding, kIconPadding);
        button->setScale(t);
        button->setToolTip(name);
        makeAccessibleOption(button);
        button->setAccessibleName(localizedString(QStringLiteral("Tray icon: %@"), {name}));
        QObject::connect(button, &QAbstractButton::clicked, &game, [&game, option] { game.settings().setMenuBarIcon(option); });
        row->addWidget(button);
        buttons.append({option, button});
    }
    const auto refresh = [buttons, &game] {
        for (const auto& [option, button] : buttons) {
            const bool chosen = option == game.settings().menuBarIcon();
            button->setButtonStyle(chosen ? GlassButton::Style::prominent : GlassButton::Style::glass);
            setAccessibleSelected(button, chosen);
        }
    };
    refresh();
    QObject::connect(&game.settings(), &GameSettings::menuBarIconChanged, picker, refresh);
    return picker;
}

template <typename T>
ChoiceMenu* choiceMenu(const QList<T>& options, std::function<QString(const T&)> title, std::function<T()> get,
                       std::function<void(const T&)> set, const QString& accessibleLabel, const char* id, qreal t)
{
    ChoiceMenu* menu = bindChoiceMenu<T>(options, title, get, set, t, nullptr);
    menu->setAccessibleName(accessibleLabel);
    menu->setObjectName(QString::fromUtf8(id));
    return menu;
}

SectionBlock* makeAppSection(ModalScreenView& host, qreal t, QWidget* parent)
{
    SolitaireGame& game = host.game();
    auto* section = new SectionBlock(localizedString(QStringLiteral("APP")), t, parent);

    // The icon lives in the panel's system tray on this desktop.
    section->addRow(new PreferenceRow(localizedString(QStringLiteral("Tray Icon")),
                                      makeMenuBarIconPicker(game, t), t));

    auto* size = choiceMenu<BoardSize>(
        {BoardSize::standard, BoardSize::large}, [](const BoardSize& v) { return displayName(v); },
        [&game] { return game.settings().boardSize(); }, [&game](const BoardSize& v) { game.settings().setBoardSize(v); },
        localizedString(QStringLiteral("Game Size")), "boardSizePicker", t);
    QObject::connect(&game.settings(), &GameSettings::boardSizeChanged, size, &ChoiceMenu::refresh);
    section->addRow(new PreferenceRow(localizedString(QStringLiteral("Game Size")), size, t));

    auto* login = makeSwitch(localizedString(QStringLiteral("Launch at login")), "launchAtLoginToggle", t, [&host] {
        const auto status = host.loginItemStatus();
        return status == LoginItemService::Status::enabled || status == LoginItemService::Status::requiresApproval;
    });
    QObject::connect(login, &SwitchToggle::toggleRequested, &host, [&host](bool on) { host.setLaunchAtLogin(on); });
    PreferenceRow* loginRow = toggleRow(localizedString(QStringLiteral("Launch at Login")), login, t);
    loginRow->setObjectName(QStringLiteral("launchAtLoginRow"));
    const auto showStatus = [&host, login, loginRow] {
        login->refresh();
        const bool awaitingApproval = host.loginItemStatus() == LoginItemService::Status::requiresApproval;
        loginRow->setDetail(awaitingApproval ? launchAtLoginApprovalText() : QString());
    };
    showStatus();
    QObject::connect(&host, &ModalScreenView::loginItemStatusChanged, loginRow, showStatus);
    auto* watcher = new ComesIntoView(loginRow, [&host] { host.refreshLoginItemStatus(); });
    watcher->followScrolling(host.scrollArea());
    section->addRow(loginRow);
    return section;
}

SectionBlock* makeGameplaySection(ModalScreenView& host, qreal t, QWidget* parent)
{
    SolitaireGame& game = host.game();
    auto* section = new SectionBlock(localizedString(QStringLiteral("GAMEPLAY")), t, parent);

    auto* draw = choiceMenu<DrawMode>(
        {DrawMode::one(), DrawMode::three()}, [](const DrawMode& v) { return displayName(v); },
        [&game] { return game.settings().drawMode(); }, [&host](const DrawMode& v) { requestDrawMode(host, v); },
        localizedString(QStringLiteral("Stock Deal Mode")), "drawCountPicker", t);
    QObject::connect(&game.settings(), &GameSettings::drawModeChanged, draw, &ChoiceMenu::refresh);
    section->addRow(new PreferenceRow(localizedString(QStringLiteral("Deal Mode")), draw, t));

    auto* scoring = choiceMenu<ScoringMode>(
        {ScoringMode::standard, ScoringMode::vegas}, [](const ScoringMode& v) { return displayName(v); },
        [&game] { return game.settings().scoringMode(); }, [&host](const ScoringMode& v) { requestScoringMode(host, v); },
        localizedString(QStringLiteral("Scoring Rule System")), "scoringModePicker", t);
    QObject::connect(&game.settings(), &GameSettings::scoringModeChanged, scoring, &ChoiceMenu::refresh);
    section->addRow(new PreferenceRow(localizedString(QStringLiteral("Scoring System")), scoring, t));

    // The redeals row and its divider come and go together with Vegas.
    auto* redealsBlock = new QWidget();
    redealsBlock->setObjectName(QStringLiteral("unlimitedRedealsBlock"));
    auto* redealsColumn = new QVBoxLayout(redealsBlock);
    redealsColumn->setContentsMargins(0, 0, 0, 0);
    redealsColumn->setSpacing(0);
    redealsColumn->addWidget(new Divider(redealsBlock));
    auto* redeals = makeSwitch(localizedString(QStringLiteral("Unlimited redeals")), "unlimitedRedealsToggle", t,
                               [&game] { return game.settings().unlimitedRedeals(); });
    QObject::connect(redeals, &SwitchToggle::toggleRequested, &host,
                     [&host](bool on) { requestUnlimitedRedeals(host, on); });
    QObject::connect(&game.settings(), &GameSettings::unlimitedRedealsChanged, redeals, &SwitchToggle::refresh);
    PreferenceRow* redealsRow = toggleRow(localizedString(QStringLiteral("Unlimited Redeals")), redeals, t);
    redealsRow->setObjectName(QStringLiteral("unlimitedRedealsRow"));
    redealsRow->setToolTip(localizedString(QStringLiteral(
        "Off: classic Vegas limit, one pass through the stock in Draw 1 and three in Draw 3. Changing this starts "
        "a new game.")));
    redealsColumn->addWidget(redealsRow);
    section->box()->addWidget(redealsBlock);
    const auto showRedeals = [&game, redealsBlock] {
        redealsBlock->setVisible(game.settings().scoringMode() == ScoringMode::vegas);
    };
    showRedeals();
    QObject::connect(&game.settings(), &GameSettings::scoringModeChanged, redealsBlock, showRedeals);

    auto* autoComplete = makeSwitch(localizedString(QStringLiteral("Auto Complete")), "autoCompleteToggle", t,
                                    [&game] { return game.settings().autoCompleteMode() != AutoCompleteMode::disabled; });
    QObject::connect(autoComplete, &SwitchToggle::toggleRequested, &game, [&game](bool on) {
        game.settings().setAutoCompleteMode(on ? AutoCompleteMode::enabled : AutoCompleteMode::disabled);
    });
    QObject::connect(&game.settings(), &GameSettings::autoCompleteModeChanged, autoComplete, &SwitchToggle::refresh);
    section->addRow(toggleRow(localizedString(QStringLiteral("Auto-Complete")), autoComplete, t));

    const QString lostTitle = localizedString(QStringLiteral("Tell me when a game is lost"));
    auto* lost = makeSwitch(lostTitle, "tellsWhenLostToggle", t, [&game] { return game.settings().tellsWhenLost(); });
    QObject::connect(lost, &SwitchToggle::toggleRequested, &game, [&game](bool on) { game.settings().setTellsWhenLost(on); });
    QObject::connect(&game.settings(), &GameSettings::tellsWhenLostChanged, lost, &SwitchToggle::refresh);
    section->addRow(toggleRow(lostTitle, lost, t));

    auto* clock = makeSwitch(localizedString(QStringLiteral("Show time and moves")), "timeAndMovesToggle", t,
                             [&game] { return game.settings().showsTimeAndMoves(); });
    QObject::connect(clock, &SwitchToggle::toggleRequested, &game,
                     [&game](bool on) { game.settings().setShowsTimeAndMoves(on); });
    QObject::connect(&game.settings(), &GameSettings::showsTimeAndMovesChanged, clock, &SwitchToggle::refresh);
    PreferenceRow* clockRow = toggleRow(localizedString(QStringLiteral("Show time and moves")), clock, t);
    clockRow->setToolTip(localizedString(QStringLiteral(
        "Shows the deal's time and moves in the header, and keeps your fastest win and fewest moves for each "
        "rule set.")));
    section->addRow(clockRow);
    return section;
}

SectionBlock* makeCardsSection(ModalScreenView& host, qreal t, QWidget* parent)
{
    SolitaireGame& game = host.game();
    auto* section = new SectionBlock(localizedString(QStringLiteral("CARDS")), t, parent);

    auto* corner = makeSwitch(localizedString(QStringLiteral("Show suit in card corner")), "cornerSuitToggle", t,
                              [&game] { return game.settings().showsCornerSuit(); });
    QObject::connect(corner, &SwitchToggle::toggleRequested, &game, [&game](bool on) { game.settings().setShowsCornerSuit(on); });
    QObject::connect(&game.settings(), &GameSettings::showsCornerSuitChanged, corner, &SwitchToggle::refresh);
    PreferenceRow* cornerRow = toggleRow(localizedString(QStringLiteral("Show Suit in Card Corner")), corner, t);
    cornerRow->setToolTip(localizedString(QStringLiteral(
        "Adds a small suit symbol beside the rank, so you can tell the suits apart in overlapping stacks.")));
    section->addRow(cornerRow);

    const QString fourColourTitle = localizedString(QStringLiteral("Four-colour suits"));
    auto* fourColour = makeSwitch(fourColourTitle, "fourColourSuitsToggle", t,
                                  [&game] { return game.settings().fourColourSuits(); });
    QObject::connect(fourColour, &SwitchToggle::toggleRequested, &game,
                     [&game](bool on) { game.settings().setFourColourSuits(on); });
    QObject::connect(&game.settings(), &GameSettings::fourColourSuitsChanged, fourColour, &SwitchToggle::refresh);
    PreferenceRow* fourColourRow = toggleRow(fourColourTitle, fourColour, t);
    fourColourRow->setToolTip(localizedString(QStringLiteral("Spades black, hearts red, diamonds blue, clubs green.")));
    section->addRow(fourColourRow);

    auto* gridHolder = new QWidget();
    auto* gridColumn = new QVBoxLayout(gridHolder);
    gridColumn->setContentsMargins(0, kGridPadding, 0, kGridPadding);
    gridColumn->addWidget(new CardBackGrid(game, t, gridHolder));
    section->addRow(gridHolder);
    return section;
}

} // namespace

void requestDrawMode(ModalScreenView& host, DrawMode mode)
{
    SolitaireGame& game = host.game();
    writeRule(host, RuleSetting::drawMode, mode != game.settings().drawMode(), [&game, mode] { game.settings().setDrawMode(mode); });
}

void requestScoringMode(ModalScreenView& host, ScoringMode mode)
{
    SolitaireGame& game = host.game();
    writeRule(host, RuleSetting::scoringMode, mode != game.settings().scoringMode(), [&game, mode] { game.settings().setScoringMode(mode); });
}

void requestUnlimitedRedeals(ModalScreenView& host, bool unlimited)
{
    SolitaireGame& game = host.game();
    writeRule(host, RuleSetting::unlimitedRedeals, unlimited != game.settings().unlimitedRedeals(),
              [&game, unlimited] { game.settings().setUnlimitedRedeals(unlimited); });
}

QString displayName(MenuBarIconOption option)
{
    switch (option) {
    case MenuBarIconOption::spade: return localizedString(QStringLiteral("Spade"));
    case MenuBarIconOption::heart: return localizedString(QStringLiteral("Heart"));
    case MenuBarIconOption::diamond: return localizedString(QStringLiteral("Diamond"));
    case MenuBarIconOption::club: return localizedString(QStringLiteral("Club"));
    case MenuBarIconOption::cardFan: return localizedString(QStringLiteral("Card Fan"));
    }
    return QString();
}

QString displayName(BoardSize size)
{
    return localizedString(size == BoardSize::large ? QStringLiteral(MURVANE_TEXT("Large"))
                                                    : QStringLiteral(MURVANE_TEXT("Standard")));
}

QString displayName(ScoringMode mode)
{
    return localizedString(mode == ScoringMode::vegas ? QStringLiteral(MURVANE_TEXT("Vegas"))
                                                      : QStringLiteral(MURVANE_TEXT("Standard")));
}

QString displayName(DrawMode mode)
{
    return localizedString(mode == DrawMode::one() ? QStringLiteral(MURVANE_TEXT("Draw 1"))
                                          : QStringLiteral(MURVANE_TEXT("Draw 3")));
}

QString launchAtLoginApprovalText()
{
    return localizedString(
        QStringLiteral("Allow Murvane Solitaire in your desktop's Startup Applications (Autostart) settings."));
}

QWidget* makePreferencesBody(ModalScreenView& host, QWidget* parent)
{
    const qreal t = host.textScale();
    QBoxLayout* column = nullptr;
    QWidget* body = makeBodyContainer(ModalScreen::preferences, parent, &column);
    column->addWidget(makeAppSection(host, t, body));
    column->addWidget(makeGameplaySection(host, t, body));
    column->addWidget(makeCardsSection(host, t, body));
    column->addStretch(1);
    return body;
}

} // namespace murvane::screens
