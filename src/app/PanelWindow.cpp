#include "PanelWindow.h"

#include "PanelPlacement.h"
#include "platform/Localization.h"

#include <QEvent>
#include <QHideEvent>
#include <QResizeEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace murvane::app {

PanelWindow::PanelWindow(Style style, ContentFactory factory, bool keepContent, QWidget* parent)
    : QWidget(parent,
              style == Style::popup ? Qt::Popup | Qt::FramelessWindowHint : Qt::Window | Qt::WindowCloseButtonHint
                                                                               | Qt::WindowMinimizeButtonHint)
    , style_(style)
    , factory_(std::move(factory))
    , keepContent_(keepContent)
{
    setObjectName(QStringLiteral("panelWindow"));
    setWindowTitle(localizedString(QStringLiteral("Murvane Solitaire")));
    setAccessibleName(windowTitle());
    // A click on the tray icon while the panel is open only closes it; it
    // must not be replayed to the icon and open the panel again.
    setAttribute(Qt::WA_NoMouseReplay);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    // The window is exactly the content's size hint, and follows it.
    layout_->setSizeConstraint(QLayout::SetFixedSize);
}

PanelWindow::~PanelWindow() = default;

void PanelWindow::ensureContent()
{
    if (content_ || !factory_)
        return;
    content_ = factory_(this);
    if (!content_)
        return;
    layout_->addWidget(content_);
    content_->installEventFilter(this);
    layout_->activate();
}

void PanelWindow::open(const std::optional<QRect>& iconGeometry, QPoint pointer)
{
    iconGeometry_ = iconGeometry;
    pointer_ = pointer;
    ensureContent();
    awaitingPaint_ = true;
    if (!isVisible()) {
        layout_->activate();
        place();
        show();
        Q_EMIT opened();
    }
    raise();
    activateWindow();
    if (content_)
        content_->setFocus(Qt::PopupFocusReason);
}

void PanelWindow::closePanel()
{
    if (isVisible())
        close();
}

void PanelWindow::toggle(const std::optional<QRect>& iconGeometry, QPoint pointer)
{
    if (isVisible())
        closePanel();
    else
        open(iconGeometry, pointer);
}

void PanelWindow::place()
{
    const QSize panelSize = size().isEmpty() ? sizeHint() : size();
    if (style_ == Style::window) {
        // An ordinary window is placed once, centred; afterwards the user (or
        // the window manager) decides where it stays.
        if (hasBeenPlaced_)
            return;
        hasBeenPlaced_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(panelSize.width() / 2, panelSize.height() / 2));
        }
        return;
    }
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->geometry());
    const QPoint anchor = iconGeometry_ ? iconGeometry_->center() : pointer_;
    const QRect screen = screenFor(screens, anchor);
    move(panelPosition(panelSize, iconGeometry_, pointer_, screen));
}

void PanelWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    awaitingPaint_ = false;
    if (!keepContent_ && content_) {
        // Deferred: the close may have come from inside the content itself.
        content_->removeEventFilter(this);
        layout_->removeWidget(content_);
        content_->hide();
        content_->deleteLater();
        content_ = nullptr;
    }
    Q_EMIT closed();
}

void PanelWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A board that grows while open must stay below its icon and on screen.
    if (isVisible() && style_ == Style::popup)
        place();
}

bool PanelWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == content_ && event->type() == QEvent::Paint && awaitingPaint_) {
        awaitingPaint_ = false;
        // Reported after this paint has been flushed to the window.
        QTimer::singleShot(0, this, &PanelWindow::painted);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace murvane::app
