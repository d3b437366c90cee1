#pragma once
// Reading the desktop's appearance settings: which settings we ask for, how
// each raw value is understood, and which source wins. Pure functions over
// plain values; SystemAppearance does the asking (settings portal over D-Bus,
// KDE's kdeglobals file) and the watching.

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

namespace murvane::desktop {

// One desktop setting: a portal namespace and a key in it.
struct SettingKey {
    QString nameSpace;
    QString key;
    QString id() const { return nameSpace + QLatin1Char('/') + key; }
};

// Namespaces and keys, as the settings portal names them.
inline const QString kAppearanceNamespace = QStringLiteral("org.freedesktop.appearance");
inline const QString kGnomeInterfaceNamespace = QStringLiteral("org.gnome.desktop.interface");
inline const QString kGnomeA11yNamespace = QStringLiteral("org.gnome.desktop.a11y.interface");
inline const QString kKdeGlobalsNamespace = QStringLiteral("org.kde.kdeglobals.KDE");
inline const QString kKdeWindowColorsNamespace = QStringLiteral("org.kde.kdeglobals.Colors:Window");

inline const SettingKey kPortalColorScheme {kAppearanceNamespace, QStringLiteral("color-scheme")};
inline const SettingKey kPortalContrast {kAppearanceNamespace, QStringLiteral("contrast")};
inline const SettingKey kGnomeColorScheme {kGnomeInterfaceNamespace, QStringLiteral("color-scheme")};
inline const SettingKey kGnomeGtkTheme {kGnomeInterfaceNamespace, QStringLiteral("gtk-theme")};
inline const SettingKey kGnomeEnableAnimations {kGnomeInterfaceNamespace, QStringLiteral("enable-animations")};
inline const SettingKey kGnomeTextScalingFactor {kGnomeInterfaceNamespace, QStringLiteral("text-scaling-factor")};
inline const SettingKey kGnomeHighContrast {kGnomeA11yNamespace, QStringLiteral("high-contrast")};
inline const SettingKey kKdeAnimationDurationFactor {kKdeGlobalsNamespace, QStringLiteral("AnimationDurationFactor")};
inline const SettingKey kKdeWindowBackground {kKdeWindowColorsNamespace, QStringLiteral("BackgroundNormal")};

// Every setting we read and watch.
QList<SettingKey> watchedSettings();
bool isWatched(const QString& nameSpace, const QString& key);

// Raw values by SettingKey::id(), as they arrived.
using Readings = QHash<QString, QVariant>;

// D-Bus hands values over wrapped in variants, sometimes twice (older portal
// versions); this peels every layer.
QVariant unwrapDBusValue(const QVariant& value);

// Each returns nothing when the value says "no preference" or is not
// understood, so the next source is consulted.
std::optional<bool> darkFromPortalColorScheme(const QVariant& value);  // 1 dark, 2 light
std::optional<bool> highContrastFromPortal(const QVariant& value);     // 1 high, 0 normal
std::optional<bool> darkFromGnomeColorScheme(const QVariant& value);   // "prefer-dark" / "prefer-light"
std::optional<bool> darkFromGtkThemeName(const QVariant& value);       // "Adwaita-dark"
std::optional<bool> highContrastFromGtkThemeName(const QVariant& value); // "HighContrast"
std::optional<bool> reduceMotionFromGnomeAnimations(const QVariant& value); // enable-animations
std::optional<bool> highContrastFromGnome(const QVariant& value);      // a11y high-contrast
std::optional<bool> reduceMotionFromKdeAnimationFactor(const QVariant& value); // 0 = no animations
std::optional<bool> darkFromKdeColor(const QVariant& value);           // "r,g,b" window background
std::optional<qreal> textScaleFromGnome(const QVariant& value);        // text-scaling-factor

struct AppearanceValues {
    bool isDark = false;
    bool increasedContrast = false;
    bool reduceMotion = false;
    qreal textScale = 1.0; // not yet clamped
    friend bool operator==(const AppearanceValues&, const AppearanceValues&) = default;
};

// The desktop's settings first (the portal's own keys, then GNOME's, then
// KDE's), then the palette and font, then defaults.
AppearanceValues resolveAppearance(const Readings& readings, bool paletteIsDark, qreal fontScale);

// Readings from the text of a kdeglobals file (ini format), keyed like the
// portal's kdeglobals namespaces.
Readings readingsFromKdeGlobals(const QString& filePath);

} // namespace murvane::desktop
