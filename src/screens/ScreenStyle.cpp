#include "screens/ScreenStyle.h"

#include "engine/SolitaireGame.h"
#include "platform/SystemAppearance.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPainterPath>
#include <QRegion>
#include <QPainter>
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
    return sanitizedScale(sanitizedScale(systemTextScale) * graphics::boardSizeFactor(size));
}

qreal screenTextScale(const SolitaireGame& game)
{
    qreal system = 1.0;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        system = SystemAppearance::instance().textScale();
    return screenTextScale(game.settings().boardSize(), system);
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

graphics::Appearance currentAppearance()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {};
    const auto& appearance = SystemAppearance::instance();
    return {appearance.isDark(), appearance.increasedContrast()};
}

graphics::ChromePalette currentPalette()
{
    return graphics::ChromePalette(currentAppearance());
}

QString menuStyleSheet(qreal scale, const graphics::Appearance& appearance, qreal itemLeading)
{
    const graphics::ChromePalette palette(appearance);
    const auto px = [scale](qreal v) { return QString::number(qRound(v * scale)); };
    const auto rgba = [](const QColor& c) {
        return QStringLiteral("rgba(%1, %2, %3, %4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
    };
    return QStringLiteral("QMenu { background: %1; border: 1px solid %2; border-radius: %3px; padding: %4px;"
                          " font-size: %5px; }"
                          "QMenu::item { color: %6; padding: %7px %8px %7px %9px; border-radius: %10px; }"
                          "QMenu::item:selected { background: %11; color: %12; }"
                          // After the rules above, which would otherwise draw
                          // a disabled item (and one under the pointer) as active.
                          "QMenu::item:disabled, QMenu::item:disabled:selected { background: transparent;"
                          " color: %13; }"
                          "QMenu::separator { height: 1px; background: %2; margin: %4px %7px; }")
        .arg(palette.raisedFill().name(), rgba(palette.edge()), px(kPopupCornerRadius), px(4), px(13),
             rgba(palette.primary()), px(4), px(12), px(itemLeading))
        .arg(px(5), palette.accent().name(), palette.accentText().name(), rgba(palette.secondary()));
}

namespace {

// Cuts a pop-up list's window to its rounded outline whenever it changes
// size. A mask needs no compositing manager, unlike a see-through window,
// whose corners turn black on a plain X server.
class RoundedCorners : public QObject {
public:
    RoundedCorners(QMenu* menu, qreal radius) : QObject(menu), radius_(radius) {}
    void setRadius(qreal radius) { radius_ = radius; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
            auto* widget = static_cast<QWidget*>(watched);
            QPainterPath outline;
            outline.addRoundedRect(QRectF(widget->rect()), radius_, radius_);
            widget->setMask(QRegion(outline.toFillPolygon().toPolygon()));
        }
        return false;
    }

private:
    qreal radius_;
};

} // namespace

void stylePopupMenu(QMenu* menu, qreal scale, const graphics::Appearance& appearance, qreal itemLeading)
{
    if (!menu)
        return;
    const qreal radius = qRound(kPopupCornerRadius * scale);
    RoundedCorners* corners = nullptr;
    for (QObject* child : menu->children())
        if ((corners = dynamic_cast<RoundedCorners*>(child)))
            break;
    if (corners) {
        corners->setRadius(radius);
    } else {
        menu->setWindowFlags(menu->windowFlags() | Qt::NoDropShadowWindowHint);
        menu->installEventFilter(new RoundedCorners(menu, radius));
    }
    menu->setStyleSheet(menuStyleSheet(scale, appearance, itemLeading));
}

QPoint popupPosition(const QRect& anchor, const QSize& size, std::optional<int> itemCentreY, const QRect& bounds)
{
    // Right edges aligned: the controls that open lists sit at a row's end.
    int x = anchor.right() + 1 - size.width();
    // The chosen item over the control, as a pop-up button does; a list
    // without one opens below it.
    int y = itemCentreY ? anchor.center().y() - *itemCentreY : anchor.bottom() + 1;
    x = std::max(bounds.left(), std::min(x, bounds.right() + 1 - size.width()));
    y = std::max(bounds.top(), std::min(y, bounds.bottom() + 1 - size.height()));
    return {x, y};
}

GlassSurface::GlassSurface(graphics::GlassLevel level, qreal radius, QWidget* parent)
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
    graphics::paintGlass(p, QRectF(rect()), radius_, currentAppearance(), level_);
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
