#include "TrayController.h"

#include "engine/SolitaireGame.h"
#include "graphics/Symbols.h"
#include "text/Localization.h"
#include "platform/SystemAppearance.h"
#include "screens/ScreenStyle.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>

#include <algorithm>

namespace murvane::app {

namespace {
// Sizes tray hosts commonly request, in logical pixels.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64};
const QColor kDarkGlyph(0x1d, 0x1d, 0x1f);
const QColor kLightGlyph(0xf5, 0xf5, 0xf7);

// Draws the glyph at the size the tray host asks for, when it asks: the icon
// goes up at launch, and drawing every size in advance would hold it back.
class TrayGlyphEngine final : public QIconEngine {
public:
    TrayGlyphEngine(QString name, QColor tint, QColor halo)
        : name_(std::move(name))
        , tint_(tint)
        , halo_(halo)
    {
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::max(1, std::min(size.width(), size.height()));
        auto cached = drawn_.constFind(side);
        if (cached == drawn_.constEnd())
            cached = drawn_.insert(side, graphics::symbolPixmap(name_, tint_, side, 1, halo_));
        return *cached;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : kIconSizes)
            sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine* clone() const override { return new TrayGlyphEngine(*this); }
    QString key() const override { return QStringLiteral("murvane-tray-glyph"); }

private:
    QString name_;
    QColor tint_;
    QColor halo_;
    QHash<int, QPixmap> drawn_;
};
} // namespace

QIcon menuBarIconImage(MenuBarIconOption option, bool darkDesktop)
{
    const QColor tint = darkDesktop ? kLightGlyph : kDarkGlyph;
    QColor halo = darkDesktop ? kDarkGlyph : kLightGlyph;
    halo.setAlphaF(0.85f);
    return QIcon(new TrayGlyphEngine(symbolName(option), tint, halo));
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
    connect(&game, &SolitaireGame::menuBarIconChanged, this, [this, &game] { showOption(game.menuBarIcon()); });
    showOption(game.menuBarIcon());
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
