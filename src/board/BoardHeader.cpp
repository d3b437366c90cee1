#include "board/BoardHeader.h"

#include "board/BoardGeometry.h"
#include "board/HeaderControls.h"
#include "board/BoardContext.h"
#include "engine/SolitaireGame.h"
#include "screens/GameWords.h"
#include "graphics/ChromeStyle.h"
#include "text/Localization.h"
#include "platform/SystemAppearance.h"
#include "screens/ScreenStyle.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTimer>

namespace murvane::board {

QString tooltipWithShortcut(const QString& key, const QString& glyphs, const QKeySequence& shortcut)
{
    QString text = localizedString(key);
    return text.replace(glyphs, shortcut.toString(QKeySequence::NativeText));
}

BoardHeader::BoardHeader(BoardContext& board, QWidget* parent)
    : QWidget(parent)
    , board_(board)
{
    setObjectName(QStringLiteral("boardHeader"));
    row_ = new QHBoxLayout(this);
    row_->setSpacing(6);

    title_ = new FittedLabel(this);
    title_->setObjectName(QStringLiteral("boardTitle"));
    title_->setText(localizedString(QStringLiteral("Murvane Solitaire")));
    title_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    score_ = new ScoreLabel(this);
    score_->setObjectName(QStringLiteral("scoreLabel"));
    score_->setFormatter([this](std::int64_t v) { return scoreText(board_.game(), v); });

    pass_ = new QLabel(this);
    pass_->setObjectName(QStringLiteral("passCounter"));

    timeAndMoves_ = new QLabel(this);
    timeAndMoves_->setObjectName(QStringLiteral("timeAndMovesLabel"));
    timeAndMoves_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    dealing_ = new QLabel(localizedString(QStringLiteral("Dealing…")), this);
    dealing_->setObjectName(QStringLiteral("dealingLabel"));
    dealing_->hide();
    dealingDelay_ = new QTimer(this);
    dealingDelay_->setSingleShot(true);
    dealingDelay_->setInterval(kDealingNoticeDelayMs);
    connect(dealingDelay_, &QTimer::timeout, this, [this] {
        dealing_->show();
        Q_EMIT announcementRequested(dealing_->text());
    });
    connect(&board_.game().session(), &DealSession::isDealingChanged, this, &BoardHeader::refreshDealing);

    newDeal_ = new RoundSymbolButton(QStringLiteral("rectangle.portrait.on.rectangle.portrait.angled"), board, this);
    newDeal_->setObjectName(QStringLiteral("newDealButton"));
    newDeal_->setToolTip(tooltipWithShortcut(QStringLiteral(MURVANE_TEXT("New Deal (⌘N)")), QStringLiteral("⌘N"),
                                             QKeySequence(Qt::CTRL | Qt::Key_N)));
    newDeal_->setAccessibleName(localizedString(QStringLiteral("Start a new game deal")));

    undo_ = new RoundSymbolButton(QStringLiteral("arrow.uturn.backward"), board, this);
    undo_->setObjectName(QStringLiteral("undoButton"));
    undo_->setToolTip(tooltipWithShortcut(QStringLiteral(MURVANE_TEXT("Undo Move (⌘Z)")), QStringLiteral("⌘Z"),
                                          QKeySequence(Qt::CTRL | Qt::Key_Z)));
    undo_->setAccessibleName(localizedString(QStringLiteral("Undo last card move")));

    more_ = new RoundSymbolButton(QStringLiteral("chevron.down"), board, this);
    more_->setObjectName(QStringLiteral("moreMenuButton"));
    more_->setToolTip(localizedString(QStringLiteral("Preferences, Statistics, How to Play, About & Quit")));
    more_->setAccessibleName(
        localizedString(QStringLiteral("Menu: preferences, statistics, how to play, about, and quit")));

    // The time and moves make a second line under the title and score, never
    // wider than the line above, so they take no room from the title. Without
    // them the first line fills the row's height as if it stood in the row.
    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    textLine_ = new QHBoxLayout;
    textLine_->addWidget(title_, 0, Qt::AlignVCenter);
    textLine_->addWidget(score_, 0, Qt::AlignVCenter);
    textLine_->addWidget(pass_, 0, Qt::AlignVCenter);
    textLine_->addWidget(dealing_, 0, Qt::AlignVCenter);
    texts->addLayout(textLine_);
    texts->addWidget(timeAndMoves_, 0, Qt::AlignLeft);
    row_->addLayout(texts);
    // Takes the free room, but never less than keeps the texts clear of the
    // buttons: past that the title gives way (it shrinks, then is cut).
    textGap_ = new QSpacerItem(0, 0, QSizePolicy::MinimumExpanding, QSizePolicy::Minimum);
    row_->addSpacerItem(textGap_);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(newDeal_);
    buttons->addWidget(undo_);
    buttons->addWidget(more_);
    row_->addLayout(buttons);

    buildMenu();

    const SolitaireGame& game = board.game();
    connect(newDeal_, &QAbstractButton::clicked, this, &BoardHeader::newDealRequested);
    connect(undo_, &QAbstractButton::clicked, this, [this] {
        if (board_.takesInput(InputChannel::undoRedo) && board_.game().play().canUndo())
            board_.undo();
    });
    connect(more_, &QAbstractButton::clicked, this, &BoardHeader::openMenu);

    connect(&game.play(), &GamePlay::scoreChanged, this, &BoardHeader::refreshScore);
    connect(&game.settings(), &GameSettings::scoringModeChanged, this, [this] {
        // Same number, new format ("0" becomes "$0"): the label and its
        // spoken text both change without a score change.
        score_->setValue(board_.game().play().score(), false);
        score_->update();
        refreshScore();
        refreshPass();
    });
    connect(&game.play(), &GamePlay::redealsUsedChanged, this, &BoardHeader::refreshPass);
    for (auto signal : {&GameSettings::drawModeChanged, &GameSettings::unlimitedRedealsChanged})
        connect(&game.settings(), signal, this, &BoardHeader::refreshPass);
    connect(&game.play(), &GamePlay::historyChanged, this, &BoardHeader::refreshUndo);
    connect(&game.play(), &GamePlay::isAutoCompletingChanged, this, &BoardHeader::refreshUndo);
    connect(&game.play(), &GamePlay::undoCountChanged, this, [this] { undo_->bounce(!reduceMotion()); });
    connect(&game.session().clock(), &DealClock::changed, this, &BoardHeader::refreshTimeAndMoves);
    connect(&game.settings(), &GameSettings::showsTimeAndMovesChanged, this, &BoardHeader::refreshTimeAndMoves);

    score_->setValue(game.play().score(), false);
    refresh();
}

bool BoardHeader::reduceMotion() const
{
    return SystemAppearance::instance().reduceMotion();
}

QString BoardHeader::scoreText(const SolitaireGame& game, std::int64_t score)
{
    if (game.settings().scoringMode() == ScoringMode::vegas)
        return formatVegasAmount(score);
    return QString::number(score);
}

void BoardHeader::buildMenu()
{
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("moreMenu"));
    // An item run through its accessible action leaves a pop-up open that
    // would keep the keyboard from the dialog or screen it opened.
    connect(menu_, &QMenu::triggered, menu_, &QWidget::hide);
    hint_ = menu_->addAction(localizedString(QStringLiteral("Show Hint")));
    // The key shows beside the item. The board takes H itself, so the
    // shortcut acts only inside the open menu.
    hint_->setShortcut(QKeySequence(Qt::Key_H));
    hint_->setShortcutContext(Qt::WidgetShortcut);
    connect(hint_, &QAction::triggered, this, &BoardHeader::hintRequested);
    // No key of its own: a key stops a watch, so none could also start one.
    watch_ = menu_->addAction(localizedString(QStringLiteral("Watch Solution")));
    watch_->setObjectName(QStringLiteral("watchSolutionItem"));
    connect(watch_, &QAction::triggered, this, &BoardHeader::watchSolutionRequested);
    menu_->addSeparator();
    for (ModalScreen screen : EnumCases<ModalScreen>::all) {
        QAction* action = menu_->addAction(localizedString(rawValue(screen)));
        if (screen == ModalScreen::preferences)
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
        connect(action, &QAction::triggered, this, [this, screen] { Q_EMIT screenRequested(screen); });
        layerItems_.append(action);
    }
    menu_->addSeparator();
    // Which deal this is, when it was played by number; not a command.
    dealNumber_ = menu_->addAction(QString());
    dealNumber_->setObjectName(QStringLiteral("dealNumberItem"));
    dealNumber_->setEnabled(false);
    restart_ = menu_->addAction(localizedString(QStringLiteral("Restart Deal")));
    restart_->setObjectName(QStringLiteral("restartDealItem"));
    restart_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(restart_, &QAction::triggered, this, &BoardHeader::restartDealRequested);
    copy_ = menu_->addAction(localizedString(QStringLiteral("Copy Deal Code")));
    copy_->setObjectName(QStringLiteral("copyDealCodeItem"));
    connect(copy_, &QAction::triggered, this, &BoardHeader::copyDealCodeRequested);
    QAction* play = menu_->addAction(localizedString(QStringLiteral("Play Deal…")));
    play->setObjectName(QStringLiteral("playDealItem"));
    connect(play, &QAction::triggered, this, &BoardHeader::playDealRequested);
    layerItems_.append(play);
    // Checked once today's deal is won; a deal in progress asks first, as
    // Play Deal does.
    todaysDeal_ = menu_->addAction(localizedString(QStringLiteral("Today's Deal")));
    todaysDeal_->setObjectName(QStringLiteral("todaysDealItem"));
    todaysDeal_->setCheckable(true);
    connect(todaysDeal_, &QAction::triggered, this, &BoardHeader::todaysDealRequested);
    connect(menu_, &QMenu::aboutToShow, this, &BoardHeader::styleMenu);
    connect(menu_, &QMenu::aboutToShow, this, &BoardHeader::refreshMenu);
    menu_->addSeparator();
    quit_ = menu_->addAction(localizedString(QStringLiteral("Quit Murvane Solitaire")));
    quit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit_, &QAction::triggered, this, &BoardHeader::quitRequested);
}

