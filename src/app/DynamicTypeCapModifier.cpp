#include "DynamicTypeCapModifier.h"

#include "platform/SystemAppearance.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace murvane::app {

QFont DynamicTypeCapModifier::cappedFont(const QFont& appFont, qreal textScale)
{
    QFont font = appFont;
    font.setPointSizeF(SystemAppearance::kDefaultBodyPointSize * SystemAppearance::clampTextScale(textScale));
    return font;
}

void DynamicTypeCapModifier::apply(QWidget* content)
{
    if (!content)
        return;
    auto update = [content] {
        content->setFont(cappedFont(QApplication::font(), SystemAppearance::instance().textScale()));
    };
    update();
    QObject::connect(&SystemAppearance::instance(), &SystemAppearance::changed, content, update);
}

} // namespace murvane::app
