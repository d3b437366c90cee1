#include "screens/ScreenStyle.h"

#include "engine/SolitaireGame.h"
#include "platform/SystemAppearance.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace murvane::screens {

namespace {

constexpr qreal kMinScale = 0.25;
constexpr qreal kMaxScale = 8.0;
constexpr const char* kMarkProperty = "murvaneAccessibilityMark";

} // namespace

qreal sanitizedScale(qreal scale)
{
    if (!std::isfinite(scale) || scale <= 0)
        return 1.0;
    return std::clamp(scale, kMinScale, kMaxScale);
}

qreal screenTextScale(BoardSize size, qreal systemTextScale)
{
    const qreal factor = size == BoardSize::large ? kLargeTextFactor : 1.0;
    return sanitizedScale(sanitizedScale(systemTextScale) * factor);
}

qreal screenTextScale(const SolitaireGame& game)
{
    qreal system = 1.0;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        system = SystemAppearance::instance().textScale();
    return screenTextScale(game.boardSize(), system);
}

QFont scaledFont(qreal size, QFont::Weight weight)
{
    QFont font = QApplication::font();
    // Lengths are logical pixels, so fonts are sized in pixels too; rounding
    // to whole pixels keeps text crisp and the 18% step still shows.
    font.setPixelSize(std::max(1, int(std::lround(size))));
    font.setWeight(weight);
    return font;
}

ScreenPalette ScreenPalette::current()
{
    ScreenPalette p;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const auto& appearance = SystemAppearance::instance();
        p.dark = appearance.isDark();
        p.increasedContrast = appearance.increasedContrast();
    }
    return p;
}

QColor ScreenPalette::primary() const
{
    return dark ? QColor(255, 255, 255, 235) : QColor(0, 0, 0, 222);
}

QColor ScreenPalette::secondary() const
{
    if (increasedContrast)
        return dark ? QColor(255, 255, 255, 200) : QColor(0, 0, 0, 190);
    return dark ? QColor(255, 255, 255, 140) : QColor(0, 0, 0, 128);
}

QColor ScreenPalette::accent() const
{
    return dark ? QColor(10, 132, 255) : QColor(0, 122, 255);
}

QColor ScreenPalette::accentText() const
{
    return QColor(Qt::white);
}

QColor ScreenPalette::destructive() const
{
    return dark ? QColor(255, 69, 58) : QColor(215, 0, 21);
}

QColor ScreenPalette::divider() const
{
    const int alpha = increasedContrast ? 70 : 30;
    return dark ? QColor(255, 255, 255, alpha) : QColor(0, 0, 0, alpha);
}

QColor ScreenPalette::groupFill() const
{
    return dark ? QColor(255, 255, 255, 16) : QColor(0, 0, 0, 10);
}

QColor ScreenPalette::groupBorder() const
{
    const int alpha = increasedContrast ? 80 : 18;
    return dark ? QColor(255, 255, 255, alpha) : QColor(0, 0, 0, alpha);
}

void paintGlass(QPainter& painter, const QRectF& rect, qreal radius, const ScreenPalette& palette,
                GlassLevel level)
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    radius = std::min(radius, std::min(rect.width(), rect.height()) / 2);

    QPainterPath shape;
    shape.addRoundedRect(rect, radius, radius);

    // A faint vertical sheen stands in for the frosted blur.
    // Cards and the header bar are opaque: there is no blur here, and a
    // translucent fill lets ranks and suits behind bleed into the text.
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    if (level == GlassLevel::card) {
        if (palette.dark) {
            fill.setColorAt(0, QColor(58, 58, 62));
            fill.setColorAt(1, QColor(44, 44, 48));
        } else {
            fill.setColorAt(0, QColor(252, 252, 253));
            fill.setColorAt(1, QColor(240, 240, 243));
        }
    } else if (level == GlassLevel::header) {
        // The board header's translucent glass as it looks over the panel,
        // so opening a screen changes nothing but the header's contents.
        if (palette.dark) {
            fill.setColorAt(0, QColor(56, 56, 60));
            fill.setColorAt(1, QColor(53, 53, 57));
        } else {
            fill.setColorAt(0, QColor(250, 250, 251));
            fill.setColorAt(1, QColor(247, 247, 249));
        }
    } else if (palette.dark) {
        fill.setColorAt(0, QColor(255, 255, 255, 38));
        fill.setColorAt(1, QColor(255, 255, 255, 22));
    } else {
        fill.setColorAt(0, QColor(255, 255, 255, 200));
        fill.setColorAt(1, QColor(250, 250, 252, 165));
    }
    painter.fillPath(shape, fill);

    // Hairline rim: one device pixel, inset by half so it stays inside.
    const qreal hairline = 1.0;
    QRectF rim = rect.adjusted(hairline / 2, hairline / 2, -hairline / 2, -hairline / 2);
    QPainterPath rimPath;
    rimPath.addRoundedRect(rim, std::max<qreal>(0, radius - hairline / 2),
                           std::max<qreal>(0, radius - hairline / 2));
    int rimAlpha = palette.increasedContrast ? 110 : (palette.dark ? 45 : 30);
    QColor rimColour = palette.dark ? QColor(255, 255, 255, rimAlpha) : QColor(0, 0, 0, rimAlpha);
    QPen pen(rimColour, hairline);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(rimPath);
    painter.restore();
}

