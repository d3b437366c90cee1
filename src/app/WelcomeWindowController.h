#pragma once
// Owns the welcome window: one at a time for the whole run. The window is an
// ordinary titled window ("Welcome") that can be closed but not resized,
// centred on the screen, raised and made active, since a tray program
// otherwise has nothing in front. "Got it", Return, Escape and the window
// manager's close button all close it.

#include "WelcomeView.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace murvane::app {

class WelcomeWindowController : public QObject {
    Q_OBJECT
public:
    // The one controller of the run, created on first use.
    static WelcomeWindowController& shared();

    explicit WelcomeWindowController(QObject* parent = nullptr);
    ~WelcomeWindowController() override;

    // Opens the window for the given tray symbol unless one is already open.
    void show(const QString& iconName, TrayPlace place);
    // The open window, if any.
    QWidget* window() const { return window_; }
    WelcomeView* view() const;
    // Closes the open window, as "Got it" does.
    void dismiss();

Q_SIGNALS:
    // The window closed, however it was closed.
    void windowClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void windowWillClose();

    QPointer<QWidget> window_;
};

} // namespace murvane::app
