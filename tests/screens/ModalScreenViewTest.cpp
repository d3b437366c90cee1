#include "screens/ModalScreenView.h"
#include "screens/ScreenBlocks.h"
#include "ScreensTestSupport.h"

#include "persistence/SettingsKeys.h"
#include "platform/SystemAppearance.h"

#include <QLabel>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::screens;
using murvane::screens::test::settle;

namespace {

struct ViewHost : test::GameFixture {
    ModalScreenView* view = nullptr;

    explicit ViewHost(ModalScreen screen, qreal scale = 1.0)
    {
        view = new ModalScreenView(*game, screen, scale, &panel);
        view->setGeometry(panel.rect());
        view->show();
    }
};

} // namespace

TEST(ModalScreenView, EveryScreenHasATitleAndACloseButtonButOnlyStatisticsHasReset)
{
    for (ModalScreen screen : EnumCases<ModalScreen>::all) {
        ViewHost host(screen);
        EXPECT_EQ(host.view->titleLabel()->text(), rawValue(screen));
        EXPECT_EQ(host.view->titleLabel()->objectName(), "screenTitle");
        ASSERT_NE(host.view->closeButton(), nullptr);
        EXPECT_EQ(host.view->closeButton()->objectName(), "closeScreenButton");
        EXPECT_EQ(host.view->closeButton()->toolTip(), "Close");

        const bool isStatistics = screen == ModalScreen::statistics;
        EXPECT_EQ(host.view->resetButton() != nullptr, isStatistics) << rawValue(screen).toStdString();
        EXPECT_EQ(host.view->findChild<QWidget*>("resetStatsButton") != nullptr, isStatistics);
        // About hides its scroll indicators; the others show them as needed.
        EXPECT_EQ(host.view->scrollArea()->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff,
                  screen == ModalScreen::about);
    }
}

TEST(ModalScreenView, CloseButtonAsksTheOwnerToClose)
{
    ViewHost host(ModalScreen::preferences);
    QSignalSpy close(host.view, &ModalScreenView::closeRequested);
    QTest::mouseClick(host.view->closeButton(), Qt::LeftButton);
    EXPECT_EQ(close.count(), 1);
    EXPECT_TRUE(host.view->isVisible()); // the owner hides it
}

TEST(ModalScreenView, ConfirmedResetClearsTheStatisticsAndCancelKeepsThem)
{
    auto seed = [](InMemorySettingsStore& store) {
        store.setInteger(keys::dealsCount, 12);
        store.setInteger(keys::solvedCount, 5);
        store.setInteger(keys::currentStreak, 2);
        store.setInteger(keys::bestStreak, 4);
        store.setInteger(keys::bestScore, 640);
        store.setInteger(keys::vegasBankroll, -208);
    };

    {
        InMemorySettingsStore store;
        seed(store);
        SolitaireGame game(store, false);
        ASSERT_EQ(game.statistics().dealsCount(), 12);
        QWidget panel;
        panel.resize(375, 600);
        ModalScreenView view(game, ModalScreen::statistics, 1.0, &panel);
        view.resize(panel.size());
        panel.show();

        QTest::mouseClick(view.resetButton(), Qt::LeftButton);
        ASSERT_TRUE(view.isConfirmingReset());
        ConfirmationDialog* dialog = view.resetDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->card()->objectName(), "resetStatsDialog");
        EXPECT_EQ(dialog->title(), "Reset all statistics?");
        EXPECT_EQ(dialog->message(),
                  "This clears your deals, wins, streaks, best score and Vegas bankroll. It can't be undone.");
        EXPECT_EQ(dialog->cancelButton()->objectName(), "cancelResetStatsButton");
        EXPECT_EQ(dialog->confirmButton()->objectName(), "confirmResetStatsButton");
        EXPECT_EQ(dialog->confirmButton()->text(), "Reset");
        // The dimmed area covers the header too.
        EXPECT_EQ(dialog->parentWidget(), view.column());
        EXPECT_EQ(dialog->geometry(), view.column()->rect());

        // Return cancels: nothing is reset.
        QTest::keyClick(dialog->cancelButton(), Qt::Key_Return);
        EXPECT_FALSE(view.isConfirmingReset());
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(game.statistics().dealsCount(), 12);
        settle();

        QTest::mouseClick(view.resetButton(), Qt::LeftButton);
        ASSERT_TRUE(view.isConfirmingReset());
        QTest::mouseClick(view.resetDialog()->confirmButton(), Qt::LeftButton);
        EXPECT_FALSE(view.isConfirmingReset());
        EXPECT_EQ(game.statistics().dealsCount(), 0);
        EXPECT_EQ(game.statistics().solvedCount(), 0);
        EXPECT_EQ(game.statistics().currentStreak(), 0);
        EXPECT_EQ(game.statistics().bestStreak(), 0);
        EXPECT_EQ(game.statistics().bestScore(), 0);
        EXPECT_EQ(game.statistics().vegasBankroll(), 0);
        EXPECT_EQ(store.integerForKey(keys::dealsCount), 0);
        settle();
    }
}

TEST(ModalScreenView, ABackdropClickDismissesTheResetQuestion)
{
    ViewHost host(ModalScreen::statistics);
    host.view->setConfirmingReset(true);
    ConfirmationDialog* dialog = host.view->resetDialog();
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(host.view->isConfirmingReset());
    settle();
}

