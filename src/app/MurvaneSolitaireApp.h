#pragma once
// The application: one running instance per user, the one game for the whole
// run on the user's settings store, the tray item and its panel (or an
// ordinary window where the desktop has no tray), and the first-run welcome
// check queued after start-up.

#include "PanelWindow.h"
#include "SingleInstanceGuard.h"
#include "WelcomeCheck.h"
#include "cards/Settings.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QTimer;

namespace murvane {
class SolitaireView;
class SettingsStore;
class SolitaireGame;
}

namespace murvane::app {

class TrayController;
class TrayHostWatch;

class MurvaneSolitaireApp : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString instanceKey = SingleInstanceGuard::defaultKey();
        // Opens the settings store; by default the user's durable store,
        // falling back to one in memory when it cannot be opened.
        std::function<std::unique_ptr<SettingsStore>()> openStore;
        // Whether to use the tray; by default asks the desktop.
        std::optional<bool> useTray;
        // Where "the desktop" is asked when `useTray` is unset, and told
        // about a tray host that comes up later; by default its own hosts.
        std::function<std::unique_ptr<TrayHostWatch>()> trayHostWatch;
        // Builds the panel's content; by default the game board.
        PanelWindow::ContentFactory panelContent;
        // Keep the board alive while the panel is closed instead of building
        // it on every open.
        bool keepPanelContent = false;
        // Shows the first-run welcome window; by default the shared welcome
        // window controller does.
        ShowWelcomeWindow showWelcomeWindow;
        // Open the panel once start-up is done (after the welcome window, when
        // one is shown on this launch).
        bool openPanelAtStart = false;
    };

    enum class StartResult {
        running,   // this process is the game; enter the event loop
        handedOver // another instance is running and was asked to show itself
    };

    MurvaneSolitaireApp();
    explicit MurvaneSolitaireApp(Options options);
    ~MurvaneSolitaireApp() override;

    // Claims the instance slot (before anything touches the store), then
    // creates the game, the tray item or fallback window, and queues the
    // welcome check. Needs a QApplication.
    StartResult start();

    // Valid after start() returned `running`.
    SolitaireGame& game() const { return *game_; }
    SettingsStore& store() const { return *store_; }
    bool usesTray() const { return tray_ != nullptr; }
    TrayController* tray() const { return tray_.get(); }
    PanelWindow* panel() const { return panel_.get(); }

    // Opens the panel (used by the tray click's toggle and by a second launch).
    void showPanel();
    void togglePanel();
    // The tray menu's commands, each the panel's own: New Deal asks first
    // exactly when the panel's button would, Preferences opens the screen.
    void newDealFromTray();
    void preferencesFromTray();

    // The user's durable store, or an in-memory one when it cannot be read.
    static std::unique_ptr<SettingsStore> openUserStore();

Q_SIGNALS:
    // The queued welcome check has run.
    void welcomeCheckDone(bool greeted);

private:
    void createTray(MenuBarIconOption option);
    // A tray host came up while the game was an ordinary window: the icon
    // goes up now, the window stays until the player closes it, and from
    // then on the game lives in the tray.
    void adoptLateTray();
    void createPanel(PanelWindow::Style style);
    void scheduleWelcomeCheck();
    void runWelcomeCheck();
    SolitaireView* board() const;
    void writePendingSave();
    // Once a window has closed and its widgets are gone, the memory they
    // freed goes back to the system (after a moment, so a quick reopen or
    // the close's own clean-up does not run into it).
    void releaseMemorySoon();

    Options options_;
    SingleInstanceGuard guard_;
    // Declared before the game: the game writes to the store until it dies.
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<SolitaireGame> game_;
    std::unique_ptr<TrayHostWatch> trayHost_;
    std::unique_ptr<TrayController> tray_;
    std::unique_ptr<PanelWindow> panel_;
    QMetaObject::Connection quitWithWindow_;
    QTimer* memoryRelease_ = nullptr;
};

} // namespace murvane::app
