#include "screens/InfoScreens.h"
#include "screens/ModalScreenView.h"
#include "ScreensTestSupport.h"

#include "board/BoardGeometry.h"
#include "board/BoardHeader.h"
#include "board/SolitaireView.h"
#include "graphics/ChromeStyle.h"
#include "graphics/Symbols.h"
#include "platform/SystemAppearance.h"

#include <QAccessible>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::screens;

namespace {

struct Host : test::GameFixture {
    ModalScreenView* view;
    explicit Host(ModalScreen screen, qreal scale = 1.0)
    {
        view = new ModalScreenView(*game, screen, scale, &panel);
        view->setGeometry(panel.rect());
        view->show();
        test::settle();
    }
};

// Every element reachable through the accessibility tree, as "role|name".
void collect(QAccessibleInterface* node, QStringList& out, int depth = 0)
{
    if (!node || depth > 40)
        return;
    if (!node->state().invisible)
        out.append(QString::number(int(node->role())) + "|" + node->text(QAccessible::Name));
    for (int i = 0; i < node->childCount(); ++i)
        collect(node->child(i), out, depth + 1);
}

QStringList accessibleElements(QWidget* root)
{
    QStringList out;
    collect(QAccessible::queryAccessibleInterface(root), out);
    return out;
}

QString element(QAccessible::Role role, const QString& name)
{
    return QString::number(int(role)) + "|" + name;
}

} // namespace

TEST(HowToPlay, ParagraphsUseOurSymbolsAndKeysArePlatformShortcuts)
{
    Host host(ModalScreen::howToPlay);
    ASSERT_EQ(howToParagraphs().size(), 11);
    for (const HowToParagraph& p : howToParagraphs()) {
        EXPECT_TRUE(graphics::hasSymbol(QString::fromUtf8(p.symbol))) << p.symbol;
        QWidget* row = host.view->findChild<QWidget*>(QString::fromUtf8(p.identifier));
        ASSERT_NE(row, nullptr) << p.identifier;
        EXPECT_EQ(row->accessibleName(), QString::fromUtf8(p.title));
    }
    QStringList keys;
    for (const KeyboardCommand& k : keyboardCommands())
        keys.append(k.keys);
    EXPECT_EQ(keys, (QStringList{"← ↑ ↓ →", "Space", "1–7", "H", "Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+N", "Ctrl+R",
                                 "Ctrl+,"}));
    EXPECT_TRUE(accessibleElements(host.view).contains(element(QAccessible::StaticText, "Undo, Ctrl+Z")))
        << accessibleElements(host.view).join("\n").toStdString();
}

TEST(About, ShowsTheBuildVersionAndOpensTheWebsiteOnlyForAGoodAddress)
{
    Host host(ModalScreen::about);
    EXPECT_EQ(host.view->findChild<QLabel*>("aboutVersion")->text(), QString("Version ") + MURVANE_VERSION);
    EXPECT_FALSE(QString(MURVANE_VERSION).isEmpty());

    QList<QUrl> opened;
    host.view->setUrlOpener([&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });
    QTest::mouseClick(host.view->findChild<QWidget*>("visitWebsiteButton"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].toString(), "https://" + publisherWebAddress());

    for (const char* bad : {"", "   ", "exa mple.com", "http://[::1", "https://kestrune.com", "\x01host"}) {
        EXPECT_FALSE(websiteUrl(QString::fromUtf8(bad)).has_value()) << bad;
        EXPECT_FALSE(visitWebsite(*host.view, QString::fromUtf8(bad)));
    }
    EXPECT_EQ(opened.size(), 1);
}

TEST(ScreenFrame, HeaderSitsExactlyWhereTheBoardHeaderIs)
{
    for (qreal scale : {1.0, 1.18, 1.18 * SystemAppearance::kMaxTextScale}) {
        for (ModalScreen screen : {ModalScreen::preferences, ModalScreen::statistics}) {
            test::GameFixture fixture;
            const board::BoardGeometry geometry(scale, DrawMode::one());
            fixture.panel.resize(geometry.boardSize().toSize());
            ModalScreenView view(*fixture.game, screen, scale, &fixture.panel);
            view.setGeometry(fixture.panel.rect());
            view.show();
            QCoreApplication::processEvents();
            const QRect header(view.header()->mapTo(&view, QPoint(0, 0)), view.header()->size());
            EXPECT_EQ(header, geometry.headerRect().toAlignedRect()) << scale;
            const int button = qRound(graphics::ChromeMetrics::headerButtonSize * scale);
            EXPECT_EQ(view.closeButton()->size(), QSize(button, button));
            // The close button takes the place of the board's rightmost button.
            EXPECT_EQ(view.header()->width() - view.closeButton()->geometry().right() - 1,
                      qRound(graphics::ChromeMetrics::headerPaddingH * scale));
        }
    }
}

