// The first-run welcome window, the tray menu's commands and the command
// line, offscreen.
#include "app/CommandLine.h"
#include "app/MurvaneSolitaireApp.h"
#include "app/PanelWindow.h"
#include "app/TrayController.h"
#include "app/WelcomeWindowController.h"
#include "board/SolitaireView.h"
#include "engine/SolitaireGame.h"
#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"
#include "text/Localization.h"
#include "screens/GlassButton.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace murvane;
using namespace murvane::app;

namespace {

QWidgetList welcomeWindows()
{
    QWidgetList found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("welcomeWindow") && w->isVisible())
            found << w;
    return found;
}

// Closes whatever welcome window a test left behind.
struct WelcomeCleanup {
    ~WelcomeCleanup()
    {
        WelcomeWindowController::shared().dismiss();
        QTRY_VERIFY_WITH_TIMEOUT(welcomeWindows().isEmpty(), 2000);
    }
};

// Records whether the welcome had been stored by the time a window showed.
struct ShowWatcher : QObject {
    InMemorySettingsStore* store = nullptr;
    QList<bool> storedAtShow;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("welcomeWindow"))
            storedAtShow << store->boolForKey(keys::hasSeenWelcome);
        return false;
    }
};

MurvaneSolitaireApp::Options optionsWith(InMemorySettingsStore*& view, bool seen,
                                         const QString& icon = QString())
{
    static int counter = 0;
    MurvaneSolitaireApp::Options options;
    options.instanceKey = QStringLiteral("murvane-welcome-%1-%2").arg(::getpid()).arg(++counter);
    auto store = std::make_shared<std::unique_ptr<InMemorySettingsStore>>(std::make_unique<InMemorySettingsStore>());
    view = store->get();
    if (seen)
        view->setBool(keys::hasSeenWelcome, true);
    if (!icon.isEmpty())
        view->setString(keys::menuBarIcon, icon);
    options.openStore = [store] { return std::unique_ptr<SettingsStore>(std::move(*store)); };
    options.panelContent = [](QWidget* parent) { return new QWidget(parent); };
    return options;
}

} // namespace

TEST(Welcome, FirstRunStoresTheSettingThenShowsOneWindowAndLaterRunsShowNone)
{
    WelcomeCleanup cleanup;
    InMemorySettingsStore* store = nullptr;
    ShowWatcher watcher;
    qApp->installEventFilter(&watcher);
    {
        MurvaneSolitaireApp first(optionsWith(store, false));
        watcher.store = store;
        QSignalSpy done(&first, &MurvaneSolitaireApp::welcomeCheckDone);
        ASSERT_EQ(first.start(), MurvaneSolitaireApp::StartResult::running);
        ASSERT_TRUE(done.wait(5000));
        ASSERT_EQ(welcomeWindows().size(), 1);
        EXPECT_EQ(watcher.storedAtShow, QList<bool> {true});

        // A second request while it is open opens nothing new.
        WelcomeWindowController::shared().show(QStringLiteral("suit.heart.fill"), TrayPlace::top);
        EXPECT_EQ(welcomeWindows().size(), 1);
        EXPECT_EQ(WelcomeWindowController::shared().view()->iconName(), QStringLiteral("suit.spade.fill"));
    }
    WelcomeWindowController::shared().dismiss();
    QTRY_VERIFY_WITH_TIMEOUT(welcomeWindows().isEmpty(), 2000);

    MurvaneSolitaireApp later(optionsWith(store, true));
    watcher.store = store;
    QSignalSpy done(&later, &MurvaneSolitaireApp::welcomeCheckDone);
    ASSERT_EQ(later.start(), MurvaneSolitaireApp::StartResult::running);
    ASSERT_TRUE(done.wait(5000));
    EXPECT_FALSE(done.first().first().toBool());
    EXPECT_TRUE(welcomeWindows().isEmpty());
    EXPECT_EQ(watcher.storedAtShow.size(), 1);
    qApp->removeEventFilter(&watcher);
}

