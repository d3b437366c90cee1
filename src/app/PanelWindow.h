#pragma once
// The window that holds the game board. As a popup it hangs below the tray
// icon without a frame and closes on a click anywhere else; where there is
// no tray it is an ordinary titled window. Its size is always the content's
// own size and follows it when the board grows or shrinks.

#include <QPoint>
#include <QRect>
#include <QWidget>

#include <functional>
#include <optional>

class QVBoxLayout;

namespace murvane::app {

class PanelWindow : public QWidget {
    Q_OBJECT
public:
    enum class Style { popup, window };
    // Builds the panel's content as a child of the given widget.
    using ContentFactory = std::function<QWidget*(QWidget* parent)>;

    // `keepContent` false: the content is built on each open and discarded on
    // each close; true: built once and kept for the run.
    PanelWindow(Style style, ContentFactory factory, bool keepContent, QWidget* parent = nullptr);
    ~PanelWindow() override;

    Style style() const { return style_; }
    bool keepsContent() const { return keepContent_; }
    bool isOpen() const { return isVisible(); }
    // The content while it exists (always while the panel is open).
    QWidget* content() const { return content_; }

    // Opens below the icon (or by the pointer when there is no icon
    // rectangle), fully on that screen, and activates it. A window-style
    // panel ignores the anchor the first time and is centred instead.
    void open(const std::optional<QRect>& iconGeometry, QPoint pointer);
    void closePanel();
    // Opens when closed, closes when open.
    void toggle(const std::optional<QRect>& iconGeometry, QPoint pointer);

Q_SIGNALS:
    void opened();
    void closed();
    // The content finished its first paint after an open.
    void painted();

protected:
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ensureContent();
    void place();

    const Style style_;
    const ContentFactory factory_;
    const bool keepContent_;
    QVBoxLayout* layout_ = nullptr;
    QWidget* content_ = nullptr;
    std::optional<QRect> iconGeometry_;
    QPoint pointer_;
    bool awaitingPaint_ = false;
    bool hasBeenPlaced_ = false;
};

} // namespace murvane::app
