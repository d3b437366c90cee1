#include "screens/ChoiceMenu.h"
#include "screens/ModalScreenView.h"
#include "ScreensTestSupport.h"

#include "board/BoardGeometry.h"
#include "graphics/ChromeStyle.h"
#include "platform/SystemAppearance.h"
#include "screens/ScreenStyle.h"

#include <QMenu>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::screens;
using murvane::screens::test::settle;

namespace {

ChoiceMenu* boardSizeMenu(SolitaireGame& game, qreal scale, QWidget* parent)
{
    auto* menu = bindChoiceMenu<BoardSize>(
        {BoardSize::standard, BoardSize::large},
        [](const BoardSize& s) { return s == BoardSize::standard ? QString("Standard") : QString("Large"); },
        [&game] { return game.settings().boardSize(); }, [&game](const BoardSize& s) { game.settings().setBoardSize(s); }, scale,
        parent);
    QObject::connect(&game.settings(), &GameSettings::boardSizeChanged, menu, &ChoiceMenu::refresh);
    return menu;
}

} // namespace

TEST(ChoiceMenu, ChoosingAnItemWritesTheValueAndUpdatesTheLabel)
{
    test::GameFixture f;
    ChoiceMenu* menu = boardSizeMenu(*f.game, 1.0, &f.panel);
    EXPECT_EQ(menu->text(), "Standard");
    EXPECT_EQ(menu->currentIndex(), 0);

    QSignalSpy chosen(menu, &ChoiceMenu::optionChosen);
    QSignalSpy changed(menu, &ChoiceMenu::currentIndexChanged);
    QSignalSpy gameChanged(&f.game->settings(), &GameSettings::boardSizeChanged);

    // Through the popup, as a user would: open it, trigger the second item.
    QTest::mouseClick(menu, Qt::LeftButton);
    QMenu* popup = menu->popupMenu();
    ASSERT_TRUE(popup->isVisible());
    const auto actions = popup->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), "Standard");
    EXPECT_EQ(actions[1]->text(), "Large");
    actions[1]->trigger();
    popup->hide();
    settle();

    EXPECT_EQ(f.game->settings().boardSize(), BoardSize::large);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(gameChanged.count(), 1);
    EXPECT_EQ(menu->text(), "Large");
}

TEST(ChoiceMenu, ChoosingTheCurrentValueReportsItButChangesNothing)
{
    test::GameFixture f;
    ChoiceMenu* menu = boardSizeMenu(*f.game, 1.0, &f.panel);
    QSignalSpy chosen(menu, &ChoiceMenu::optionChosen);
    QSignalSpy gameChanged(&f.game->settings(), &GameSettings::boardSizeChanged);

    menu->choose(0);
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(gameChanged.count(), 0);
    EXPECT_EQ(f.game->settings().boardSize(), BoardSize::standard);
    EXPECT_EQ(menu->text(), "Standard");
}

TEST(ChoiceMenu, LabelFollowsTheOwnersValueNotTheClick)
{
    // An owner that holds the change back (to ask first) keeps the old label.
    int value = 1;
    QList<int> written;
    QWidget parent;
    ChoiceMenu* menu = bindChoiceMenu<int>(
        {1, 3}, [](const int& n) { return QString("Draw %1").arg(n); }, [&value] { return value; },
        [&written](const int& n) { written.append(n); }, 1.0, &parent);
    menu->choose(1);
    EXPECT_EQ(written, QList<int>{3});
    EXPECT_EQ(menu->text(), "Draw 1");

    // Later the owner applies it and tells the menu.
    value = 3;
    menu->refresh();
    EXPECT_EQ(menu->text(), "Draw 3");
}

TEST(ChoiceMenu, OutOfRangeChoicesAndUnknownValuesAreHarmless)
{
    int value = 7; // not among the options
    int writes = 0;
    QWidget parent;
    ChoiceMenu* menu = bindChoiceMenu<int>(
        {1, 3}, [](const int& n) { return QString::number(n); }, [&value] { return value; },
        [&writes](const int&) { ++writes; }, 1.0, &parent);
    EXPECT_EQ(menu->currentIndex(), -1);
    EXPECT_TRUE(menu->text().isEmpty());
    menu->choose(-1);
    menu->choose(2);
    EXPECT_EQ(writes, 0);

    ChoiceMenu empty({}, 1.0);
    empty.choose(0);
    EXPECT_EQ(empty.currentIndex(), -1);
}

TEST(ChoiceMenu, OnlyTheCurrentItemCarriesTheCheckmark)
{
    test::GameFixture f;
    f.game->settings().setBoardSize(BoardSize::large);
    ChoiceMenu* menu = boardSizeMenu(*f.game, 1.0, &f.panel);
    QTest::mouseClick(menu, Qt::LeftButton);
    const auto actions = menu->popupMenu()->actions();
    ASSERT_EQ(actions.size(), 2);
    const QImage blank = actions[0]->icon().pixmap(16, 16).toImage();
    const QImage check = actions[1]->icon().pixmap(16, 16).toImage();
    auto opaquePixels = [](const QImage& img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += qAlpha(img.pixel(x, y)) > 0;
        return n;
    };
    EXPECT_EQ(opaquePixels(blank), 0);
    EXPECT_GT(opaquePixels(check), 10);
    menu->popupMenu()->hide();
}

