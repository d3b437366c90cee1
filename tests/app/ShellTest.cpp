// The shell's moving parts under the offscreen platform (which has no tray):
// single instance, store hand-off, fallback window, welcome check, tray icon,
// panel sizing and lifetime, text cap, popup accessibility.
#include "app/DynamicTypeCapModifier.h"
#include "app/MurvaneSolitaireApp.h"
#include "app/PanelWindow.h"
#include "app/SingleInstanceGuard.h"
#include "app/TrayController.h"
#include "app/TrayHostWatch.h"
#include "board/SolitaireView.h"
#include "engine/SolitaireGame.h"
#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"
#include "platform/SystemAppearance.h"

#include <QAccessible>
#include <QApplication>
#include <QLockFile>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSysInfo>
#include <QSystemTrayIcon>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace murvane;
using namespace murvane::app;

namespace {

QString uniqueKey(const char* name)
{
    static int counter = 0;
    return QStringLiteral("murvane-test-%1-%2-%3").arg(QLatin1String(name)).arg(::getpid()).arg(++counter);
}

// A widget whose preferred size the test changes, the way the board does when
// the board size setting changes.
class ResizingContent : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return hint; }
    void setHint(QSize size)
    {
        hint = size;
        updateGeometry();
    }
    QSize hint {375, 480};
};

MurvaneSolitaireApp::Options testOptions(const QString& key, int* storesOpened = nullptr)
{
    MurvaneSolitaireApp::Options options;
    options.instanceKey = key;
    options.openStore = [storesOpened] {
        if (storesOpened)
            ++*storesOpened;
        return std::make_unique<InMemorySettingsStore>();
    };
    options.panelContent = [](QWidget* parent) { return new ResizingContent(parent); };
    // The welcome window has its own tests; here it would only get in the way.
    options.showWelcomeWindow = [](const QString&) {};
    return options;
}

// A tray host the test brings up when it likes.
class FakeTrayHost : public TrayHostWatch {
public:
    bool hostPresent() const override { return present; }
    void appear()
    {
        present = true;
        Q_EMIT hostAppeared();
    }
    bool present = false;
};

} // namespace

TEST(SingleInstance, SecondClaimHandsOverToTheFirst)
{
    const QString key = uniqueKey("guard");
    SingleInstanceGuard first(key);
    ASSERT_EQ(first.claim(), SingleInstanceGuard::Role::primary);
    QSignalSpy activations(&first, &SingleInstanceGuard::activationRequested);

    SingleInstanceGuard second(key);
    EXPECT_EQ(second.claim(500), SingleInstanceGuard::Role::secondary);
    EXPECT_TRUE(activations.count() == 1 || activations.wait(5000));
    EXPECT_EQ(activations.count(), 1);

    // Only this user may reach the socket, and what is not a request is
    // dropped without showing anything.
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(first.serverName()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & (S_IRWXG | S_IRWXO), 0u);
    for (const QByteArray& stranger : {QByteArray("hello\n"), QByteArray("sho"), QByteArray(4096, 'x')}) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, QFile::encodeName(first.serverName()).constData(), sizeof address.sun_path - 1);
        ASSERT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        EXPECT_EQ(::write(fd, stranger.constData(), std::size_t(stranger.size())), stranger.size());
        ::close(fd);
    }
    EXPECT_FALSE(activations.wait(300));
    EXPECT_EQ(activations.count(), 1);
}

TEST(SingleInstance, SlotIsFreeAgainAfterTheFirstEnds)
{
    const QString key = uniqueKey("guard");
    {
        SingleInstanceGuard first(key);
        ASSERT_EQ(first.claim(), SingleInstanceGuard::Role::primary);
    }
    SingleInstanceGuard next(key);
    EXPECT_EQ(next.claim(), SingleInstanceGuard::Role::primary);
    EXPECT_FALSE(next.serverName().isEmpty());
}