TEST(Welcome, PictureShowsTheTrayIconChosenAtLaunch)
{
    for (const auto& [stored, symbol] : {std::pair {"♥", "suit.heart.fill"},
                                         std::pair {"Card Fan", "rectangle.portrait.on.rectangle.portrait.angled.fill"}}) {
        WelcomeCleanup cleanup;
        InMemorySettingsStore* store = nullptr;
        MurvaneSolitaireApp app(optionsWith(store, false, QString::fromUtf8(stored)));
        QSignalSpy done(&app, &MurvaneSolitaireApp::welcomeCheckDone);
        ASSERT_EQ(app.start(), MurvaneSolitaireApp::StartResult::running);
        ASSERT_TRUE(done.wait(5000));
        WelcomeView* view = WelcomeWindowController::shared().view();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->picture()->iconName(), QLatin1String(symbol));
    }
}

TEST(Welcome, EveryWayOfClosingEndsTheWindow)
{
    using Close = std::function<void(QWidget* window, WelcomeView* view)>;
    const std::pair<const char*, Close> ways[] = {
        {"Return", [](QWidget* w, WelcomeView*) { QTest::keyClick(w, Qt::Key_Return); }},
        {"Enter", [](QWidget* w, WelcomeView*) { QTest::keyClick(w, Qt::Key_Enter); }},
        {"Escape", [](QWidget* w, WelcomeView*) { QTest::keyClick(w, Qt::Key_Escape); }},
        {"Got it", [](QWidget*, WelcomeView* v) { QTest::mouseClick(v->gotItButton(), Qt::LeftButton); }},
        {"window manager", [](QWidget* w, WelcomeView*) { w->close(); }},
    };
    WelcomeWindowController& controller = WelcomeWindowController::shared();
    for (const auto& [name, close] : ways) {
        controller.show(QStringLiteral("suit.spade.fill"), TrayPlace::noTray);
        QPointer<QWidget> window = controller.window();
        ASSERT_TRUE(window) << name;
        window->activateWindow();
        QApplication::setActiveWindow(window);
        QSignalSpy closed(&controller, &WelcomeWindowController::windowClosed);
        close(window, controller.view());
        EXPECT_EQ(closed.count(), 1) << name;
        EXPECT_EQ(controller.window(), nullptr) << name;
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 2000);
    }
}

TEST(Welcome, WindowIsTitledFixedAndCentred)
{
    WelcomeCleanup cleanup;
    // The application's icon, not a copy of its own that outlives the window.
    QPixmap mark(16, 16);
    mark.fill(Qt::red);
    const QIcon appIcon = QApplication::windowIcon();
    QApplication::setWindowIcon(QIcon(mark));
    WelcomeWindowController& controller = WelcomeWindowController::shared();
    controller.show(QStringLiteral("suit.spade.fill"), TrayPlace::noTray);
    QWidget* window = controller.window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Welcome"));
    EXPECT_EQ(window->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QApplication::setWindowIcon(appIcon);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const qreal s = controller.view()->systemScale();
    EXPECT_EQ(window->width(), qRound(400 * s));
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((window->frameGeometry().center() - centre).manhattanLength(), 4)
        << window->geometry().x() << "," << window->geometry().y() << " " << window->width() << "x"
        << window->height() << " centre " << centre.x() << "," << centre.y();
    // Without a tray the text says the game is a window.
    auto* text = window->findChild<QLabel*>(QStringLiteral("welcomeMenuBarText"));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->text().contains(QStringLiteral("opens as a window")));
    auto* picture = window->findChild<QWidget*>(QStringLiteral("welcomeIconHint"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->accessibleName(), QStringLiteral("The game's icon, highlighted in the system tray"));
}

TEST(Welcome, ClockUsesTheLocaleAndStandsStill)
{
    const QLocale before;
    const struct {
        QLocale::Language language;
        QLocale::Territory territory;
        const char* expected;
    } cases[] = {
        {QLocale::English, QLocale::UnitedStates, "9:41 PM"},
        {QLocale::German, QLocale::Germany, "21:41"},
        {QLocale::C, QLocale::AnyTerritory, "21:41"},
    };
    for (const auto& c : cases) {
        QLocale::setDefault(QLocale(c.language, c.territory));
        WelcomePanelPicture picture(QStringLiteral("suit.spade.fill"), 1, QTime(21, 41, 7));
        EXPECT_EQ(picture.clockText(), QString::fromUtf8(c.expected));
    }
    QLocale::setDefault(before);
}

TEST(Welcome, TrayPlaceFollowsTheIconsEdge)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(trayPlaceFor(std::nullopt), TrayPlace::panel);
    EXPECT_EQ(trayPlaceFor(QRect(screen.right() - 30, screen.top(), 24, 24)), TrayPlace::top);
    EXPECT_EQ(trayPlaceFor(QRect(screen.right() - 30, screen.bottom() - 24, 24, 24)), TrayPlace::bottom);
    EXPECT_EQ(trayPlaceFor(QRect(screen.left(), screen.center().y(), 24, 24)), TrayPlace::panel);
}