TEST(ModalScreenView, RulesChangeIsClearedBeforeItRunsAndDroppedOnCancel)
{
    ViewHost host(ModalScreen::preferences);
    DragState drag;
    host.game->play().drawFromStock(drag); // a deal in progress: a scoring change asks
    bool dialogGoneWhenApplied = false;
    int applied = 0;
    host.view->requestRulesChange(RuleSetting::scoringMode, [&] {
        ++applied;
        dialogGoneWhenApplied = !host.view->hasPendingRulesChange() && host.view->rulesChangeDialog() == nullptr;
    });
    ASSERT_TRUE(host.view->hasPendingRulesChange());
    ConfirmationDialog* dialog = host.view->rulesChangeDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->card()->objectName(), "rulesChangeDialog");
    EXPECT_EQ(dialog->title(), "Abandon this game?");
    EXPECT_EQ(dialog->confirmButton()->text(), "New Game");
    EXPECT_EQ(dialog->confirmButton()->objectName(), "confirmRulesChangeButton");
    EXPECT_EQ(dialog->cancelButton()->objectName(), "cancelRulesChangeButton");

    QTest::keyClick(dialog->confirmButton(), Qt::Key_Escape);
    EXPECT_EQ(applied, 0);
    EXPECT_FALSE(host.view->hasPendingRulesChange());
    settle();

    host.view->requestRulesChange(RuleSetting::scoringMode, [&] {
        ++applied;
        dialogGoneWhenApplied = !host.view->hasPendingRulesChange() && host.view->rulesChangeDialog() == nullptr;
    });
    QTest::mouseClick(host.view->rulesChangeDialog()->confirmButton(), Qt::LeftButton);
    EXPECT_EQ(applied, 1);
    EXPECT_TRUE(dialogGoneWhenApplied);
    settle();

    // A change without an action is no change at all.
    host.game->play().drawFromStock(drag);
    host.view->requestRulesChange(RuleSetting::scoringMode, {});
    EXPECT_FALSE(host.view->hasPendingRulesChange());
    EXPECT_EQ(host.view->rulesChangeDialog(), nullptr);
}

TEST(ModalScreenView, ClosingWithADialogOpenDropsIt)
{
    int applied = 0;
    {
        ViewHost host(ModalScreen::preferences);
        DragState drag;
        host.game->play().drawFromStock(drag);
        host.view->requestRulesChange(RuleSetting::scoringMode, [&] { ++applied; });
        ASSERT_TRUE(host.view->hasPendingRulesChange());
        host.view->setConfirmingReset(true);
        delete host.view;
        settle();
    }
    EXPECT_EQ(applied, 0);
}

TEST(ModalScreenView, FrameAndHeaderFollowTheBoardScale)
{
    ViewHost standard(ModalScreen::statistics, 1.0);
    ViewHost large(ModalScreen::statistics, 1.18);
    EXPECT_EQ(standard.view->column()->width(), 375);
    EXPECT_EQ(large.view->column()->width(), qRound(375 * 1.18));
    EXPECT_EQ(standard.view->titleLabel()->font().pixelSize(), 13);
    EXPECT_EQ(large.view->titleLabel()->font().pixelSize(), 15);
    EXPECT_GT(large.view->closeButton()->sizeHint().width(), standard.view->closeButton()->sizeHint().width());
    EXPECT_GT(large.view->resetButton()->sizeHint().width(), standard.view->resetButton()->sizeHint().width());
    // The column is centred on the panel.
    EXPECT_NEAR(large.view->column()->geometry().center().x(), large.view->rect().center().x(), 1);

    // A scale change reaches an open dialog too.
    standard.view->setConfirmingReset(true);
    standard.view->setBoardScale(2.0);
    EXPECT_EQ(standard.view->column()->width(), 750);
    EXPECT_EQ(standard.view->titleLabel()->font().pixelSize(), 26);
    EXPECT_EQ(standard.view->resetDialog()->card()->width(), 520);

    standard.view->setBoardScale(std::numeric_limits<qreal>::quiet_NaN());
    EXPECT_EQ(standard.view->boardScale(), 1.0);
    settle();
}

TEST(ModalScreenView, LargeBoardMakesBodyTextLargerButNotTheHeader)
{
    ViewHost host(ModalScreen::howToPlay, 1.0);
    const qreal t = host.view->textScale();
    const int headerSize = host.view->titleLabel()->font().pixelSize();
    const int bodySize = host.view->body()->font().pixelSize();
    EXPECT_EQ(bodySize, qRound(13 * t));
    QSignalSpy changed(host.view, &ModalScreenView::textScaleChanged);

    host.game->settings().setBoardSize(BoardSize::large);
    settle();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_NEAR(host.view->textScale(), t * 1.18, 1e-9);
    EXPECT_EQ(host.view->body()->font().pixelSize(), qRound(13 * t * 1.18));
    // The header follows the board scale alone, which the board hands in.
    EXPECT_EQ(host.view->titleLabel()->font().pixelSize(), headerSize);
}

TEST(ModalScreenView, FollowsADarkAppearanceChange)
{
    auto& appearance = SystemAppearance::instance();
    const bool wasDark = appearance.isDark();
    appearance.setDark(false);
    ViewHost host(ModalScreen::statistics);
    host.view->setConfirmingReset(true);
    const QColor lightTitle = host.view->titleLabel()->palette().color(QPalette::WindowText);
    const QColor lightDialogTitle = host.view->resetDialog()->findChild<QLabel*>()->palette().color(QPalette::WindowText);

    appearance.setDark(true);
    settle();
    EXPECT_NE(host.view->titleLabel()->palette().color(QPalette::WindowText), lightTitle);
    EXPECT_NE(host.view->resetDialog()->findChild<QLabel*>()->palette().color(QPalette::WindowText), lightDialogTitle);
    appearance.setDark(wasDark);
    settle();
}
