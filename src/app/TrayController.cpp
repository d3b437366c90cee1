#include "TrayController.h"

#include "engine/SolitaireGame.h"
#include "graphics/Symbols.h"
#include "platform/Localization.h"
#include "platform/SystemAppearance.h"

namespace murvane::app {

namespace {
// Sizes tray hosts commonly request, in logical pixels.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64};
const QColor kDarkGlyph(0x1d, 0x1d, 0x1f);
const QColor kLightGlyph(0xf5, 0xf5, 0xf7);
} // namespace

QIcon menuBarIconImage(MenuBarIconOption option, bool darkDesktop)
{
    const QString name = symbolName(option);
    const QColor tint = darkDesktop ? kLightGlyph : kDarkGlyph;
    QColor halo = darkDesktop ? kDarkGlyph : kLightGlyph;
    halo.setAlphaF(0.85f);
    QIcon icon;
    for (int size : kIconSizes) {
        icon.addPixmap(graphics::symbolPixmap(name, tint, size, 1, halo));
        icon.addPixmap(graphics::symbolPixmap(name, tint, size, 2, halo));
    }
    return icon;
}

TrayController::TrayController(MenuBarIconOption option, QObject* parent)
    : QObject(parent)
    , option_(option)
{
    const QString title = localizedString(QStringLiteral("Murvane Solitaire"));
    tray_.setToolTip(title);
    auto add = [this](const QString& text, const char* name, void (TrayController::*signal)()) {
        QAction* action = menu_.addAction(text);
        action->setObjectName(QLatin1String(name));
        // Queued: the menu closes before the panel or a dialog opens.
        connect(action, &QAction::triggered, this, signal, Qt::QueuedConnection);
    };
    add(localizedString(QStringLiteral("Open Murvane Solitaire")), "trayOpen", &TrayController::openRequested);
    menu_.addSeparator();
    add(localizedString(QStringLiteral("New Deal")), "trayNewDeal", &TrayController::newDealRequested);
    add(localizedString(QStringLiteral("Preferences…")), "trayPreferences", &TrayController::preferencesRequested);
    menu_.addSeparator();
    add(localizedString(QStringLiteral("Quit Murvane Solitaire")), "trayQuit", &TrayController::quitRequested);
    tray_.setContextMenu(&menu_);
    updateIcon();
    connect(&SystemAppearance::instance(), &SystemAppearance::changed, this, &TrayController::updateIcon);
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
    connect(&game, &SolitaireGame::menuBarIconChanged, this, [this, &game] {
        option_ = game.menuBarIcon();
        updateIcon();
    });
    if (option_ != game.menuBarIcon()) {
        option_ = game.menuBarIcon();
        updateIcon();
    }
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
    iconName_ = symbolName(option_);
    tray_.setIcon(menuBarIconImage(option_, SystemAppearance::instance().isDark()));
}

} // namespace murvane::app