TEST(TrayMenu, OffersOpenFirstAndRunsThePanelsCommands)
{
    InMemorySettingsStore* store = nullptr;
    MurvaneSolitaireApp::Options options = optionsWith(store, true);
    options.useTray = true;
    options.panelContent = {}; // the real board
    MurvaneSolitaireApp app(options);
    ASSERT_EQ(app.start(), MurvaneSolitaireApp::StartResult::running);
    QMenu* menu = app.tray()->contextMenu();
    QStringList texts;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text();
    EXPECT_EQ(texts, (QStringList {QStringLiteral("Open Murvane Solitaire"), QStringLiteral("New Deal"),
                                   QStringLiteral("Preferences…"), QStringLiteral("Quit Murvane Solitaire")}));
    EXPECT_EQ(app.tray()->trayIcon().contextMenu(), menu);

    auto trigger = [&](const char* name) {
        for (QAction* action : menu->actions())
            if (action->objectName() == QLatin1String(name))
                action->trigger();
        QApplication::processEvents(); // the commands are queued
    };
    trigger("trayOpen");
    ASSERT_TRUE(app.panel()->isOpen());
    auto* view = qobject_cast<SolitaireView*>(app.panel()->content());
    ASSERT_NE(view, nullptr);

    // A fresh deal is replaced at once; a started one asks first.
    const auto firstDeal = app.game().play().tableau();
    trigger("trayNewDeal");
    EXPECT_FALSE(view->isConfirmingNewDeal());
    EXPECT_NE(app.game().play().tableau(), firstDeal);
    view->board().drawFromStock();
    ASSERT_TRUE(app.game().session().newDealBreaksStreak());
    const auto startedDeal = app.game().play().tableau();
    trigger("trayNewDeal");
    EXPECT_TRUE(view->isConfirmingNewDeal());
    EXPECT_EQ(app.game().play().tableau(), startedDeal);
    view->cancelNewDeal();

    trigger("trayPreferences");
    EXPECT_TRUE(app.game().isShowingScreen());
    EXPECT_EQ(view->presentedScreen(), ModalScreen::preferences);

    // Checked through the signal the action is bound to; really quitting
    // would end the test's own event loop.
    QSignalSpy quitRequested(app.tray(), &TrayController::quitRequested);
    QObject::disconnect(app.tray(), &TrayController::quitRequested, qApp, nullptr);
    trigger("trayQuit");
    EXPECT_EQ(quitRequested.count(), 1);
    app.panel()->closePanel();
}

