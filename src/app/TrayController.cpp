#include "TrayController.h"

#include "engine/SolitaireGame.h"
#include "graphics/DrawnIcon.h"
#include "graphics/Symbols.h"
#include "text/Localization.h"
#include "platform/SystemAppearance.h"
#include "screens/ScreenStyle.h"

namespace murvane::app {

namespace {
const QColor kDarkGlyph(0x1d, 0x1d, 0x1f);
const QColor kLightGlyph(0xf5, 0xf5, 0xf7);
} // namespace

QIcon menuBarIconImage(MenuBarIconOption option, bool darkDesktop)
{
    const QColor tint = darkDesktop ? kLightGlyph : kDarkGlyph;
    QColor halo = darkDesktop ? kDarkGlyph : kLightGlyph;
    halo.setAlphaF(0.85f);
    return graphics::drawnIcon(QStringLiteral("murvane-tray-glyph"), {16, 22, 24, 32, 48, 64},
                               [name = symbolName(option), tint, halo](int side) {
                                   return graphics::symbolPixmap(name, tint, side, 1, halo);
                               });
}

TrayController::TrayController(MenuBarIconOption option, QObject* parent)
    : QObject(parent)
    , option_(option)
{
    const QString title = localizedString(QStringLiteral("Murvane Solitaire"));
    tray_.setToolTip(title);
    updateIcon();
    connect(&SystemAppearance::instance(), &SystemAppearance::changed, this, [this] {
        updateIcon();
        styleMenu();
    });
    connect(&tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // Left click, double click and middle click all open the game; the
        // context-menu click is left to the tray host.
        if (reason != QSystemTrayIcon::Context)
            Q_EMIT panelToggleRequested();
    });
}

TrayController::~TrayController() = default;

void TrayController::follow(const SolitaireGame& game)
{
    // The commands act on the game, so the menu comes with it, after the
    // icon has gone up.
    buildMenu();
    connect(&game.settings(), &GameSettings::menuBarIconChanged, this, [this, &game] { showOption(game.settings().menuBarIcon()); });
    showOption(game.settings().menuBarIcon());
}

void TrayController::buildMenu()
{
    menu_ = std::make_unique<QMenu>();
    auto add = [this](const QString& text, const char* name, void (TrayController::*signal)()) {
        QAction* action = menu_->addAction(text);
        action->setObjectName(QLatin1String(name));
        // Queued: the menu closes before the panel or a dialog opens.
        connect(action, &QAction::triggered, this, signal, Qt::QueuedConnection);
    };
    add(localizedString(QStringLiteral("Open Murvane Solitaire")), "trayOpen", &TrayController::openRequested);
    menu_->addSeparator();
    add(localizedString(QStringLiteral("New Deal")), "trayNewDeal", &TrayController::newDealRequested);
    add(localizedString(QStringLiteral("Preferences…")), "trayPreferences", &TrayController::preferencesRequested);
    menu_->addSeparator();
    add(localizedString(QStringLiteral("Quit Murvane Solitaire")), "trayQuit", &TrayController::quitRequested);
    styleMenu();
    tray_.setContextMenu(menu_.get());
}

void TrayController::styleMenu()
{
    // Where the tray host shows Qt's own menu (XEmbed), it looks like the
    // board's menu; a StatusNotifierItem host draws its own from the actions.
    if (!menu_)
        return;
    screens::stylePopupMenu(menu_.get(), 1.0, screens::currentAppearance());
}

void TrayController::showOption(MenuBarIconOption option)
{
    if (option == option_)
        return;
    option_ = option;
    updateIcon();
}

void TrayController::show()
{
    tray_.show();
    unplacedGeometry_ = tray_.geometry();
    Q_EMIT shown();
}

bool TrayController::isPlaced() const
{
    const std::optional<QRect> rect = iconGeometry();
    return rect && *rect != unplacedGeometry_;
}

std::optional<QRect> TrayController::iconGeometry() const
{
    const QRect rect = tray_.geometry();
    if (rect.isEmpty())
        return std::nullopt;
    return rect;
}

void TrayController::updateIcon()
{
    tray_.setIcon(menuBarIconImage(option_, SystemAppearance::instance().isDark()));
}

} // namespace murvane::app
