#include "SystemAppearance.h"

#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace murvane {

namespace {
// The body text size the platform uses by default, in points.
constexpr qreal kDefaultBodyPointSize = 10.0;
} // namespace

SystemAppearance& SystemAppearance::instance()
{
    static SystemAppearance* appearance = new SystemAppearance(qGuiApp);
    return *appearance;
}

SystemAppearance::SystemAppearance(QObject* parent)
    : QObject(parent)
{
    refresh();
    if (qGuiApp)
        qGuiApp->installEventFilter(this);
}

qreal SystemAppearance::clampTextScale(qreal raw)
{
    if (!(raw > 0)) // also catches NaN
        return kMinTextScale;
    return std::clamp(raw, kMinTextScale, kMaxTextScale);
}

void SystemAppearance::refresh()
{
    bool dark = false;
    qreal scale = 1.0;
    if (qGuiApp) {
        const QPalette palette = QGuiApplication::palette();
        dark = palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
        const QFont font = QGuiApplication::font();
        if (font.pointSizeF() > 0)
            scale = font.pointSizeF() / kDefaultBodyPointSize;
    }
    const bool changedAny = dark != isDark_ || clampTextScale(scale) != textScale_;
    isDark_ = dark;
    textScale_ = clampTextScale(scale);
    if (changedAny)
        Q_EMIT changed();
}

bool SystemAppearance::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == qGuiApp
        && (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ApplicationFontChange))
        refresh();
    return QObject::eventFilter(watched, event);
}

void SystemAppearance::setDark(bool value)
{
    if (isDark_ == value)
        return;
    isDark_ = value;
    Q_EMIT changed();
}

void SystemAppearance::setIncreasedContrast(bool value)
{
    if (increasedContrast_ == value)
        return;
    increasedContrast_ = value;
    Q_EMIT changed();
}

void SystemAppearance::setReduceMotion(bool value)
{
    if (reduceMotion_ == value)
        return;
    reduceMotion_ = value;
    Q_EMIT changed();
}

void SystemAppearance::setTextScale(qreal value)
{
    value = clampTextScale(value);
    if (textScale_ == value)
        return;
    textScale_ = value;
    Q_EMIT changed();
}

} // namespace murvane