TEST(ChoiceMenu, SizeFollowsItsScaleAndNeverStretches)
{
    QWidget parent;
    ChoiceMenu small({"Standard", "Large"}, 1.0, &parent);
    ChoiceMenu large({"Standard", "Large"}, 1.18, &parent);
    small.setCurrentIndex(0);
    large.setCurrentIndex(0);
    EXPECT_GT(large.sizeHint().width(), small.sizeHint().width());
    EXPECT_GT(large.sizeHint().height(), small.sizeHint().height());
    EXPECT_EQ(small.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
}

TEST(ChoiceMenu, ListsOpenInsideThePanelWithRoundedCorners)
{
    for (bool dark : {false, true})
        for (const auto& [size, text] : {std::pair{BoardSize::standard, 1.0},
                                         {BoardSize::large, SystemAppearance::kMaxTextScale}}) {
            SystemAppearance::instance().setDark(dark);
            SystemAppearance::instance().setTextScale(text);
            test::GameFixture f;
            f.game->settings().setBoardSize(size);
            const qreal b = board::boardScale(size == BoardSize::large, text);
            f.panel.resize(board::BoardGeometry(b, DrawMode::three()).boardSize().toSize());
            ModalScreenView view(*f.game, ModalScreen::preferences, b, &f.panel);
            view.setGeometry(f.panel.rect());
            view.show();
            settle();
            const QRect panel(f.panel.mapToGlobal(QPoint(0, 0)), f.panel.size());
            for (const char* name : {"drawCountPicker", "scoringModePicker", "boardSizePicker"}) {
                auto* menu = view.findChild<ChoiceMenu*>(QLatin1String(name));
                ASSERT_NE(menu, nullptr) << name;
                view.scrollArea()->ensureWidgetVisible(menu);
                settle();
                menu->click();
                QMenu* popup = menu->popupMenu();
                ASSERT_TRUE(popup->isVisible()) << name;
                const QRect list = popup->geometry();
                EXPECT_TRUE(panel.contains(list)) << name << " dark " << dark << " text " << text;
                // The chosen item sits on the control.
                const QRect chosen(popup->mapToGlobal(popup->actionGeometry(popup->actions()[menu->currentIndex()]).topLeft()),
                                   popup->actionGeometry(popup->actions()[menu->currentIndex()]).size());
                const QPoint centre = menu->mapToGlobal(menu->rect().center());
                EXPECT_LE(std::abs(chosen.center().y() - centre.y()), 1) << name;
                // Rounded: the window's corners are cut away, its middle is not.
                const QRegion shape = popup->mask();
                EXPECT_FALSE(shape.contains(QPoint(0, 0))) << name;
                EXPECT_FALSE(shape.contains(QPoint(list.width() - 1, list.height() - 1))) << name;
                EXPECT_TRUE(shape.contains(QPoint(list.width() / 2, list.height() / 2))) << name;
                popup->hide();
            }
        }
    SystemAppearance::instance().setDark(false);
    SystemAppearance::instance().setTextScale(1.0);
}

TEST(PopupMenu, DisabledItemsAreDrawnDimmerThanActiveOnesInEveryLook)
{
    // The strongest ink of an item's text, as its distance from the list's fill.
    const auto ink = [](const QImage& image, const QRect& item, const QColor& fill) {
        int strongest = 0;
        for (int y = item.top(); y <= item.bottom(); ++y)
            for (int x = item.left(); x <= item.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                strongest = std::max(strongest, std::abs(c.red() - fill.red()) + std::abs(c.green() - fill.green()) +
                                                    std::abs(c.blue() - fill.blue()));
            }
        return strongest;
    };
    for (bool dark : {false, true})
        for (bool contrast : {false, true}) {
            const graphics::Appearance look{dark, contrast};
            QMenu menu;
            QAction* active = menu.addAction(QStringLiteral("Restart Deal"));
            QAction* inactive = menu.addAction(QStringLiteral("Restart Deal"));
            inactive->setEnabled(false);
            stylePopupMenu(&menu, 1.0, look);
            menu.adjustSize();
            const QImage image = menu.grab().toImage();
            const QColor fill = graphics::ChromePalette(look).raisedFill();
            const int on = ink(image, menu.actionGeometry(active), fill);
            const int off = ink(image, menu.actionGeometry(inactive), fill);
            EXPECT_GT(on, 300) << "dark " << dark << " contrast " << contrast;
            EXPECT_LT(off, on * 0.85) << "dark " << dark << " contrast " << contrast << ": " << off << " vs " << on;
            // Under the pointer it stays disabled-looking, not highlighted.
            menu.setActiveAction(inactive);
            const QImage hovered = menu.grab().toImage();
            EXPECT_LT(ink(hovered, menu.actionGeometry(inactive), fill), on * 0.85) << "dark " << dark;
        }
}
