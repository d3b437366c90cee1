#pragma once
// Caps the text size seen inside the panel: a user setting below the default
// reads as the default, one above the second accessibility size reads as
// that size. Everything in the panel that follows the text size (the board
// scale, the screens' scale, plain widgets' fonts) therefore stays in range.

#include <QFont>

class QWidget;

namespace murvane::app {

class DynamicTypeCapModifier {
public:
    // `appFont` with its size replaced by the default body size times the
    // clamped `textScale`.
    static QFont cappedFont(const QFont& appFont, qreal textScale);

    // Gives `content` the capped application font now and whenever the
    // desktop's text size changes, for as long as `content` lives.
    static void apply(QWidget* content);
};

} // namespace murvane::app
