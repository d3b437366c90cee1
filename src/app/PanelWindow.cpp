#include "PanelWindow.h"

#include "PanelPlacement.h"
#include "text/Localization.h"

#include <QApplication>
#include <QEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QStyleHints>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace murvane::app {

namespace {

Qt::WindowFlags flagsFor(PanelWindow::Style style)
{
    switch (style) {
    case PanelWindow::Style::popup:
        return Qt::Popup | Qt::FramelessWindowHint;
    case PanelWindow::Style::frameless:
        return Qt::Tool | Qt::FramelessWindowHint;
    case PanelWindow::Style::window:
        break;
    }
    return Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
}

// Focus hand-overs pass through "no window" for a moment; judge the loss
// only after they have settled.
constexpr int kDeactivationSettleMs = 30;

} // namespace

PanelWindow::PanelWindow(Style style, ContentFactory factory, bool keepContent, QWidget* parent)
    : QWidget(parent, flagsFor(style))
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

    // The pointer grab of a popup misses a click it never sees and another
    // application taking the focus, and a top-level has no grab at all: the
    // activation tells either way.
    deactivationCheck_.setSingleShot(true);
    connect(&deactivationCheck_, &QTimer::timeout, this, &PanelWindow::closeUnlessActive);
    if (isTrayPanel())
        connect(qApp, &QGuiApplication::focusWindowChanged, this, &PanelWindow::focusWindowChanged);
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
        openedAt_.start();
        closedElsewhereAt_.invalidate();
        hasBeenActive_ = false;
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
    if (!isVisible())
        return;
    closingOnRequest_ = true;
    close();
    closingOnRequest_ = false;
}

void PanelWindow::toggle(const std::optional<QRect>& iconGeometry, QPoint pointer)
{
    if (isVisible()) {
        // The second click of the double-click that opened it.
        if (!withinGesture(openedAt_))
            closePanel();
    } else if (!withinGesture(closedElsewhereAt_)) {
        // Otherwise this is the click that just closed the panel from the
        // outside (taking its activation), reported once more by the icon.
        open(iconGeometry, pointer);
    }
}

bool PanelWindow::withinGesture(const QElapsedTimer& since) const
{
    return since.isValid() && since.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

bool PanelWindow::isOnOpeningSpot(QPoint global) const
{
    const int slack = std::max(QGuiApplication::styleHints()->mouseDoubleClickDistance(), 4);
    if (iconGeometry_ && !iconGeometry_->isEmpty())
        return iconGeometry_->adjusted(-slack, -slack, slack, slack).contains(global);
    return (global - pointer_).manhattanLength() <= 2 * slack;
}

bool PanelWindow::holdsActivation() const
{
    const QWindow* focus = QGuiApplication::focusWindow();
    if (!focus || !windowHandle())
        return false;
    for (const QWindow* window = focus; window; window = window->transientParent())
        if (window == windowHandle())
            return true;
    // A menu or other window opened from inside the panel.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowHandle() == focus)
            for (const QWidget* widget = top; widget; widget = widget->parentWidget())
                if (widget == this)
                    return true;
    return false;
}

void PanelWindow::focusWindowChanged()
{
    if (!isVisible())
        return;
    if (holdsActivation()) {
        hasBeenActive_ = true;
        deactivationCheck_.stop();
        return;
    }
    if (!hasBeenActive_)
        return; // never activated (yet): nothing has been taken away
    // During the gesture that opened the panel the loss may be that
    // gesture's own second click; judge it once the gesture is over.
    const qint64 rest = QGuiApplication::styleHints()->mouseDoubleClickInterval() - openedAt_.elapsed();
    deactivationCheck_.start(int(std::max<qint64>(rest, kDeactivationSettleMs)));
}

void PanelWindow::closeUnlessActive()
{
    if (isVisible() && !holdsActivation())
        close();
}

void PanelWindow::place()
{
    // A frameless panel is a Wayland top-level: the compositor places it.
    if (style_ == Style::frameless)
        return;
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
    QList<ScreenRects> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append({screen->geometry(), screen->availableGeometry()});
    const QPoint anchor = iconGeometry_ ? iconGeometry_->center() : pointer_;
    move(panelPosition(panelSize, iconGeometry_, pointer_, placementArea(screens, anchor)));
}

void PanelWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    awaitingPaint_ = false;
    // Closed by a click or an activation elsewhere (ours, or Qt's own popup
    // handling): that click may have been on the icon.
    if (!closingOnRequest_)
        closedElsewhereAt_.start();
    hasBeenActive_ = false;
    deactivationCheck_.stop();
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

void PanelWindow::keyPressEvent(QKeyEvent* event)
{
    if (!event->matches(QKeySequence::Cancel)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The topmost thing first: a dialog, then a screen, then the panel. The
    // ordinary window stays; closing it would end the game.
    event->accept();
    if (content_ && dismissLayer_ && dismissLayer_(content_))
        return;
    if (isTrayPanel())
        closePanel();
    else
        event->ignore();
}

void PanelWindow::mousePressEvent(QMouseEvent* event)
{
    // The second click of the double-click on the icon that opened the
    // panel lands outside it; it must not close what the first one opened.
    if (style_ == Style::popup && !rect().contains(event->position().toPoint()) && withinGesture(openedAt_)
        && isOnOpeningSpot(event->globalPosition().toPoint())) {
        event->accept();
        return;
    }
    // A press outside closes the popup; the grab kept it from the icon, so
    // it will not come back as a click there.
    closingOnRequest_ = true;
    QWidget::mousePressEvent(event);
    closingOnRequest_ = false;
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