TEST(SingleInstance, LockLeftByADeadProcessIsTakenOver)
{
    const QString key = uniqueKey("guard");
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QFile stale(dir + QLatin1Char('/') + key + QStringLiteral(".lock"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    // A pid that cannot be running (above the kernel's pid limit).
    stale.write(QByteArray("4194305\nmurvane-solitaire\n") + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    SingleInstanceGuard guard(key);
    EXPECT_EQ(guard.claim(), SingleInstanceGuard::Role::primary);
}

TEST(Shell, SecondLaunchLeavesTheStoreAloneAndShowsTheFirst)
{
    const QString key = uniqueKey("shell");
    int firstStores = 0;
    int secondStores = 0;
    MurvaneSolitaireApp first(testOptions(key, &firstStores));
    ASSERT_EQ(first.start(), MurvaneSolitaireApp::StartResult::running);
    EXPECT_EQ(firstStores, 1);
    first.panel()->closePanel();
    ASSERT_FALSE(first.panel()->isOpen());

    MurvaneSolitaireApp second(testOptions(key, &secondStores));
    EXPECT_EQ(second.start(), MurvaneSolitaireApp::StartResult::handedOver);
    EXPECT_EQ(secondStores, 0);
    // The running instance brings its window back.
    QSignalSpy opened(first.panel(), &PanelWindow::opened);
    EXPECT_TRUE(opened.wait(5000));
    EXPECT_TRUE(first.panel()->isOpen());
}

TEST(Shell, WithoutATrayTheGameIsAnOrdinaryWindow)
{
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable()); // offscreen has none
    MurvaneSolitaireApp::Options options = testOptions(uniqueKey("shell"));
    options.panelContent = {}; // the real board
    MurvaneSolitaireApp app(options);
    ASSERT_EQ(app.start(), MurvaneSolitaireApp::StartResult::running);
    EXPECT_FALSE(app.usesTray());
    PanelWindow* window = app.panel();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->style(), PanelWindow::Style::window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::Popup));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Murvane Solitaire"));
    ASSERT_NE(window->content(), nullptr);
    EXPECT_EQ(window->size(), window->content()->sizeHint());
    EXPECT_EQ(window->size().width(), 375); // the board at scale 1
    EXPECT_EQ(app.game().play().tableau().size(), 7);
}

TEST(Shell, ATrayHostThatComesUpLaterGetsTheIconAndTheGameMovesThere)
{
    struct RestoreQuitOnClose {
        ~RestoreQuitOnClose() { QApplication::setQuitOnLastWindowClosed(true); }
    } restore;
    FakeTrayHost* host = nullptr;
    MurvaneSolitaireApp::Options options = testOptions(uniqueKey("shell"));
    options.trayHostWatch = [&host] {
        auto watch = std::make_unique<FakeTrayHost>();
        host = watch.get();
        return watch;
    };
    MurvaneSolitaireApp app(options);
    ASSERT_EQ(app.start(), MurvaneSolitaireApp::StartResult::running);
    ASSERT_NE(host, nullptr);
    EXPECT_FALSE(app.usesTray());
    QPointer<PanelWindow> window = app.panel();
    ASSERT_TRUE(window && window->isOpen());
    app.game().settings().setMenuBarIcon(MenuBarIconOption::club);

    host->appear();
    ASSERT_TRUE(app.usesTray());
    EXPECT_TRUE(app.tray()->isVisible());
    EXPECT_EQ(app.tray()->iconName(), QStringLiteral("suit.club.fill"));
    ASSERT_NE(app.tray()->contextMenu(), nullptr);
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
    // The window the player has open stays open, and stays the window.
    EXPECT_EQ(app.panel(), window.data());
    EXPECT_TRUE(window->isOpen());
    host->appear(); // reported again: nothing new
    EXPECT_EQ(app.panel(), window.data());

    // Closed, it gives way to the tray's panel, which the icon opens.
    window->closePanel();
    ASSERT_NE(app.panel(), nullptr);
    EXPECT_NE(app.panel()->style(), PanelWindow::Style::window);
    EXPECT_FALSE(app.panel()->isOpen());
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 5000);
    Q_EMIT const_cast<QSystemTrayIcon&>(app.tray()->trayIcon()).activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(app.panel()->isOpen());
    app.panel()->closePanel();
}

