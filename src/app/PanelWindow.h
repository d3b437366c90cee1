#pragma once
// The window that holds the game board. As a popup it hangs below the tray
// icon without a frame and closes on a click anywhere else; on native
// Wayland, where a popup without a parent cannot be placed, it is a frameless
// top-level that the compositor places; where there is no tray it is an
// ordinary titled window. Its size is always the content's own size and
// follows it when the board grows or shrinks.
//
// A tray panel closes on Escape (once nothing inside is left to dismiss), on
// a click on its icon, and when another window takes the activation. The
// second click of a double-click on the icon never undoes the first.

#include <QElapsedTimer>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class QVBoxLayout;

namespace murvane::app {

class PanelWindow : public QWidget {
    Q_OBJECT
public:
    enum class Style { popup, frameless, window };
    // Builds the panel's content as a child of the given widget.
    using ContentFactory = std::function<QWidget*(QWidget* parent)>;
    // Dismisses the topmost layer inside the content (a dialog, then a
    // screen); false when there is none and Escape may close the panel.
    using DismissLayer = std::function<bool(QWidget* content)>;

    // `keepContent` false: the content is built on each open and discarded on
    // each close; true: built once and kept for the run.
    PanelWindow(Style style, ContentFactory factory, bool keepContent, QWidget* parent = nullptr);
    ~PanelWindow() override;

    Style style() const { return style_; }
    bool isOpen() const { return isVisible(); }
    // The content while it exists (always while the panel is open).
    QWidget* content() const { return content_; }
    void setDismissLayer(DismissLayer dismiss) { dismissLayer_ = std::move(dismiss); }

    // Opens below the icon (or by the pointer when there is no icon
    // rectangle), fully within the usable area of that screen, and activates
    // it. A window-style panel ignores the anchor the first time and is
    // centred instead; a frameless one is placed by the compositor.
    void open(const std::optional<QRect>& iconGeometry, QPoint pointer);
    void closePanel();
    // What a click on the tray icon does: opens when closed, closes when
    // open; but a click that belongs to the gesture that just opened or just
    // closed the panel changes nothing.
    void toggle(const std::optional<QRect>& iconGeometry, QPoint pointer);

Q_SIGNALS:
    void opened();
    void closed();
    // The content finished its first paint after an open.
    void painted();

protected:
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ensureContent();
    void place();
    bool isTrayPanel() const { return style_ != Style::window; }
    bool withinGesture(const QElapsedTimer& since) const;
    bool isOnOpeningSpot(QPoint global) const;
    bool holdsActivation() const;
    void focusWindowChanged();
    void closeUnlessActive();

    const Style style_;
    const ContentFactory factory_;
    const bool keepContent_;
    DismissLayer dismissLayer_;
    QVBoxLayout* layout_ = nullptr;
    QWidget* content_ = nullptr;
    std::optional<QRect> iconGeometry_;
    QPoint pointer_;
    bool awaitingPaint_ = false;
    bool hasBeenPlaced_ = false;
    // Activation: only a panel that has held it can lose it.
    bool hasBeenActive_ = false;
    QTimer deactivationCheck_;
    QElapsedTimer openedAt_;
    QElapsedTimer closedElsewhereAt_;
    bool closingOnRequest_ = false;
};

} // namespace murvane::app
