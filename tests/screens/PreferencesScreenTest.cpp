#include "screens/CardBackGrid.h"
#include "screens/ChoiceMenu.h"
#include "screens/ModalScreenView.h"
#include "screens/PreferencesScreen.h"
#include "screens/ScreenBlocks.h"
#include "screens/ScreenStyle.h"
#include "screens/SwitchToggle.h"
#include "ScreensTestSupport.h"
#include "support/Positions.h"

#include "persistence/SettingsKeys.h"
#include "text/Localization.h"

#include <QAccessible>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::screens;
using murvane::screens::test::settle;

namespace {

enum class DealState { fresh, inProgress, won };

// A game under the given rules, in a deal of the given state, with
// Preferences open over a stand-in panel.
struct PreferencesHost {
    InMemorySettingsStore store;
    std::unique_ptr<SolitaireGame> game;
    QWidget panel;
    ModalScreenView* view = nullptr;

    PreferencesHost(ScoringMode mode, bool unlimited, std::int64_t drawCount, DealState deal = DealState::fresh)
    {
        store.setString(keys::scoringMode, rawValue(mode));
        store.setBool(keys::unlimitedRedeals, unlimited);
        store.setInteger(keys::drawCount, drawCount);
        murvane::testing::Position position;
        position.hasStartedCurrentDeal = deal != DealState::fresh;
        if (deal == DealState::won) {
            position.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS",
                                    "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH",
                                    "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD",
                                    "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"};
            position.gameHasBeenCreditedWin = true;
        } else {
            position.tableau = QStringList{"KS", "QH", "-2C 3D", "", "", "", ""};
        }
        game = murvane::testing::loadGame(store, position);
        panel.resize(375, 640);
        view = new ModalScreenView(*game, ModalScreen::preferences, 1.0, &panel);
        view->setGeometry(panel.rect());
        panel.show();
        settle();
    }

    template <typename T> T* find(const char* name) const
    {
        T* widget = view->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    ChoiceMenu* menu(const char* name) const { return find<ChoiceMenu>(name); }
    SwitchToggle* toggle(const char* name) const { return find<SwitchToggle>(name); }
    bool redealsRowShown() const { return find<QWidget>("unlimitedRedealsBlock")->isVisibleTo(view); }
};

} // namespace