TEST(Shell, WelcomeCheckRunsAfterStartUpAndOnlyForNewUsers)
{
    auto store = std::make_unique<InMemorySettingsStore>();
    InMemorySettingsStore* storeView = store.get();
    QStringList shownWith;
    MurvaneSolitaireApp::Options options = testOptions(uniqueKey("shell"));
    options.openStore = [&store] { return std::move(store); };
    options.showWelcomeWindow = [&shownWith](const QString& icon) { shownWith << icon; };
    MurvaneSolitaireApp app(options);
    QSignalSpy done(&app, &MurvaneSolitaireApp::welcomeCheckDone);
    ASSERT_EQ(app.start(), MurvaneSolitaireApp::StartResult::running);
    // Queued, never inside start-up itself.
    EXPECT_TRUE(shownWith.isEmpty());
    EXPECT_FALSE(app.game().settings().hasSeenWelcome());
    ASSERT_TRUE(done.wait(5000));
    EXPECT_EQ(shownWith, QStringList {QStringLiteral("suit.spade.fill")});
    EXPECT_TRUE(app.game().settings().hasSeenWelcome());
    EXPECT_TRUE(storeView->boolForKey(QStringLiteral("Murvane_HasSeenWelcome")));

    // A returning user is not greeted again.
    auto seen = std::make_unique<InMemorySettingsStore>();
    seen->setBool(QStringLiteral("Murvane_HasSeenWelcome"), true);
    seen->setString(QStringLiteral("Murvane_MenuBarIcon"), QStringLiteral("♥"));
    MurvaneSolitaireApp::Options later = testOptions(uniqueKey("shell"));
    later.openStore = [&seen] { return std::move(seen); };
    later.showWelcomeWindow = [&shownWith](const QString& icon) { shownWith << icon; };
    MurvaneSolitaireApp again(later);
    QSignalSpy doneAgain(&again, &MurvaneSolitaireApp::welcomeCheckDone);
    ASSERT_EQ(again.start(), MurvaneSolitaireApp::StartResult::running);
    ASSERT_TRUE(doneAgain.wait(5000));
    EXPECT_FALSE(doneAgain.first().first().toBool());
    EXPECT_EQ(shownWith.size(), 1);
}

TEST(Shell, TrayIconFollowsTheMenuBarIconSetting)
{
    InMemorySettingsStore store;
    SolitaireGame game(store, false);
    // The icon goes up with the stored symbol before the game exists, then
    // takes the game's setting when it starts following it.
    TrayController tray(MenuBarIconOption::spade);
    EXPECT_EQ(tray.iconName(), QStringLiteral("suit.spade.fill"));
    EXPECT_EQ(tray.trayIcon().toolTip(), QStringLiteral("Murvane Solitaire"));
    const qint64 spadeKey = tray.trayIcon().icon().cacheKey();

    game.settings().setMenuBarIcon(MenuBarIconOption::cardFan);
    tray.follow(game);
    EXPECT_EQ(tray.iconName(), QStringLiteral("rectangle.portrait.on.rectangle.portrait.angled.fill"));
    EXPECT_NE(tray.trayIcon().icon().cacheKey(), spadeKey);
    game.settings().setMenuBarIcon(MenuBarIconOption::heart);
    EXPECT_EQ(tray.iconName(), QStringLiteral("suit.heart.fill"));
}

TEST(Shell, TrayMenuLooksLikeTheBoardsMenuInBothAppearances)
{
    SystemAppearance& appearance = SystemAppearance::instance();
    const bool wasDark = appearance.isDark();
    InMemorySettingsStore store;
    SolitaireGame game(store, false);
    TrayController tray(MenuBarIconOption::spade);
    tray.follow(game);
    SolitaireView board(game);
    auto* boardMenu = board.findChild<QMenu*>(QStringLiteral("moreMenu"));
    ASSERT_NE(boardMenu, nullptr);
    QStringList looks;
    for (bool dark : {false, true, false}) {
        appearance.setDark(dark); // a live change: both follow it
        boardMenu->popup(QPoint(0, 0)); // the board's is styled as it opens
        boardMenu->hide();
        EXPECT_FALSE(tray.contextMenu()->styleSheet().isEmpty()) << dark;
        EXPECT_EQ(tray.contextMenu()->styleSheet(), boardMenu->styleSheet()) << dark;
        looks << tray.contextMenu()->styleSheet();
    }
    EXPECT_NE(looks[0], looks[1]);
    appearance.setDark(wasDark);
}

TEST(Shell, TrayImagesDifferPerOptionAndReadOnBothPanels)
{
    QList<QImage> images;
    for (MenuBarIconOption option : EnumCases<MenuBarIconOption>::all) {
        const QImage image = menuBarIconImage(option, false).pixmap(QSize(22, 22)).toImage();
        ASSERT_FALSE(image.isNull());
        for (const QImage& earlier : images)
            EXPECT_NE(image, earlier);
        images << image;
    }
    // The glyph has both a dark and a light part (fill and rim), so it shows
    // on any panel colour; the dark-desktop variant swaps them.
    auto extremes = [](const QImage& image) {
        int darkest = 255, lightest = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() < 200)
                    continue;
                darkest = std::min(darkest, c.lightness());
                lightest = std::max(lightest, c.lightness());
            }
        return std::pair {darkest, lightest};
    };
    const auto [dark, light] = extremes(menuBarIconImage(MenuBarIconOption::spade, false).pixmap(48, 48).toImage());
    EXPECT_LT(dark, 60);
    EXPECT_GT(light, 200);
    EXPECT_NE(menuBarIconImage(MenuBarIconOption::spade, true).pixmap(48, 48).toImage(), images.first());
}

