#include "DesktopAppearance.h"

#include <QColor>
#include <QDBusArgument>
#include <QDBusVariant>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include <cmath>
#include <initializer_list>

namespace murvane::desktop {

namespace {

std::optional<qint64> asInteger(const QVariant& raw)
{
    const QVariant value = unwrapDBusValue(raw);
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

std::optional<double> asNumber(const QVariant& raw)
{
    const QVariant value = unwrapDBusValue(raw);
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const double number = value.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<bool> asBool(const QVariant& raw)
{
    const QVariant value = unwrapDBusValue(raw);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return std::nullopt;
}

QString asString(const QVariant& raw)
{
    const QVariant value = unwrapDBusValue(raw);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray)
        return value.toString();
    return {};
}

template <typename T, typename Parse>
std::optional<T> lookup(const Readings& readings, const SettingKey& key, Parse parse)
{
    const auto it = readings.constFind(key.id());
    if (it == readings.constEnd())
        return std::nullopt;
    return parse(*it);
}

template <typename T>
std::optional<T> firstKnown(std::initializer_list<std::optional<T>> candidates)
{
    for (const auto& candidate : candidates)
        if (candidate)
            return candidate;
    return std::nullopt;
}

} // namespace

QList<SettingKey> watchedSettings()
{
    return {kPortalColorScheme, kPortalContrast, kGnomeColorScheme, kGnomeGtkTheme, kGnomeEnableAnimations,
            kGnomeTextScalingFactor, kGnomeHighContrast, kKdeAnimationDurationFactor, kKdeWindowBackground};
}

bool isWatched(const QString& nameSpace, const QString& key)
{
    for (const SettingKey& setting : watchedSettings())
        if (setting.nameSpace == nameSpace && setting.key == key)
            return true;
    return false;
}

QVariant unwrapDBusValue(const QVariant& value)
{
    QVariant current = value;
    // Bounded: a hostile reply cannot make us loop.
    for (int depth = 0; depth < 8; ++depth) {
        if (current.metaType() == QMetaType::fromType<QDBusVariant>()) {
            current = current.value<QDBusVariant>().variant();
            continue;
        }
        if (current.metaType() == QMetaType::fromType<QDBusArgument>()) {
            const QDBusArgument argument = current.value<QDBusArgument>();
            if (argument.currentType() == QDBusArgument::VariantType) {
                current = argument.asVariant();
                continue;
            }
        }
        break;
    }
    return current;
}

std::optional<bool> darkFromPortalColorScheme(const QVariant& value)
{
    const auto number = asInteger(value);
    if (number == 1)
        return true;
    if (number == 2)
        return false;
    return std::nullopt;
}

std::optional<bool> highContrastFromPortal(const QVariant& value)
{
    const auto number = asInteger(value);
    if (number == 1)
        return true;
    if (number == 0)
        return false;
    return std::nullopt;
}

std::optional<bool> darkFromGnomeColorScheme(const QVariant& value)
{
    const QString scheme = asString(value).trimmed();
    if (scheme == QLatin1String("prefer-dark"))
        return true;
    if (scheme == QLatin1String("prefer-light"))
        return false;
    return std::nullopt; // "default": the theme decides
}

std::optional<bool> darkFromGtkThemeName(const QVariant& value)
{
    const QString theme = asString(value).trimmed().toLower();
    if (theme.isEmpty())
        return std::nullopt;
    if (theme.endsWith(QLatin1String("-dark")) || theme.endsWith(QLatin1String(":dark"))
        || theme.contains(QLatin1String("highcontrastinverse")))
        return true;
    return std::nullopt; // a light name may still be paired with a dark scheme
}

std::optional<bool> highContrastFromGtkThemeName(const QVariant& value)
{
    const QString theme = asString(value).trimmed().toLower();
    if (theme.isEmpty())
        return std::nullopt;
    if (theme.startsWith(QLatin1String("highcontrast")))
        return true;
    return std::nullopt;
}

std::optional<bool> reduceMotionFromGnomeAnimations(const QVariant& value)
{
    if (const auto enabled = asBool(value))
        return !*enabled;
    return std::nullopt;
}

std::optional<bool> highContrastFromGnome(const QVariant& value)
{
    return asBool(value);
}

std::optional<bool> reduceMotionFromKdeAnimationFactor(const QVariant& value)
{
    const auto factor = asNumber(value);
    if (!factor || *factor < 0)
        return std::nullopt;
    return *factor == 0;
}

std::optional<bool> darkFromKdeColor(const QVariant& value)
{
    const QStringList parts = asString(value).split(QLatin1Char(','));
    if (parts.size() < 3)
        return std::nullopt;
    int channels[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        channels[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok || channels[i] < 0 || channels[i] > 255)
            return std::nullopt;
    }
    return QColor(channels[0], channels[1], channels[2]).lightness() < 128;
}

std::optional<qreal> textScaleFromGnome(const QVariant& value)
{
    const auto factor = asNumber(value);
    if (!factor || *factor <= 0)
        return std::nullopt;
    return *factor;
}

AppearanceValues resolveAppearance(const Readings& readings, bool paletteIsDark, qreal fontScale)
{
    AppearanceValues values;
    values.isDark = firstKnown<bool>({
                                         lookup<bool>(readings, kPortalColorScheme, darkFromPortalColorScheme),
                                         lookup<bool>(readings, kGnomeColorScheme, darkFromGnomeColorScheme),
                                         lookup<bool>(readings, kGnomeGtkTheme, darkFromGtkThemeName),
                                         lookup<bool>(readings, kKdeWindowBackground, darkFromKdeColor),
                                     })
                        .value_or(paletteIsDark);
    values.increasedContrast = firstKnown<bool>({
                                                    lookup<bool>(readings, kPortalContrast, highContrastFromPortal),
                                                    lookup<bool>(readings, kGnomeHighContrast, highContrastFromGnome),
                                                    lookup<bool>(readings, kGnomeGtkTheme, highContrastFromGtkThemeName),
                                                })
                                   .value_or(false);
    values.reduceMotion
        = firstKnown<bool>({
                               lookup<bool>(readings, kGnomeEnableAnimations, reduceMotionFromGnomeAnimations),
                               lookup<bool>(readings, kKdeAnimationDurationFactor, reduceMotionFromKdeAnimationFactor),
                           })
              .value_or(false);
    values.textScale = lookup<qreal>(readings, kGnomeTextScalingFactor, textScaleFromGnome).value_or(fontScale);
    return values;
}

Readings readingsFromKdeGlobals(const QString& filePath)
{
    Readings readings;
    if (filePath.isEmpty() || !QFileInfo(filePath).isReadable())
        return readings;
    QSettings file(filePath, QSettings::IniFormat);
    const QVariant factor = file.value(QStringLiteral("KDE/AnimationDurationFactor"));
    if (factor.isValid())
        readings.insert(kKdeAnimationDurationFactor.id(), factor);
    const QVariant background = file.value(QStringLiteral("Colors:Window/BackgroundNormal"));
    if (background.isValid())
        readings.insert(kKdeWindowBackground.id(), background);
    return readings;
}

} // namespace murvane::desktop