TEST(Preferences, RuleChangesAskFirstOnlyWhenTheyWouldAbandonADealInProgress)
{
    struct Case {
        const char* what;
        ScoringMode mode;
        bool unlimited;
        DealState deal;
        RuleSetting setting;
        bool asks;
    };
    const Case cases[] = {
        {"draw, standard, mid-deal", ScoringMode::standard, false, DealState::inProgress, RuleSetting::drawMode, false},
        {"draw, vegas unlimited, mid-deal", ScoringMode::vegas, true, DealState::inProgress, RuleSetting::drawMode, false},
        {"draw, vegas limited, mid-deal", ScoringMode::vegas, false, DealState::inProgress, RuleSetting::drawMode, true},
        {"draw, vegas limited, fresh", ScoringMode::vegas, false, DealState::fresh, RuleSetting::drawMode, false},
        {"draw, vegas limited, won", ScoringMode::vegas, false, DealState::won, RuleSetting::drawMode, false},
        {"scoring, mid-deal", ScoringMode::standard, true, DealState::inProgress, RuleSetting::scoringMode, true},
        {"scoring, fresh", ScoringMode::standard, true, DealState::fresh, RuleSetting::scoringMode, false},
        {"scoring, won", ScoringMode::vegas, true, DealState::won, RuleSetting::scoringMode, false},
        {"redeals, vegas, mid-deal", ScoringMode::vegas, true, DealState::inProgress, RuleSetting::unlimitedRedeals, true},
        {"redeals, vegas, fresh", ScoringMode::vegas, false, DealState::fresh, RuleSetting::unlimitedRedeals, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PreferencesHost host(c.mode, c.unlimited, 1, c.deal);
        SolitaireGame& game = *host.game;
        EXPECT_EQ(game.session().newDealBreaksStreak(c.setting), c.asks);

        // What the control shows, and the action that changes it.
        std::function<QString()> shown;
        std::function<void()> change;
        QString before;
        switch (c.setting) {
        case RuleSetting::drawMode:
            shown = [&] { return host.menu("drawCountPicker")->text(); };
            change = [&] { host.menu("drawCountPicker")->choose(1); };
            break;
        case RuleSetting::scoringMode:
            shown = [&] { return host.menu("scoringModePicker")->text(); };
            change = [&] { host.menu("scoringModePicker")->choose(c.mode == ScoringMode::vegas ? 0 : 1); };
            break;
        case RuleSetting::unlimitedRedeals:
            shown = [&] { return QString::number(host.toggle("unlimitedRedealsToggle")->isOn()); };
            change = [&] { QTest::mouseClick(host.toggle("unlimitedRedealsToggle"), Qt::LeftButton); };
            break;
        }
        before = shown();
        const auto setting = [&] {
            return QStringList{QString::number(game.settings().drawMode().count()), rawValue(game.settings().scoringMode()),
                               QString::number(game.settings().unlimitedRedeals())};
        };
        const QStringList original = setting();

        change();
        if (!c.asks) {
            EXPECT_FALSE(host.view->hasPendingRulesChange());
            EXPECT_NE(setting(), original);
            EXPECT_NE(shown(), before);
            continue;
        }
        ASSERT_TRUE(host.view->hasPendingRulesChange());
        ASSERT_NE(host.view->rulesChangeDialog(), nullptr);
        EXPECT_EQ(host.view->rulesChangeDialog()->title(), "Abandon this game?");
        EXPECT_EQ(setting(), original);
        EXPECT_EQ(shown(), before);

        QTest::mouseClick(host.view->rulesChangeDialog()->cancelButton(), Qt::LeftButton);
        EXPECT_FALSE(host.view->hasPendingRulesChange());
        EXPECT_EQ(setting(), original);
        EXPECT_EQ(shown(), before);
        settle();

        change();
        ASSERT_TRUE(host.view->hasPendingRulesChange());
        QTest::mouseClick(host.view->rulesChangeDialog()->confirmButton(), Qt::LeftButton);
        EXPECT_FALSE(host.view->hasPendingRulesChange());
        EXPECT_NE(setting(), original);
        EXPECT_NE(shown(), before);
        EXPECT_FALSE(game.session().hasStartedDeal()); // a new deal
        settle();
    }
}

TEST(Preferences, ChoosingTheCurrentValueAndNonRuleSettingsNeverAsk)
{
    PreferencesHost host(ScoringMode::vegas, false, 3, DealState::inProgress);
    SolitaireGame& game = *host.game;
    host.menu("drawCountPicker")->choose(1);     // Draw 3 again
    host.menu("scoringModePicker")->choose(1);   // Vegas again
    host.menu("boardSizePicker")->choose(0);     // Standard again
    EXPECT_FALSE(host.view->hasPendingRulesChange());
    EXPECT_TRUE(game.session().hasStartedDeal());

    QTest::mouseClick(host.toggle("autoCompleteToggle"), Qt::LeftButton);
    QTest::mouseClick(host.toggle("cornerSuitToggle"), Qt::LeftButton);
    QTest::mouseClick(host.find<QWidget>("menuBarIcon-Club"), Qt::LeftButton);
    QTest::mouseClick(host.find<QWidget>("cardTheme-Blueprint"), Qt::LeftButton);
    host.menu("boardSizePicker")->choose(1);
    EXPECT_FALSE(host.view->hasPendingRulesChange());
    EXPECT_EQ(game.settings().autoCompleteMode(), AutoCompleteMode::disabled);
    EXPECT_TRUE(game.settings().showsCornerSuit());
    EXPECT_EQ(game.settings().menuBarIcon(), MenuBarIconOption::club);
    EXPECT_EQ(game.settings().cardTheme(), CardBackTheme::blueprint);
    EXPECT_EQ(game.settings().boardSize(), BoardSize::large);
    EXPECT_TRUE(game.session().hasStartedDeal());
    settle();
}

TEST(Preferences, UnlimitedRedealsRowFollowsVegasScoring)
{
    PreferencesHost host(ScoringMode::standard, true, 1, DealState::inProgress);
    EXPECT_FALSE(host.redealsRowShown());

    // Asked first mid-deal: cancelling keeps Standard and the row hidden.
    host.menu("scoringModePicker")->choose(1);
    QTest::keyClick(host.view->rulesChangeDialog()->cancelButton(), Qt::Key_Escape);
    EXPECT_FALSE(host.redealsRowShown());
    EXPECT_EQ(host.menu("scoringModePicker")->text(), "Standard");
    settle();

    host.menu("scoringModePicker")->choose(1);
    QTest::mouseClick(host.view->rulesChangeDialog()->confirmButton(), Qt::LeftButton);
    EXPECT_TRUE(host.redealsRowShown());
    EXPECT_EQ(host.menu("scoringModePicker")->text(), "Vegas");
    EXPECT_TRUE(host.find<QWidget>("unlimitedRedealsRow")->toolTip().startsWith("Off: classic Vegas limit"));

    host.menu("scoringModePicker")->choose(0); // fresh deal now: no question
    EXPECT_FALSE(host.view->hasPendingRulesChange());
    EXPECT_FALSE(host.redealsRowShown());
    settle();
}

TEST(Preferences, HostileStoredSettingsShowAsTheirDefaults)
{
    InMemorySettingsStore store;
    store.setInteger(keys::drawCount, -7);
    store.setString(keys::scoringMode, "vegas");
    store.setString(keys::boardSize, "Huge");
    store.setString(keys::autoCompleteMode, "");
    store.setString(keys::menuBarIcon, "\u2660\u2660");
    store.setString(keys::cardTheme, "onyx slate");
    SolitaireGame game(store, false);
    QWidget panel;
    panel.resize(375, 640);
    ModalScreenView view(game, ModalScreen::preferences, 1.0, &panel);
    panel.show();

    EXPECT_EQ(view.findChild<ChoiceMenu*>("drawCountPicker")->text(), "Draw 1");
    EXPECT_EQ(view.findChild<ChoiceMenu*>("scoringModePicker")->text(), "Standard");
    EXPECT_EQ(view.findChild<ChoiceMenu*>("boardSizePicker")->text(), "Standard");
    EXPECT_TRUE(view.findChild<SwitchToggle*>("autoCompleteToggle")->isOn());
    auto* spade = view.findChild<GlassButton*>("menuBarIcon-Spade");
    EXPECT_EQ(spade->buttonStyle(), GlassButton::Style::prominent);
    EXPECT_TRUE(isAccessibleSelected(spade));
    auto* grid = view.findChild<CardBackGrid*>();
    int selected = 0;
    for (CardSwatch* s : grid->swatches())
        selected += s->isSelected();
    EXPECT_EQ(selected, 1);
    EXPECT_TRUE(grid->swatch(CardBackTheme::onyx)->isSelected());
}

TEST(Preferences, CardGridHasOneChoiceAndItsFocusRingFollowsTheKeyboard)
{
    PreferencesHost host(ScoringMode::standard, true, 1);
    auto* grid = host.view->findChild<CardBackGrid*>();
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->swatches().size(), 27);
    const auto selectedThemes = [grid] {
        QList<CardBackTheme> themes;
        for (CardSwatch* s : grid->swatches())
            if (s->isSelected())
                themes.append(s->theme());
        return themes;
    };
    EXPECT_EQ(selectedThemes(), QList<CardBackTheme>{CardBackTheme::onyx});
    EXPECT_EQ(grid->swatches()[0]->objectName(), "cardTheme-Onyx Slate");
    EXPECT_EQ(grid->swatches()[0]->accessibleName(), "Deck Theme: Onyx Slate");

    // A click chooses without taking keyboard focus.
    QTest::mouseClick(grid->swatch(CardBackTheme::neon), Qt::LeftButton);
    EXPECT_EQ(selectedThemes(), QList<CardBackTheme>{CardBackTheme::neon});
    EXPECT_FALSE(grid->focusedTheme().has_value());

    const int columns = grid->columnCount(grid->width());
    EXPECT_GE(columns, 4);
    CardSwatch* first = grid->swatches()[0];
    first->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(grid->focusedTheme(), CardBackTheme::onyx);
    QTest::keyClick(first, Qt::Key_Right);
    EXPECT_EQ(grid->focusedTheme(), CardBackTheme::classic);
    QTest::keyClick(grid->swatches()[1], Qt::Key_Down);
    EXPECT_EQ(grid->focusedTheme(), grid->swatches()[1 + columns]->theme());
    QTest::keyClick(grid->swatches()[1 + columns], Qt::Key_Tab);
    EXPECT_EQ(grid->focusedTheme(), grid->swatches()[2 + columns]->theme());
    // Focus alone changes nothing; Space or Return chooses.
    EXPECT_EQ(host.game->settings().cardTheme(), CardBackTheme::neon);
    QTest::keyClick(grid->swatches()[2 + columns], Qt::Key_Return);
    EXPECT_EQ(selectedThemes(), QList<CardBackTheme>{grid->swatches()[2 + columns]->theme()});
    QTest::keyClick(grid->swatches()[2 + columns], Qt::Key_Left);
    QTest::keyClick(grid->swatches()[1 + columns], Qt::Key_Space);
    EXPECT_EQ(host.game->settings().cardTheme(), grid->swatches()[1 + columns]->theme());

    // The ring (primary colour: near black in the light look) is drawn only
    // around the focused swatch.
    const auto ringGrey = [](CardSwatch* s) {
        const QImage image = s->grab().toImage();
        const int x = int(s->cardRect().left() - CardSwatch::kFocusRingOutset);
        return qGray(image.pixel(x, image.height() / 2));
    };
    EXPECT_LT(ringGrey(grid->swatches()[1 + columns]), 80);
    EXPECT_GT(ringGrey(grid->swatches()[0]), 150);
    host.view->closeButton()->setFocus();
    EXPECT_FALSE(grid->focusedTheme().has_value());
}