QString menuStyleSheet(qreal scale, bool dark, const QColor& text, const QColor& accent, qreal itemLeading)
{
    const auto px = [scale](qreal v) { return QString::number(qRound(v * scale)); };
    return QStringLiteral("QMenu { background: %1; border: 1px solid %2; border-radius: %3px; padding: %4px;"
                          " font-size: %5px; }"
                          "QMenu::item { color: %6; padding: %7px %8px %7px %9px; border-radius: %10px; }"
                          "QMenu::item:selected { background: %11; color: white; }"
                          "QMenu::separator { height: 1px; background: %2; margin: %4px %7px; }")
        .arg(dark ? QStringLiteral("#2c2c30") : QStringLiteral("#fafafc"),
             dark ? QStringLiteral("#48484e") : QStringLiteral("#d0d0d6"), px(8), px(4), px(13), text.name(), px(4),
             px(12), px(itemLeading))
        .arg(px(5), accent.name());
}

GlassSurface::GlassSurface(GlassLevel level, qreal radius, QWidget* parent)
    : QWidget(parent), level_(level), radius_(radius)
{
}

void GlassSurface::setRadius(qreal radius)
{
    radius_ = radius;
    update();
}

void GlassSurface::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintGlass(p, QRectF(rect()), radius_, ScreenPalette::current(), level_);
}

void paintSoftShadow(QPainter& painter, const QRectF& rect, qreal cornerRadius, qreal radius,
                     qreal offsetY, qreal opacity)
{
    if (rect.isEmpty() || radius <= 0 || opacity <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Stacked translucent rings approximate a blur without an offscreen pass.
    const int steps = std::clamp(int(std::ceil(radius)), 4, 24);
    const QRectF base = rect.translated(0, offsetY);
    const qreal perStep = opacity / steps * 1.6;
    for (int i = steps; i >= 1; --i) {
        const qreal grow = radius * (qreal(i) / steps) - radius / 2;
        const qreal falloff = 1.0 - qreal(i) / (steps + 1);
        QColor c(0, 0, 0);
        c.setAlphaF(float(std::min<qreal>(1.0, perStep * falloff)));
        painter.setBrush(c);
        const QRectF r = base.adjusted(-grow, -grow, grow, grow);
        const qreal cr = std::max<qreal>(0, cornerRadius + grow);
        painter.drawRoundedRect(r, cr, cr);
    }
    painter.restore();
}

namespace {

constexpr const char* kSelectedProperty = "murvaneAccessibleSelected";

// Carries the traits Qt 6.4 cannot express through its public widgets.
class MarkedAccessible : public QAccessibleWidget {
public:
    MarkedAccessible(QWidget* w, AccessibilityMark mark)
        : QAccessibleWidget(w, roleFor(mark)), mark_(mark)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            if (auto* label = qobject_cast<QLabel*>(widget()); label && widget()->accessibleName().isEmpty())
                return label->text();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (mark_ == AccessibilityMark::modalDialog)
            s.modal = true;
        if (mark_ == AccessibilityMark::hidden)
            s.invisible = true;
        return s;
    }

    // A combined element stands for its children, so they are not listed.
    int childCount() const override { return mark_ == AccessibilityMark::combined ? 0 : QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        return mark_ == AccessibilityMark::combined ? nullptr : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return mark_ == AccessibilityMark::combined ? -1 : QAccessibleWidget::indexOfChild(child);
    }

private:
    static QAccessible::Role roleFor(AccessibilityMark mark)
    {
        switch (mark) {
        case AccessibilityMark::heading:
            return QAccessible::Heading;
        case AccessibilityMark::modalDialog:
            return QAccessible::Dialog;
        case AccessibilityMark::hidden:
            return QAccessible::Pane;
        case AccessibilityMark::combined:
            return QAccessible::StaticText;
        }
        return QAccessible::Pane;
    }
    AccessibilityMark mark_;
};

// A picker option: a button that says whether it is the chosen one.
class OptionAccessible : public QAccessibleWidget {
public:
    explicit OptionAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = isAccessibleSelected(widget());
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            if (auto* button = qobject_cast<QAbstractButton*>(widget()); button && button->isEnabled())
                button->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* markedFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (widget->property(kSelectedProperty).isValid())
        return new OptionAccessible(widget);
    const QVariant mark = widget->property(kMarkProperty);
    if (!mark.isValid())
        return nullptr;
    return new MarkedAccessible(widget, static_cast<AccessibilityMark>(mark.toInt()));
}

void installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(markedFactory);
        return true;
    }();
    (void)installed;
}

// A widget named before it was marked (a label given its text at
// construction) may already have Qt's own stand-in; drop it so the next
// question builds ours.
void forgetStockInterface(QWidget* widget)
{
    QAccessibleInterface* existing = QAccessible::queryAccessibleInterface(widget);
    if (existing && !dynamic_cast<MarkedAccessible*>(existing) && !dynamic_cast<OptionAccessible*>(existing))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
}

} // namespace

void setAccessibilityMark(QWidget* widget, AccessibilityMark mark)
{
    installFactory();
    if (!widget)
        return;
    widget->setProperty(kMarkProperty, int(mark));
    forgetStockInterface(widget);
}

void makeAccessibleOption(QWidget* button)
{
    installFactory();
    if (button && !button->property(kSelectedProperty).isValid()) {
        button->setProperty(kSelectedProperty, false);
        forgetStockInterface(button);
    }
}

void setAccessibleSelected(QWidget* button, bool selected)
{
    if (!button || isAccessibleSelected(button) == selected)
        return;
    makeAccessibleOption(button);
    button->setProperty(kSelectedProperty, selected);
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(button, changed);
        QAccessible::updateAccessibility(&event);
    }
}

bool isAccessibleSelected(const QWidget* button)
{
    return button && button->property(kSelectedProperty).toBool();
}

} // namespace murvane::screens