void BoardHeader::refreshMenu()
{
    const DealOrigin& origin = board_.game().session().origin();
    const std::optional<QString> name = dealName(origin);
    dealNumber_->setVisible(name.has_value());
    dealNumber_->setText(name.value_or(QString()));
    // Each item is enabled by the answer its command checks before acting.
    hint_->setEnabled(board_.takesInput(InputChannel::hint));
    watch_->setEnabled(board_.takesInput(InputChannel::hint));
    for (QAction* item : std::as_const(layerItems_))
        item->setEnabled(board_.takesInput(InputChannel::openLayer));
    restart_->setEnabled(board_.canRestartDeal());
    const SolitaireGame& game = board_.game();
    const QDate today = game.today();
    todaysDeal_->setChecked(game.statistics().daily().result(today) == DailyResult::won);
    todaysDeal_->setEnabled(board_.takesInput(InputChannel::openLayer) && !game.isPlayingDailyDeal(today));
    copy_->setEnabled(board_.canCopyDealCode());
}

void BoardHeader::refreshDealing()
{
    if (board_.game().session().isDealing()) {
        if (!dealing_->isVisible() && !dealingDelay_->isActive())
            dealingDelay_->start();
        return;
    }
    dealingDelay_->stop();
    dealing_->hide();
}