TEST(Panel, FollowsTheContentSizeAndDiscardsItOnClose)
{
    int built = 0;
    PanelWindow panel(PanelWindow::Style::popup, [&built](QWidget* parent) {
        ++built;
        return new ResizingContent(parent);
    }, /*keepContent=*/false);
    EXPECT_EQ(panel.content(), nullptr);
    panel.open(QRect(500, 0, 24, 24), {});
    ASSERT_TRUE(panel.isOpen());
    EXPECT_EQ(panel.size(), QSize(375, 480));
    auto* content = static_cast<ResizingContent*>(panel.content());
    content->setHint(QSize(443, 560)); // the large board
    QTRY_COMPARE_WITH_TIMEOUT(panel.size(), QSize(443, 560), 5000);

    QPointer<QWidget> old = panel.content();
    panel.closePanel();
    EXPECT_FALSE(panel.isOpen());
    EXPECT_EQ(panel.content(), nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(old.isNull(), 5000);

    panel.toggle(std::nullopt, QPoint(100, 100));
    EXPECT_TRUE(panel.isOpen());
    EXPECT_EQ(built, 2);
    panel.closePanel();
}

TEST(Panel, KeptContentSurvivesClosing)
{
    int built = 0;
    PanelWindow panel(PanelWindow::Style::popup, [&built](QWidget* parent) {
        ++built;
        return new ResizingContent(parent);
    }, /*keepContent=*/true);
    panel.open(std::nullopt, QPoint(10, 10));
    QWidget* first = panel.content();
    panel.closePanel();
    EXPECT_EQ(panel.content(), first);
    panel.open(std::nullopt, QPoint(10, 10));
    EXPECT_EQ(panel.content(), first);
    EXPECT_EQ(built, 1);
    panel.closePanel();
}

TEST(Panel, OpensBelowTheIconWithinTheScreen)
{
    PanelWindow panel(PanelWindow::Style::popup, [](QWidget* parent) { return new ResizingContent(parent); }, false);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect icon(screen.right() - 10, screen.top(), 10, 10);
    panel.open(icon, {});
    EXPECT_TRUE(screen.contains(panel.geometry())) << panel.geometry().x() << "," << panel.geometry().y();
    EXPECT_GT(panel.geometry().top(), icon.bottom());
    panel.closePanel();
}

TEST(Panel, PopupIsVisibleToAssistiveTechnology)
{
    PanelWindow panel(PanelWindow::Style::popup, [](QWidget* parent) { return new ResizingContent(parent); }, false);
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    ASSERT_NE(application, nullptr);
    auto listsPanel = [&] {
        for (int i = 0; i < application->childCount(); ++i)
            if (QAccessibleInterface* child = application->child(i); child && child->object() == &panel)
                return application->indexOfChild(child) == i;
        return false;
    };
    EXPECT_FALSE(listsPanel());
    panel.open(std::nullopt, QPoint(10, 10));
    EXPECT_TRUE(listsPanel());
    panel.closePanel();
    EXPECT_FALSE(listsPanel());
}

TEST(TextScaleCap, PanelFontStaysBetweenDefaultAndSecondAccessibilitySize)
{
    QFont appFont(QStringLiteral("DejaVu Sans"));
    appFont.setPointSizeF(6);
    EXPECT_DOUBLE_EQ(DynamicTypeCapModifier::cappedFont(appFont, 0.6).pointSizeF(), 10.0);
    EXPECT_DOUBLE_EQ(DynamicTypeCapModifier::cappedFont(appFont, 1.2).pointSizeF(), 12.0);
    EXPECT_NEAR(DynamicTypeCapModifier::cappedFont(appFont, 4.0).pointSizeF(), 10.0 * 28 / 17, 1e-9);
    EXPECT_EQ(DynamicTypeCapModifier::cappedFont(appFont, 4.0).family(), appFont.family());

    // Applied to a widget, it follows the desktop's text size as it changes.
    QWidget content;
    DynamicTypeCapModifier::apply(&content);
    SystemAppearance& appearance = SystemAppearance::instance();
    const qreal before = appearance.textScale();
    appearance.setTextScale(9.0);
    EXPECT_NEAR(content.font().pointSizeF(), 10.0 * 28 / 17, 1e-9);
    appearance.setTextScale(before);
}
