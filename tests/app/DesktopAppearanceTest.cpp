// Understanding the desktop's appearance settings, and which source wins.
#include "platform/DesktopAppearance.h"
#include "platform/SystemAppearance.h"

#include <QDBusVariant>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace murvane;
using namespace murvane::desktop;

namespace {
QVariant wrapped(const QVariant& value, int layers)
{
    QVariant result = value;
    for (int i = 0; i < layers; ++i)
        result = QVariant::fromValue(QDBusVariant(result));
    return result;
}
} // namespace

TEST(DesktopAppearance, PortalValuesArriveWrappedOnceOrTwice)
{
    for (int layers : {0, 1, 2}) {
        SCOPED_TRACE(layers);
        EXPECT_EQ(darkFromPortalColorScheme(wrapped(uint(1), layers)), true);
        EXPECT_EQ(darkFromPortalColorScheme(wrapped(uint(2), layers)), false);
        EXPECT_EQ(darkFromPortalColorScheme(wrapped(uint(0), layers)), std::nullopt);
        EXPECT_EQ(highContrastFromPortal(wrapped(uint(1), layers)), true);
        EXPECT_EQ(highContrastFromPortal(wrapped(uint(0), layers)), false);
    }
    // Out-of-range and wrongly typed values are no answer.
    EXPECT_EQ(darkFromPortalColorScheme(uint(7)), std::nullopt);
    EXPECT_EQ(darkFromPortalColorScheme(QVariant()), std::nullopt);
    EXPECT_EQ(darkFromPortalColorScheme(QStringLiteral("dark")), std::nullopt);
    EXPECT_EQ(highContrastFromPortal(uint(5)), std::nullopt);
}

TEST(DesktopAppearance, GnomeSettings)
{
    EXPECT_EQ(darkFromGnomeColorScheme(QStringLiteral("prefer-dark")), true);
    EXPECT_EQ(darkFromGnomeColorScheme(QStringLiteral("prefer-light")), false);
    EXPECT_EQ(darkFromGnomeColorScheme(QStringLiteral("default")), std::nullopt);
    EXPECT_EQ(darkFromGtkThemeName(QStringLiteral("Adwaita-dark")), true);
    EXPECT_EQ(darkFromGtkThemeName(QStringLiteral("Adwaita")), std::nullopt);
    EXPECT_EQ(highContrastFromGtkThemeName(QStringLiteral("HighContrast")), true);
    EXPECT_EQ(highContrastFromGtkThemeName(QStringLiteral("Adwaita")), std::nullopt);
    // enable-animations is the opposite of reduce motion.
    EXPECT_EQ(reduceMotionFromGnomeAnimations(wrapped(false, 1)), true);
    EXPECT_EQ(reduceMotionFromGnomeAnimations(true), false);
    EXPECT_EQ(reduceMotionFromGnomeAnimations(QStringLiteral("maybe")), std::nullopt);
    EXPECT_EQ(highContrastFromGnome(true), true);
    EXPECT_EQ(textScaleFromGnome(1.25), 1.25);
    EXPECT_EQ(textScaleFromGnome(0.0), std::nullopt);
    EXPECT_EQ(textScaleFromGnome(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
}

TEST(DesktopAppearance, KdeSettings)
{
    EXPECT_EQ(reduceMotionFromKdeAnimationFactor(QStringLiteral("0")), true);
    EXPECT_EQ(reduceMotionFromKdeAnimationFactor(0.0), true);
    EXPECT_EQ(reduceMotionFromKdeAnimationFactor(QStringLiteral("0.5")), false);
    EXPECT_EQ(reduceMotionFromKdeAnimationFactor(QStringLiteral("-1")), std::nullopt);
    EXPECT_EQ(reduceMotionFromKdeAnimationFactor(QStringLiteral("fast")), std::nullopt);
    EXPECT_EQ(darkFromKdeColor(QStringLiteral("35,38,41")), true);
    EXPECT_EQ(darkFromKdeColor(QStringList {"239", "240", "241"}), false); // how ini files read it
    EXPECT_EQ(darkFromKdeColor(QStringLiteral("300,0,0")), std::nullopt);
    EXPECT_EQ(darkFromKdeColor(QStringLiteral("12,12")), std::nullopt);
}

TEST(DesktopAppearance, KdeGlobalsFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kdeglobals"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Colors:Window]\nBackgroundNormal=32,35,38\n\n[KDE]\nAnimationDurationFactor=0\nLookAndFeelPackage=x\n");
    file.close();
    const AppearanceValues values = resolveAppearance(readingsFromKdeGlobals(path), false, 1.0);
    EXPECT_TRUE(values.isDark);
    EXPECT_TRUE(values.reduceMotion);
    EXPECT_TRUE(readingsFromKdeGlobals(dir.filePath(QStringLiteral("missing"))).isEmpty());
}

TEST(DesktopAppearance, DesktopWinsOverPaletteAndDefaults)
{
    // Nothing from the desktop: palette and font decide.
    EXPECT_EQ(resolveAppearance({}, true, 1.3), (AppearanceValues {true, false, false, 1.3}));

    Readings readings;
    readings.insert(kGnomeColorScheme.id(), QStringLiteral("prefer-dark"));
    readings.insert(kPortalColorScheme.id(), uint(2)); // the portal's own key wins
    readings.insert(kGnomeHighContrast.id(), true);
    readings.insert(kGnomeEnableAnimations.id(), false);
    readings.insert(kKdeAnimationDurationFactor.id(), QStringLiteral("1")); // GNOME's key first
    readings.insert(kGnomeTextScalingFactor.id(), 1.5);
    EXPECT_EQ(resolveAppearance(readings, true, 1.0), (AppearanceValues {false, true, true, 1.5}));

    // "No preference" from the portal hands over to the next source.
    readings.insert(kPortalColorScheme.id(), uint(0));
    readings.insert(kPortalContrast.id(), uint(0)); // an explicit "normal" beats GNOME's
    const AppearanceValues next = resolveAppearance(readings, false, 1.0);
    EXPECT_TRUE(next.isDark);
    EXPECT_FALSE(next.increasedContrast);
}

TEST(DesktopAppearance, OnlyWatchedSettingsAreKept)
{
    EXPECT_TRUE(isWatched(kAppearanceNamespace, QStringLiteral("color-scheme")));
    EXPECT_FALSE(isWatched(kAppearanceNamespace, QStringLiteral("accent-color")));
    EXPECT_FALSE(isWatched(QStringLiteral("org.example"), QStringLiteral("color-scheme")));
}

TEST(TextScaleCap, ClampsToDefaultAndSecondAccessibilitySize)
{
    EXPECT_DOUBLE_EQ(SystemAppearance::clampTextScale(0.8), 1.0);
    EXPECT_DOUBLE_EQ(SystemAppearance::clampTextScale(1.0), 1.0);
    EXPECT_DOUBLE_EQ(SystemAppearance::clampTextScale(1.4), 1.4);
    EXPECT_DOUBLE_EQ(SystemAppearance::clampTextScale(3.0), 28.0 / 17.0);
    EXPECT_DOUBLE_EQ(SystemAppearance::clampTextScale(0.0), 1.0);
    EXPECT_DOUBLE_EQ(SystemAppearance::clampTextScale(-2.0), 1.0);
    EXPECT_DOUBLE_EQ(SystemAppearance::clampTextScale(std::nan("")), 1.0);
    EXPECT_DOUBLE_EQ(SystemAppearance::clampTextScale(std::numeric_limits<double>::infinity()), 28.0 / 17.0);
}