TEST(CommandLine, AnswersHelpVersionOpenAndRefusesTheRest)
{
    using Outcome = CommandLine::Outcome;
    const struct {
        QStringList args;
        Outcome outcome;
        int exitCode;
        bool openPanel;
        const char* says;
    } cases[] = {
        {{}, Outcome::run, 0, false, ""},
        {{"--open"}, Outcome::run, 0, true, ""},
        {{"-platform", "offscreen", "--open"}, Outcome::run, 0, true, ""},
        {{"--help"}, Outcome::exit, 0, false, "--open"},
        {{"-h"}, Outcome::exit, 0, false, "--version"},
        {{"--version"}, Outcome::exit, 0, false, "Murvane Solitaire " MURVANE_VERSION "\n"},
        {{"--bogus"}, Outcome::exit, 2, false, "Usage: murvane-solitaire"},
        {{"stray"}, Outcome::exit, 2, false, "Usage: murvane-solitaire"},
        {{"-platform"}, Outcome::exit, 2, false, "Usage: murvane-solitaire"},
    };
    for (const auto& c : cases) {
        const CommandLine line = parseCommandLine(QStringList {QStringLiteral("/usr/games/murvane-solitaire")} + c.args);
        const QString label = c.args.join(QLatin1Char(' '));
        EXPECT_EQ(line.outcome, c.outcome) << qPrintable(label);
        EXPECT_EQ(line.exitCode, c.exitCode) << qPrintable(label);
        EXPECT_EQ(line.openPanel, c.openPanel) << qPrintable(label);
        EXPECT_EQ(line.toStandardError, c.exitCode != 0) << qPrintable(label);
        EXPECT_TRUE(line.output.contains(QString::fromUtf8(c.says))) << qPrintable(label + ": " + line.output);
    }
}

TEST(CommandLine, RefusalsShareOneWordingAndEverythingIsTranslated)
{
    struct RestoreLanguage {
        ~RestoreLanguage() { setApplicationLanguage(QStringLiteral("en")); }
    } restore;
    auto answer = [](const QStringList& args) {
        return parseCommandLine(QStringList {QStringLiteral("/usr/games/murvane-solitaire")} + args).output;
    };
    auto firstLine = [&](const QStringList& args) { return answer(args).section(QLatin1Char('\n'), 0, 0); };
    const struct {
        const char* language;
        const char* unrecognized; // with "%1" for what was typed
        const char* needsValue;
        const char* helpLine;
    } cases[] = {
        {"en", "murvane-solitaire: unrecognized argument '%1'", "murvane-solitaire: option '-platform' needs a value",
         "Show this help and exit."},
        {"fr", "murvane-solitaire: argument non reconnu «\u00a0%1\u00a0»",
         "murvane-solitaire: l’option «\u00a0-platform\u00a0» attend une valeur", "Affiche cette aide et quitte."},
        {"de", "murvane-solitaire: unbekanntes Argument „%1“", "murvane-solitaire: Option „-platform“ braucht einen Wert",
         "Zeigt diese Hilfe an und beendet."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        setApplicationLanguage(QString::fromLatin1(c.language));
        const QString unrecognized = QString::fromUtf8(c.unrecognized);
        // An unknown option, with or without a value, and a stray word read alike.
        EXPECT_EQ(firstLine({QStringLiteral("--bogus")}), unrecognized.arg(QStringLiteral("--bogus")));
        EXPECT_EQ(firstLine({QStringLiteral("--bogus=1")}), unrecognized.arg(QStringLiteral("--bogus")));
        EXPECT_EQ(firstLine({QStringLiteral("-x")}), unrecognized.arg(QStringLiteral("-x")));
        EXPECT_EQ(firstLine({QStringLiteral("stray")}), unrecognized.arg(QStringLiteral("stray")));
        EXPECT_EQ(firstLine({QStringLiteral("-platform")}), QString::fromUtf8(c.needsValue));
        EXPECT_TRUE(answer({QStringLiteral("--help")}).contains(QString::fromUtf8(c.helpLine)));
    }
}

TEST(OpenAtStart, PanelOpensAtOnceOrAfterTheWelcomeWindow)
{
    for (bool seen : {true, false}) {
        WelcomeCleanup cleanup;
        InMemorySettingsStore* store = nullptr;
        MurvaneSolitaireApp::Options options = optionsWith(store, seen);
        options.useTray = true;
        options.openPanelAtStart = true;
        MurvaneSolitaireApp app(options);
        QSignalSpy done(&app, &MurvaneSolitaireApp::welcomeCheckDone);
        ASSERT_EQ(app.start(), MurvaneSolitaireApp::StartResult::running);
        ASSERT_TRUE(done.wait(5000));
        // A popup opened now would only close again as the welcome window
        // takes the focus.
        EXPECT_EQ(app.panel()->isOpen(), seen) << seen;
        WelcomeWindowController::shared().dismiss();
        EXPECT_TRUE(app.panel()->isOpen()) << seen;
        app.panel()->closePanel();
    }
}
