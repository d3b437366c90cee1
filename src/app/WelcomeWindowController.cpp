#include "WelcomeWindowController.h"

#include "text/Localization.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace murvane::app {

WelcomeWindowController& WelcomeWindowController::shared()
{
    static auto* controller = new WelcomeWindowController(qApp);
    return *controller;
}

WelcomeWindowController::WelcomeWindowController(QObject* parent)
    : QObject(parent)
{
}

WelcomeWindowController::~WelcomeWindowController()
{
    delete window_.data();
}

WelcomeView* WelcomeWindowController::view() const
{
    return window_ ? window_->findChild<WelcomeView*>() : nullptr;
}

void WelcomeWindowController::show(const QString& iconName, TrayPlace place)
{
    if (window_)
        return;
    // Titled and closable; no minimise or maximise, and a fixed size.
    auto* window = new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                            | Qt::WindowCloseButtonHint);
    window->setObjectName(QStringLiteral("welcomeWindow"));
    window->setWindowTitle(localizedString(QStringLiteral("Welcome")));
    // The icon is the application's own (set once for every window): a set
    // of its own would be rendered again and outlive the window.
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    QPointer<WelcomeWindowController> self(this);
    auto* view = new WelcomeView(iconName, [self] {
        if (self)
            self->dismiss();
    }, place, window);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    connect(escape, &QShortcut::activated, window, &QWidget::close);
    window->installEventFilter(this);
    // Measure the finished layout, so the centring uses the final size.
    window->ensurePolished();
    layout->activate();
    window->adjustSize();

    // Centred on the screen the user is looking at.
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame(QPoint(), window->size());
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window_ = window;
    window->show();
    window->raise();
    window->activateWindow();
}

void WelcomeWindowController::dismiss()
{
    if (window_)
        window_->close();
}

bool WelcomeWindowController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Close && event->isAccepted())
        windowWillClose();
    return QObject::eventFilter(watched, event);
}

void WelcomeWindowController::windowWillClose()
{
    // Deleted later: we may be inside one of the window's own events.
    QWidget* closing = window_;
    window_ = nullptr;
    closing->hide();
    closing->deleteLater();
    Q_EMIT windowClosed();
}

} // namespace murvane::app