TEST(Preferences, ChoicesAndThemeNamesShowTranslatedButAreStoredInEnglish)
{
    setApplicationLanguage(QStringLiteral("pl"));
    struct Restore {
        ~Restore() { setApplicationLanguage(QStringLiteral("en")); }
    } restore;
    PreferencesHost host(ScoringMode::vegas, true, 3);
    EXPECT_EQ(host.menu("drawCountPicker")->text(), "Po 3 karty");
    EXPECT_EQ(host.menu("drawCountPicker")->titles(), (QStringList{"Po 1 karcie", "Po 3 karty"}));
    EXPECT_EQ(host.menu("scoringModePicker")->titles(), (QStringList{"Standardowy", "Vegas"}));
    EXPECT_EQ(host.menu("boardSizePicker")->titles(), (QStringList{"Standardowy", QString::fromUtf8("Duży")}));
    CardSwatch* blueprint = host.view->findChild<CardBackGrid*>()->swatch(CardBackTheme::blueprint);
    EXPECT_EQ(blueprint->objectName(), "cardTheme-Blueprint");
    EXPECT_EQ(blueprint->accessibleName(), "Motyw talii: Rysunek techniczny");
    EXPECT_EQ(blueprint->toolTip(), "Rysunek techniczny");

    host.menu("boardSizePicker")->choose(1);
    QTest::mouseClick(blueprint, Qt::LeftButton);
    EXPECT_EQ(host.store.stringForKey(keys::boardSize), "Large");
    EXPECT_EQ(host.store.stringForKey(keys::cardTheme), "Blueprint");
}

