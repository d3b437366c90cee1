// How the tray panel closes: Escape peels the layers off the board first,
// the second click of a double-click on the icon never undoes the first, and
// losing the activation closes it without touching the game.
#include "app/PanelWindow.h"
#include "board/SolitaireView.h"
#include "engine/SolitaireGame.h"
#include "persistence/SettingsStore.h"
#include "screens/ModalScreenView.h"

#include <QApplication>
#include <QMenu>
#include <QStyleHints>
#include <QTest>

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::app;

namespace {

// Shortens the double-click interval for one test, so the gesture window
// passes quickly.
class ShortDoubleClick {
public:
    explicit ShortDoubleClick(int ms)
        : saved_(QGuiApplication::styleHints()->mouseDoubleClickInterval())
    {
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(ms);
    }
    ~ShortDoubleClick() { QGuiApplication::styleHints()->setMouseDoubleClickInterval(saved_); }

private:
    int saved_;
};

PanelWindow::ContentFactory plainContent()
{
    return [](QWidget* parent) {
        auto* content = new QWidget(parent);
        content->setMinimumSize(375, 480);
        return content;
    };
}

} // namespace

TEST(PanelEscape, ClosesTheDialogThenTheScreenThenThePanel)
{
    InMemorySettingsStore store;
    SolitaireGame game(store, false);
    PanelWindow panel(PanelWindow::Style::popup, [&game](QWidget* parent) { return new SolitaireView(game, parent); },
                      false);
    panel.setDismissLayer([](QWidget* content) {
        return static_cast<SolitaireView*>(content)->dismissTopmostLayer();
    });
    panel.open(QRect(500, 0, 24, 24), {});
    auto* board = qobject_cast<SolitaireView*>(panel.content());
    ASSERT_NE(board, nullptr);
    board->presentScreen(ModalScreen::statistics);
    auto* screen = qobject_cast<screens::ModalScreenView*>(board->screenHost());
    ASSERT_NE(screen, nullptr);
    screen->setConfirmingReset(true);

    // Escape typed while the focus is on the screen, not inside its dialog.
    QTest::keyClick(screen->body(), Qt::Key_Escape);
    EXPECT_TRUE(panel.isOpen());
    EXPECT_FALSE(screen->isConfirmingReset());
    EXPECT_TRUE(game.isShowingScreen());

    QTest::keyClick(screen->body(), Qt::Key_Escape);
    EXPECT_TRUE(panel.isOpen());
    EXPECT_FALSE(game.isShowingScreen());

    QTest::keyClick(board, Qt::Key_Escape);
    EXPECT_FALSE(panel.isOpen());

    // The fallback window is the whole program: Escape never closes it.
    PanelWindow window(PanelWindow::Style::window, plainContent(), true);
    window.open(std::nullopt, {});
    QTest::keyClick(window.content(), Qt::Key_Escape);
    EXPECT_TRUE(window.isOpen());
}

TEST(PanelGesture, SecondClickOfADoubleClickKeepsThePanelOpen)
{
    ShortDoubleClick interval(150);
    const QRect icon(500, 0, 24, 24);
    PanelWindow panel(PanelWindow::Style::popup, plainContent(), false);

    panel.toggle(icon, {});
    ASSERT_TRUE(panel.isOpen());
    // The tray reports the second click as another activation ...
    panel.toggle(icon, {});
    EXPECT_TRUE(panel.isOpen());
    // ... or the popup's grab sees it as a press outside, on the icon.
    QTest::mousePress(&panel, Qt::LeftButton, {}, panel.mapFromGlobal(icon.center()));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, panel.mapFromGlobal(icon.center()));
    EXPECT_TRUE(panel.isOpen());
    // A press elsewhere is an outside click even during the gesture.
    QTest::mousePress(&panel, Qt::LeftButton, {}, panel.mapFromGlobal(QPoint(40, 700)));
    EXPECT_FALSE(panel.isOpen());

    // Once the gesture is over, a click on the icon closes it again.
    panel.toggle(icon, {});
    ASSERT_TRUE(panel.isOpen());
    QTest::qWait(200);
    panel.toggle(icon, {});
    EXPECT_FALSE(panel.isOpen());
}

TEST(PanelActivation, ClosesWhenAnotherWindowTakesTheActivation)
{
    ShortDoubleClick interval(100);
    for (PanelWindow::Style style : {PanelWindow::Style::popup, PanelWindow::Style::frameless}) {
        SCOPED_TRACE(style == PanelWindow::Style::popup ? "popup" : "frameless");
        int built = 0;
        PanelWindow panel(style, [&built](QWidget* parent) {
            ++built;
            return plainContent()(parent);
        }, true);
        panel.open(std::nullopt, QPoint(600, 10));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));

        // A menu opened from inside the panel takes the focus but belongs to it.
        QMenu menu(panel.content());
        menu.addAction(QStringLiteral("item"));
        menu.popup(panel.mapToGlobal(QPoint(20, 20)));
        QTest::qWait(250);
        EXPECT_TRUE(panel.isOpen());
        menu.close();
        panel.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));

        QWidget other;
        other.resize(200, 100);
        other.show();
        other.activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(!panel.isOpen(), 3000);
        // Closing kept the content and built nothing new.
        EXPECT_NE(panel.content(), nullptr);
        EXPECT_EQ(built, 1);

        // The icon click that took the activation away arrives right after:
        // it must not reopen the panel. A later click does.
        panel.toggle(std::nullopt, QPoint(600, 10));
        EXPECT_FALSE(panel.isOpen());
        QTest::qWait(150);
        panel.toggle(std::nullopt, QPoint(600, 10));
        EXPECT_TRUE(panel.isOpen());
        panel.closePanel();
    }
}