QList<QAction*> BoardHeader::menuActions() const
{
    QList<QAction*> items;
    for (QAction* a : menu_->actions())
        if (!a->isSeparator() && a->objectName() != QStringLiteral("dealNumberItem"))
            items.append(a);
    return items;
}

void BoardHeader::openMenu()
{
    // The button takes focus only from the keyboard; opened that way, the
    // first item is selected so the arrows and Return carry on from there.
    const bool fromKeyboard = more_->hasFocus();
    menu_->popup(more_->mapToGlobal(QPoint(more_->width() - menu_->sizeHint().width(), more_->height() + 4)));
    if (fromKeyboard && !menuActions().isEmpty())
        menu_->setActiveAction(menuActions().first());
}

void BoardHeader::applyScale(qreal scale, const graphics::Appearance& appearance)
{
    scale_ = scale;
    appearance_ = appearance;
    using Chrome = graphics::ChromeMetrics;
    const graphics::ChromePalette palette(appearance);
    const int hpad = qRound(Chrome::headerPaddingH * scale), vpad = qRound(Chrome::headerPaddingV * scale);
    row_->setContentsMargins(hpad, vpad, hpad, vpad);
    const int spacing = qRound(Chrome::headerSpacing * scale);
    row_->setSpacing(spacing);
    textLine_->setSpacing(spacing);
    // The row adds its spacing beside the buttons already.
    textGap_->changeSize(std::max(0, qRound(Chrome::headerTextGap * scale) - spacing), 0,
                         QSizePolicy::MinimumExpanding, QSizePolicy::Minimum);
    if (auto* buttons = qobject_cast<QHBoxLayout*>(row_->itemAt(row_->count() - 1)->layout()))
        buttons->setSpacing(qRound(Chrome::headerGroupSpacing * scale));

    QFont titleFont = font();
    titleFont.setPixelSize(std::max(1, qRound(Chrome::headerTitleSize * scale)));
    titleFont.setWeight(QFont::DemiBold);
    title_->setBaseFont(titleFont);
    title_->setColor(palette.primary());

    score_->setScale(scale);
    score_->setColor(palette.secondary());

    QFont passFont = font();
    passFont.setPixelSize(std::max(1, qRound(10 * scale)));
    passFont.setWeight(QFont::Medium);
    pass_->setFont(passFont);
    QPalette pal = pass_->palette();
    pal.setColor(QPalette::WindowText, palette.secondary());
    pass_->setPalette(pal);
    timeAndMoves_->setFont(passFont);
    timeAndMoves_->setPalette(pal);
    dealing_->setFont(passFont);
    dealing_->setPalette(pal);

    // The menu follows the board's scale and look rather than the desktop
    // style; styled when it next shows, as most boards never open it.
    menuStyled_ = false;
    if (menu_->isVisible())
        styleMenu();

    for (RoundSymbolButton* b : {newDeal_, undo_, more_}) {
        b->setScale(scale);
        b->setAppearance(appearance);
    }
    update();
}

