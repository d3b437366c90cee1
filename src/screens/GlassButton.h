#pragma once
// A push button drawn in the glass style: a translucent capsule or circle
// with a text label, a symbol, or both. The prominent variant is filled with
// the accent colour; the destructive variant tints its label red. A button
// given a menu pops it up below itself when clicked (without blocking).
//
// Sizes are logical pixels at scale 1; the owner passes the scale (b in the
// header and dialogs, t inside a screen body) and may change it later.

#include <QAbstractButton>
#include <QFont>
#include <QPointer>

#include <QMenu>

namespace murvane::screens {

class GlassButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Shape { capsule, circle };
    enum class Style { glass, prominent };

    explicit GlassButton(QWidget* parent = nullptr);

    // Label content. A symbol is drawn after the text when both are set.
    void setSymbol(const QString& name, qreal size, qreal frame = 0);
    QString symbol() const { return symbol_; }

    // Font size and weight of the text label at scale 1.
    void setLabelFont(qreal size, QFont::Weight weight);

    void setShape(Shape shape);
    Shape shape() const { return shape_; }
    void setButtonStyle(Style style);
    Style buttonStyle() const { return style_; }
    void setDestructive(bool destructive);
    bool isDestructive() const { return destructive_; }

    // Padding around the label at scale 1 (horizontal, vertical).
    void setPadding(qreal horizontal, qreal vertical);
    // Gap between text and symbol at scale 1.
    void setLabelSpacing(qreal spacing);
    // Minimum width at scale 1 (0 for none).
    void setMinimumLabelWidth(qreal width);

    void setScale(qreal scale);
    qreal scale() const { return scale_; }

    // The menu is owned by the caller (usually parented to this button).
    void setMenu(QMenu* menu);
    QMenu* menu() const { return menu_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void popUpMenu();
    // The menu item to open over the button (a chosen option), or -1 to open
    // the menu below it.
    virtual int menuAnchorRow() const { return -1; }
    QFont labelFont() const;
    QSizeF contentSize() const;

    QString symbol_;
    qreal symbolSize_ = 12;
    qreal symbolFrame_ = 16;
    qreal fontSize_ = 12;
    QFont::Weight fontWeight_ = QFont::Medium;
    Shape shape_ = Shape::capsule;
    Style style_ = Style::glass;
    bool destructive_ = false;
    qreal padH_ = 10;
    qreal padV_ = 4;
    qreal spacing_ = 4;
    qreal minWidth_ = 0;
    qreal scale_ = 1;
    bool hovered_ = false;
    bool keyboardFocus_ = false; // the ring shows only for keyboard focus
    QPointer<QMenu> menu_;
};

} // namespace murvane::screens