TEST(Preferences, LaunchAtLoginSwitchFollowsTheAutostartEntry)
{
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    {
        PreferencesHost host(ScoringMode::standard, true, 1);
        SwitchToggle* toggle = host.toggle("launchAtLoginToggle");
        auto* row = host.find<PreferenceRow>("launchAtLoginRow");
        const QString entry = config.path() + "/autostart/" + LoginItemService::kEntryFileName;
        EXPECT_FALSE(toggle->isOn());

        QTest::mouseClick(toggle, Qt::LeftButton);
        EXPECT_TRUE(QFile::exists(entry));
        EXPECT_TRUE(toggle->isOn());
        EXPECT_TRUE(row->detail().isEmpty());

        // The desktop switches it off; the row notices when it comes into view.
        QFile file(entry);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("Hidden=true\n");
        file.close();
        row->hide();
        row->show();
        EXPECT_EQ(host.view->loginItemStatus(), LoginItemService::Status::requiresApproval);
        EXPECT_TRUE(toggle->isOn());
        EXPECT_EQ(row->detail(), launchAtLoginApprovalText());

        QTest::mouseClick(toggle, Qt::LeftButton);
        EXPECT_FALSE(QFile::exists(entry));
        EXPECT_FALSE(toggle->isOn());
        EXPECT_TRUE(row->detail().isEmpty());
    }
    {
        // A file where the config folder should be: nothing can be written.
        QFile blocker(config.path() + "/blocked");
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_CONFIG_HOME", blocker.fileName().toLocal8Bit());
        PreferencesHost host(ScoringMode::standard, true, 1);
        EXPECT_EQ(host.view->loginItemStatus(), LoginItemService::Status::notFound);
        QTest::mouseClick(host.toggle("launchAtLoginToggle"), Qt::LeftButton);
        EXPECT_FALSE(host.toggle("launchAtLoginToggle")->isOn());
    }
    if (previous.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", previous);
}

TEST(Preferences, EverySwitchChannelGoesThroughTheSameRequest)
{
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const QString entry = config.path() + "/autostart/" + LoginItemService::kEntryFileName;

    // Qt's accessible button flips the checked state itself on "Toggle",
    // bypassing the click path.
    using Channel = std::function<void(SwitchToggle*)>;
    auto accessible = [](const QString& action) {
        return [action](SwitchToggle* toggle) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(toggle);
            ASSERT_TRUE(iface && iface->actionInterface());
            ASSERT_TRUE(iface->actionInterface()->actionNames().contains(action));
            iface->actionInterface()->doAction(action);
        };
    };
    const std::pair<const char*, Channel> channels[] = {
        {"pointer", [](SwitchToggle* t) { QTest::mouseClick(t, Qt::LeftButton); }},
        {"space", [](SwitchToggle* t) { t->setFocus(); QTest::keyClick(t, Qt::Key_Space); }},
        {"accessible toggle", accessible(QAccessibleActionInterface::toggleAction())},
    };
    // What each switch changes, read from where it is kept.
    using Stored = std::function<bool(const PreferencesHost&)>;
    const std::pair<const char*, Stored> switches[] = {
        {"launchAtLoginToggle", [&entry](const PreferencesHost&) { return QFile::exists(entry); }},
        {"cornerSuitToggle", [](const PreferencesHost& h) { return h.store.boolForKey(keys::showsCornerSuit); }},
        {"fourColourSuitsToggle", [](const PreferencesHost& h) { return h.store.boolForKey(keys::fourColourSuits); }},
        {"timeAndMovesToggle", [](const PreferencesHost& h) { return h.store.boolForKey(keys::showsTimeAndMoves); }},
        {"autoCompleteToggle",
         [](const PreferencesHost& h) { return h.store.stringForKey(keys::autoCompleteMode) != rawValue(AutoCompleteMode::disabled); }},
        {"unlimitedRedealsToggle",
         [](const PreferencesHost& h) { return h.store.boolForKey(keys::unlimitedRedeals); }},
    };
    for (const auto& [name, stored] : switches) {
        for (const auto& [channel, act] : channels) {
            SCOPED_TRACE(std::string(name) + " by " + channel);
            PreferencesHost host(ScoringMode::vegas, false, 1); // a fresh deal: nothing asks first
            SwitchToggle* toggle = host.toggle(name);
            const bool before = stored(host);
            ASSERT_EQ(toggle->isOn(), before);
            act(toggle);
            EXPECT_EQ(stored(host), !before);
            EXPECT_EQ(toggle->isOn(), !before);
            act(toggle);
            EXPECT_EQ(stored(host), before);
            EXPECT_EQ(toggle->isOn(), before);
        }
    }

    // Mid-deal the redeals switch asks first, whichever channel flips it, and
    // shows the old state until the player confirms.
    for (const auto& [channel, act] : channels) {
        SCOPED_TRACE(channel);
        PreferencesHost host(ScoringMode::vegas, false, 1, DealState::inProgress);
        SwitchToggle* toggle = host.toggle("unlimitedRedealsToggle");
        act(toggle);
        EXPECT_TRUE(host.view->hasPendingRulesChange());
        EXPECT_FALSE(toggle->isOn());
        EXPECT_FALSE(host.game->settings().unlimitedRedeals());
    }

    if (previous.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", previous);
}
