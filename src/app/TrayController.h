#pragma once
// The tray item: the symbol of the game's menu-bar icon setting, kept in step
// with it, readable on light and dark panels. A click asks for the panel; the
// context menu offers the panel's main commands, "Open" first, because some
// trays show this menu on a left click as well.

#include "cards/Settings.h"

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QRect>
#include <QSystemTrayIcon>

#include <memory>
#include <optional>

namespace murvane {
class SolitaireGame;
}

namespace murvane::app {

// The tray image for an option: the filled symbol in `tint` with a thin rim
// in `halo`, at the sizes tray hosts ask for. A dark desktop gets a light
// glyph with a dark rim, a light one the reverse, so the glyph stands out
// whatever the panel behind it looks like.
QIcon menuBarIconImage(MenuBarIconOption option, bool darkDesktop);

class TrayController : public QObject {
    Q_OBJECT
public:
    // Creates the tray icon (not yet shown) with the stored symbol, so it can
    // go up before the game has dealt.
    explicit TrayController(MenuBarIconOption option, QObject* parent = nullptr);
    ~TrayController() override;

    void show();
    // Keeps the symbol in step with the game's setting from now on and
    // offers the context menu; `game` must outlive this controller. Called
    // once.
    void follow(const SolitaireGame& game);
    bool isVisible() const { return tray_.isVisible(); }
    const QSystemTrayIcon& trayIcon() const { return tray_; }
    // The symbol name currently shown, for tests and the welcome window.
    QString iconName() const { return symbolName(option_); }
    // The icon's rectangle on screen, when the tray reports one.
    std::optional<QRect> iconGeometry() const;
    // Whether the tray host has put the shown icon in its place. Until then
    // an embedded icon reports the rectangle it had before embedding.
    bool isPlaced() const;
    // The context menu: Open, New Deal, Preferences…, Quit; there once the
    // controller follows a game.
    QMenu* contextMenu() { return menu_.get(); }

Q_SIGNALS:
    // The user clicked the icon.
    void panelToggleRequested();
    // The context menu's commands.
    void openRequested();
    void newDealRequested();
    void preferencesRequested();
    void quitRequested();
    // The icon became visible in the tray.
    void shown();

private:
    void buildMenu();
    void styleMenu();
    void showOption(MenuBarIconOption option);
    void updateIcon();

    MenuBarIconOption option_;
    QRect unplacedGeometry_;
    // The menu outlives the icon that shows it.
    std::unique_ptr<QMenu> menu_;
    QSystemTrayIcon tray_;
};

} // namespace murvane::app