TEST(ScreenFrame, HeaderLooksExactlyLikeTheBoardHeader)
{
    // The darkest (light) or brightest (dark) pixel in a strip: the ink of a text.
    const auto ink = [](const QImage& image, QRect strip, bool dark) {
        int best = dark ? 0 : 255 * 3;
        for (int y = strip.top(); y <= strip.bottom(); ++y)
            for (int x = strip.left(); x <= strip.right(); ++x) {
                const QRgb c = image.pixel(x, y);
                const int sum = qRed(c) + qGreen(c) + qBlue(c);
                best = dark ? std::max(best, sum) : std::min(best, sum);
            }
        return best;
    };
    for (const auto& [dark, contrast] : {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
        SystemAppearance::instance().setDark(dark);
        SystemAppearance::instance().setIncreasedContrast(contrast);
        for (qreal scale : {1.0, 1.18}) {
            test::GameFixture fixture;
            fixture.game->settings().setBoardSize(scale > 1 ? BoardSize::large : BoardSize::standard);
            SolitaireView board(*fixture.game);
            board.show();
            ModalScreenView view(*fixture.game, ModalScreen::preferences, board.board().boardScale(), &fixture.panel);
            view.setGeometry(fixture.panel.rect());
            view.show();
            test::settle();
            const QImage ours = view.header()->grab().toImage();
            const QImage boards = board.header()->grab().toImage();
            ASSERT_EQ(ours.size(), boards.size());
            // Bare glass between the texts and the buttons, and the hairline.
            for (const QPoint at : {QPoint(ours.width() * 3 / 5, ours.height() / 2), QPoint(ours.width() / 2, 0)})
                EXPECT_EQ(ours.pixel(at), boards.pixel(at)) << dark << contrast << scale << at.x() << at.y();
            // Both titles in the same ink.
            const QRect titles(qRound(graphics::ChromeMetrics::headerPaddingH * scale), 0,
                               qRound(40 * scale), ours.height());
            EXPECT_EQ(ink(ours, titles, dark), ink(boards, titles, dark)) << dark << contrast << scale;
        }
    }
    SystemAppearance::instance().setDark(false);
    SystemAppearance::instance().setIncreasedContrast(false);
}

TEST(ScreenFrame, NothingBehindADialogCardReadsThrough)
{
    // Stripes of black and white stand in for cards behind the glass.
    class Stripes : public QWidget {
    protected:
        void paintEvent(QPaintEvent*) override
        {
            QPainter p(this);
            for (int x = 0; x < width(); x += 4)
                p.fillRect(x, 0, 2, height(), Qt::black), p.fillRect(x + 2, 0, 2, height(), Qt::white);
        }
    };
    for (bool dark : {false, true}) {
        SystemAppearance::instance().setDark(dark);
        Stripes stripes;
        stripes.resize(375, 600);
        ConfirmationDialog dialog(1.0, {"Abandon this game?", "Text", "d", "Cancel", "c", "New Game", "n"}, &stripes);
        stripes.show();
        QCoreApplication::processEvents();
        const QImage image = stripes.grab().toImage();
        // A row inside the card, just under its top padding, left of the text.
        const QRect card = dialog.card()->geometry();
        const int y = card.top() + 6;
        int lo = 255, hi = 0;
        for (int x = card.left() + 12; x < card.left() + 40; ++x) {
            const int v = qGray(image.pixel(x, y));
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        EXPECT_LE(hi - lo, 2) << "stripes show through the card, dark=" << dark;
    }
    SystemAppearance::instance().setDark(false);
}

TEST(Screens, EveryControlIsReachableByNameAndRole)
{
    struct Case {
        ModalScreen screen;
        QStringList expected;
    };
    const QAccessible::Role button = QAccessible::Button;
    const Case cases[] = {
        {ModalScreen::preferences,
         {element(button, "Close"), element(button, "Tray icon: Spade"), element(button, "Tray icon: Card Fan"),
          element(button, "Game Size"), element(button, "Stock Deal Mode"), element(button, "Scoring Rule System"), element(QAccessible::CheckBox, "Launch at login"),
          element(QAccessible::CheckBox, "Auto Complete"), element(QAccessible::CheckBox, "Show suit in card corner"),
          element(button, "Deck Theme: Onyx Slate"), element(button, "Deck Theme: Blueprint"),
          element(QAccessible::Heading, "Preferences"), element(QAccessible::Heading, "GAMEPLAY")}},
        {ModalScreen::statistics,
         {element(button, "Reset All Statistics"), element(QAccessible::StaticText, "Deals Played: 0")}},
        {ModalScreen::about, {element(button, "Visit publisher website kestrune.com")}},
    };
    for (const Case& c : cases) {
        Host host(c.screen);
        const QStringList found = accessibleElements(host.view);
        for (const QString& e : c.expected)
            EXPECT_TRUE(found.contains(e)) << e.toStdString() << "\n" << found.join("\n").toStdString();
    }
}
