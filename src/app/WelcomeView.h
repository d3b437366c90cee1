#pragma once
// The content of the first-run welcome window: the application icon, a
// title, where the game lives, a small picture of a desktop panel with the
// game's tray icon highlighted beside the usual status symbols and the clock,
// two hints and "Got it".
//
// Lengths are logical pixels at scale 1 times s, the user's text-size factor.

#include <QPointer>
#include <QRect>
#include <QTime>
#include <QWidget>

#include <functional>
#include <optional>

namespace murvane::screens {
class GlassButton;
}

namespace murvane::app {

// Where the game's icon is to be found, which decides the wording.
enum class TrayPlace {
    top,     // a tray at the top of the screen
    bottom,  // a tray at the bottom of the screen
    panel,   // a tray whose place we cannot tell (or a side panel)
    noTray,  // no system tray: the game opens as a window
};

// The place of a tray icon rectangle on its screen; `panel` when the tray
// reports no rectangle.
TrayPlace trayPlaceFor(const std::optional<QRect>& iconGeometry);

// The picture of a panel: one accessible element, painted.
class WelcomePanelPicture : public QWidget {
    Q_OBJECT
public:
    WelcomePanelPicture(const QString& iconName, qreal scale, QTime time, QWidget* parent = nullptr);
    QString iconName() const { return iconName_; }
    // The clock as shown: the locale's short time, built once.
    QString clockText() const { return clock_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString iconName_;
    qreal s_;
    QString clock_;
};

class WelcomeView : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal kWidth = 400;

    // `onDismiss` runs for "Got it" and the Return key.
    WelcomeView(const QString& iconName, std::function<void()> onDismiss, TrayPlace place,
                QWidget* parent = nullptr);

    QString iconName() const { return iconName_; }
    qreal systemScale() const { return s_; }
    WelcomePanelPicture* picture() const { return picture_; }
    screens::GlassButton* gotItButton() const { return gotIt_; }

    // The texts for a place, as shown: the line above the picture and the
    // first hint below it.
    static QString placeText(TrayPlace place);
    static QString findItHint(TrayPlace place);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString iconName_;
    std::function<void()> onDismiss_;
    qreal s_ = 1;
    WelcomePanelPicture* picture_ = nullptr;
    screens::GlassButton* gotIt_ = nullptr;
};

} // namespace murvane::app