void BoardHeader::styleMenu()
{
    if (menuStyled_)
        return;
    screens::stylePopupMenu(menu_, scale_, appearance_);
    menuStyled_ = true;
}

void BoardHeader::refresh()
{
    refreshScore();
    refreshPass();
    refreshUndo();
    refreshTimeAndMoves();
}

void BoardHeader::refreshTimeAndMoves()
{
    const SolitaireGame& game = board_.game();
    const bool shows = game.settings().showsTimeAndMoves();
    timeAndMoves_->setVisible(shows);
    if (!shows)
        return;
    const DealClock& clock = game.session().clock();
    timeAndMoves_->setText(timeAndMovesText(clock.elapsedMs(), clock.moveCount()));
    timeAndMoves_->setAccessibleName(timeAndMovesDescription(clock.elapsedMs(), clock.moveCount()));
}

void BoardHeader::refreshScore()
{
    const SolitaireGame& game = board_.game();
    score_->setValue(game.play().score(), !reduceMotion());
    score_->setAccessibleName(localizedString(QStringLiteral("Current score: %@"), {scoreText(game, game.play().score())}));
}

void BoardHeader::refreshPass()
{
    const SolitaireGame& game = board_.game();
    const auto text = passText(game);
    pass_->setVisible(text.has_value());
    pass_->setText(text.value_or(QString()));
    pass_->setAccessibleName(passDescription(game).value_or(text.value_or(QString())));
    score_->updateGeometry();
}

void BoardHeader::refreshUndo()
{
    undo_->setEnabled(board_.game().play().canUndo());
}

void BoardHeader::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    graphics::paintGlass(painter, QRectF(rect()), graphics::ChromeMetrics::headerCornerRadius * scale_, appearance_,
                         graphics::GlassLevel::header);
}

} // namespace murvane::board
