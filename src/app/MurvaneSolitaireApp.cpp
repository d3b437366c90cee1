#include "MurvaneSolitaireApp.h"

#include "DynamicTypeCapModifier.h"
#include "PlatformChoice.h"
#include "TrayController.h"
#include "TrayHostWatch.h"
#include "WelcomeWindowController.h"
#include "engine/MemoryRelease.h"
#include "engine/SolitaireGame.h"
#include "engine/StoredSettings.h"
#include "persistence/QSettingsStore.h"
#include "persistence/SettingsStore.h"

#include <QApplication>
#include <QCursor>
#include <QTimer>

#include "board/SolitaireView.h"

#include <exception>

namespace murvane::app {

namespace {

QWidget* makeBoard(SolitaireGame& game, QWidget* parent)
{
    auto* view = new SolitaireView(game, parent);
    // Queued: the menu that asked must finish closing before the loop ends.
    QObject::connect(view, &SolitaireView::quitRequested, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    return view;
}

} // namespace

MurvaneSolitaireApp::MurvaneSolitaireApp()
    : MurvaneSolitaireApp(Options {})
{
}

MurvaneSolitaireApp::MurvaneSolitaireApp(Options options)
    : options_(std::move(options))
    , guard_(options_.instanceKey)
{
    connect(&guard_, &SingleInstanceGuard::activationRequested, this, &MurvaneSolitaireApp::showPanel);
}

MurvaneSolitaireApp::~MurvaneSolitaireApp()
{
    // Views go before the game, the game before the store it writes to.
    panel_.reset();
    tray_.reset();
    writePendingSave();
    game_.reset();
    store_.reset();
}

std::unique_ptr<SettingsStore> MurvaneSolitaireApp::openUserStore()
{
    try {
        auto store = std::make_unique<QSettingsStore>();
        // An existing file we may not read must not be overwritten with
        // defaults; play on from memory and leave it alone.
        if (store->status() != QSettings::AccessError)
            return store;
    } catch (const std::exception&) {
    }
    return std::make_unique<InMemorySettingsStore>();
}

MurvaneSolitaireApp::StartResult MurvaneSolitaireApp::start()
{
    if (game_)
        return StartResult::running;
    if (guard_.claim() == SingleInstanceGuard::Role::secondary)
        return StartResult::handedOver;

    if (options_.openStore)
        store_ = options_.openStore();
    if (!store_)
        store_ = openUserStore();

    // The icon goes up first, from the stored setting, and the tray host
    // embeds it while the game below restores or deals. Nothing the icon asks
    // for can run before the game exists: requests arrive through the event
    // loop, which starts after this function.
    if (!options_.useTray)
        trayHost_ = options_.trayHostWatch ? options_.trayHostWatch() : makeDesktopTrayHostWatch();
    if (options_.useTray.value_or(trayHost_ && trayHost_->hostPresent())) {
        // From here on Qt follows the host, should it go and come back.
        trayHost_.reset();
        createTray(readSetting(*store_, stored::menuBarIcon));
        // Sends the icon to the tray host now rather than when the loop
        // starts; no input, connection or other socket is served here.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
    }

    game_ = std::make_unique<SolitaireGame>(*store_, /*verifyDeals=*/true);
    // A quit in the same turn as a move would otherwise drop its save.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MurvaneSolitaireApp::writePendingSave);
    scheduleWelcomeCheck();

    if (tray_) {
        tray_->follow(*game_);
        createPanel(trayPanelStyle());
    } else {
        // No tray to live in: the game is an ordinary window, and closing it
        // ends the program, as the last window of any application does;
        // unless a tray host comes up meanwhile (adoptLateTray).
        createPanel(PanelWindow::Style::window);
        quitWithWindow_ = connect(panel_.get(), &PanelWindow::closed, qApp, &QCoreApplication::quit,
                                  Qt::QueuedConnection);
        showPanel();
        if (trayHost_)
            connect(trayHost_.get(), &TrayHostWatch::hostAppeared, this, &MurvaneSolitaireApp::adoptLateTray);
    }
    return StartResult::running;
}

void MurvaneSolitaireApp::createTray(MenuBarIconOption option)
{
    // Closing the panel must not end a program that lives in the tray.
    QApplication::setQuitOnLastWindowClosed(false);
    tray_ = std::make_unique<TrayController>(option);
    connect(tray_.get(), &TrayController::panelToggleRequested, this, &MurvaneSolitaireApp::togglePanel);
    connect(tray_.get(), &TrayController::openRequested, this, &MurvaneSolitaireApp::showPanel);
    connect(tray_.get(), &TrayController::newDealRequested, this, &MurvaneSolitaireApp::newDealFromTray);
    connect(tray_.get(), &TrayController::preferencesRequested, this, &MurvaneSolitaireApp::preferencesFromTray);
    connect(tray_.get(), &TrayController::quitRequested, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    tray_->show();
}

void MurvaneSolitaireApp::adoptLateTray()
{
    if (tray_ || !game_)
        return;
    // Once the icon is up, a host that goes and comes back is Qt's to follow.
    // Deferred: the watch is reporting right now.
    trayHost_.release()->deleteLater();
    createTray(game_->settings().menuBarIcon());
    tray_->follow(*game_);
    disconnect(quitWithWindow_);
    auto moveIntoTray = [this] {
        // Deferred: the window may be reporting its own close right now.
        if (panel_)
            panel_.release()->deleteLater();
        createPanel(trayPanelStyle());
    };
    if (panel_ && panel_->isOpen())
        connect(panel_.get(), &PanelWindow::closed, this, moveIntoTray, Qt::SingleShotConnection);
    else
        moveIntoTray();
}

void MurvaneSolitaireApp::createPanel(PanelWindow::Style style)
{
    PanelWindow::ContentFactory content = options_.panelContent;
    if (!content)
        content = [this](QWidget* parent) { return makeBoard(*game_, parent); };
    auto capped = [content](QWidget* parent) {
        QWidget* widget = content(parent);
        DynamicTypeCapModifier::apply(widget);
        return widget;
    };
    const bool keep = options_.keepPanelContent || style == PanelWindow::Style::window;
    panel_ = std::make_unique<PanelWindow>(style, capped, keep);
    connect(panel_.get(), &PanelWindow::closed, this, &MurvaneSolitaireApp::releaseMemorySoon);
    // Escape closes what is on top of the board before the panel itself.
    panel_->setDismissLayer([](QWidget* content) {
        auto* board = qobject_cast<SolitaireView*>(content);
        return board && board->dismissTopmostLayer();
    });
}

void MurvaneSolitaireApp::showPanel()
{
    if (!panel_)
        return;
    panel_->open(tray_ ? tray_->iconGeometry() : std::nullopt, QCursor::pos());
}

void MurvaneSolitaireApp::togglePanel()
{
    if (!panel_)
        return;
    panel_->toggle(tray_ ? tray_->iconGeometry() : std::nullopt, QCursor::pos());
}

void MurvaneSolitaireApp::scheduleWelcomeCheck()
{
    // Runs after start-up has returned, on the main thread, once per launch.
    // The welcome window's wording and a panel opened at launch both depend on
    // where the icon sits, so they wait until the tray host has placed it.
    // Some hosts never report a place; those get the general wording after a
    // moment.
    if (!tray_ || tray_->isPlaced()) {
        QTimer::singleShot(0, this, &MurvaneSolitaireApp::runWelcomeCheck);
        return;
    }
    constexpr int kPollMs = 20;
    constexpr int kWaitMs = 400;
    auto* poll = new QTimer(this);
    poll->setInterval(kPollMs);
    connect(poll, &QTimer::timeout, this, [this, poll, waited = 0]() mutable {
        waited += kPollMs;
        if (tray_ && !tray_->isPlaced() && waited < kWaitMs)
            return;
        poll->deleteLater();
        runWelcomeCheck();
    });
    poll->start();
}

void MurvaneSolitaireApp::runWelcomeCheck()
{
    ShowWelcomeWindow show = options_.showWelcomeWindow;
    if (!show) {
        const TrayPlace place = tray_ ? trayPlaceFor(tray_->iconGeometry()) : TrayPlace::noTray;
        show = [place](const QString& iconName) { WelcomeWindowController::shared().show(iconName, place); };
    }
    const bool greeted = performWelcomeCheck(*game_, show);
    if (greeted && !options_.showWelcomeWindow)
        connect(&WelcomeWindowController::shared(), &WelcomeWindowController::windowClosed, this,
                &MurvaneSolitaireApp::releaseMemorySoon, Qt::SingleShotConnection);
    if (options_.openPanelAtStart) {
        // A popup panel would close as the welcome window takes focus, so it
        // waits for the welcome window to go.
        WelcomeWindowController& welcome = WelcomeWindowController::shared();
        if (greeted && tray_ && welcome.window())
            connect(&welcome, &WelcomeWindowController::windowClosed, this, &MurvaneSolitaireApp::showPanel,
                    Qt::SingleShotConnection);
        else
            showPanel();
    }
    Q_EMIT welcomeCheckDone(greeted);
}

void MurvaneSolitaireApp::releaseMemorySoon()
{
    if (!memoryRelease_) {
        constexpr int kReleaseAfterMs = 1000;
        memoryRelease_ = new QTimer(this);
        memoryRelease_->setSingleShot(true);
        memoryRelease_->setInterval(kReleaseAfterMs);
        connect(memoryRelease_, &QTimer::timeout, this, [] { returnFreedMemory(); });
    }
    memoryRelease_->start();
}

SolitaireView* MurvaneSolitaireApp::board() const
{
    return panel_ ? qobject_cast<SolitaireView*>(panel_->content()) : nullptr;
}

void MurvaneSolitaireApp::newDealFromTray()
{
    showPanel();
    if (SolitaireView* view = board()) {
        // The user asked from outside the panel: a screen left open there
        // gives way, then the deal goes exactly as the header's button.
        if (game_->isShowingScreen())
            view->dismissScreen();
        view->requestNewDeal();
    }
}

void MurvaneSolitaireApp::preferencesFromTray()
{
    showPanel();
    if (SolitaireView* view = board())
        view->presentScreen(ModalScreen::preferences);
}

void MurvaneSolitaireApp::writePendingSave()
{
    if (game_)
        game_->saveNowIfScheduled();
}

} // namespace murvane::app
