// The four-colour suit inks: every pair stays apart for the common
// colour-vision deficiencies in every look, and every ink reads against the
// card body.

#include "cards/Card.h"
#include "graphics/Appearance.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

using namespace murvane;
using namespace murvane::graphics;

namespace {

using Vec3 = std::array<double, 3>;
using Matrix = std::array<Vec3, 3>;

double linear(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

Vec3 linearRgb(const QColor& c) { return {linear(c.redF()), linear(c.greenF()), linear(c.blueF())}; }

// Dichromacy at full severity in linear RGB (Machado, Oliveira and Fernandes
// 2009); "none" leaves the colour alone.
struct Deficiency {
    const char* name;
    Matrix m;
};
constexpr Deficiency kDeficiencies[] = {
    {"none", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    {"protanopia", {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia", {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia", {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
};

Vec3 simulate(const Matrix& m, const Vec3& rgb)
{
    Vec3 out{};
    for (size_t i = 0; i < 3; ++i)
        out[i] = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
    return out;
}

// CIE L*a*b* (D65) of a linear sRGB colour.
Vec3 lab(const Vec3& rgb)
{
    const double x = (0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047;
    const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    const double z = (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double degrees(double radians) { return radians * 180 / std::numbers::pi; }
double radians(double degrees) { return degrees * std::numbers::pi / 180; }

// The CIEDE2000 colour difference.
double deltaE2000(const Vec3& one, const Vec3& two)
{
    const auto [l1, a1, b1] = one;
    const auto [l2, a2, b2] = two;
    const double meanC = (std::hypot(a1, b1) + std::hypot(a2, b2)) / 2;
    const double g = 0.5 * (1 - std::sqrt(std::pow(meanC, 7) / (std::pow(meanC, 7) + std::pow(25.0, 7))));
    const double a1p = (1 + g) * a1, a2p = (1 + g) * a2;
    const double c1 = std::hypot(a1p, b1), c2 = std::hypot(a2p, b2);
    const auto hue = [](double b, double a) { return a == 0 && b == 0 ? 0.0 : std::fmod(degrees(std::atan2(b, a)) + 360, 360); };
    const double h1 = hue(b1, a1p), h2 = hue(b2, a2p);
    double dh = 0;
    if (c1 * c2 != 0) {
        dh = h2 - h1;
        dh += dh > 180 ? -360 : dh < -180 ? 360 : 0;
    }
    const double dL = l2 - l1, dC = c2 - c1;
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(radians(dh / 2));
    const double meanL = (l1 + l2) / 2, meanCp = (c1 + c2) / 2;
    double meanH = h1 + h2;
    if (c1 * c2 != 0) {
        meanH = (h1 + h2) / 2;
        if (std::abs(h1 - h2) > 180)
            meanH += h1 + h2 < 360 ? 180 : -180;
    }
    const double t = 1 - 0.17 * std::cos(radians(meanH - 30)) + 0.24 * std::cos(radians(2 * meanH))
                     + 0.32 * std::cos(radians(3 * meanH + 6)) - 0.20 * std::cos(radians(4 * meanH - 63));
    const double rotation = 30 * std::exp(-std::pow((meanH - 275) / 25, 2));
    const double rc = 2 * std::sqrt(std::pow(meanCp, 7) / (std::pow(meanCp, 7) + std::pow(25.0, 7)));
    const double sl = 1 + 0.015 * std::pow(meanL - 50, 2) / std::sqrt(20 + std::pow(meanL - 50, 2));
    const double sc = 1 + 0.045 * meanCp, sh = 1 + 0.015 * meanCp * t;
    const double rt = -std::sin(radians(2 * rotation)) * rc;
    return std::sqrt(std::pow(dL / sl, 2) + std::pow(dC / sc, 2) + std::pow(dH / sh, 2) + rt * (dC / sc) * (dH / sh));
}

double seenDistance(const Deficiency& d, const QColor& one, const QColor& two)
{
    return deltaE2000(lab(simulate(d.m, linearRgb(one))), lab(simulate(d.m, linearRgb(two))));
}

// WCAG contrast ratio of two opaque colours.
double contrastRatio(const QColor& one, const QColor& two)
{
    const auto luminance = [](const QColor& c) {
        const Vec3 l = linearRgb(c);
        return 0.2126 * l[0] + 0.7152 * l[1] + 0.0722 * l[2];
    };
    const double a = luminance(one), b = luminance(two);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// Two colours closer than this after simulation count as confusable: far
// past a just-noticeable difference (about 1), so even a small corner index
// tells its suit at a glance.
constexpr double kMinSeenDistance = 20;

constexpr Appearance kLooks[] = {{false, false}, {true, false}, {false, true}, {true, true}};

std::string lookName(const Appearance& a)
{
    return std::string(a.dark ? "dark" : "light") + (a.increasedContrast ? " + increased contrast" : "");
}

} // namespace

// The measure itself, against the published CIEDE2000 test data (Sharma, Wu
// and Dalal 2005), and a simulation that does merge the classic confusion.
TEST(SuitColours, DistanceMeasureMatchesPublishedDataAndSeesTheConfusion)
{
    const struct { Vec3 one, two; double expected; } pairs[] = {
        {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
        {{50, -1.3802, -84.2814}, {50, 0, -82.7485}, 1.0000},
        {{50, 2.49, -0.001}, {50, -2.49, 0.0009}, 7.1792},
        {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
        {{50, 2.5, 0}, {61, -5, 29}, 22.8977},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
    };
    for (const auto& p : pairs)
        EXPECT_NEAR(deltaE2000(p.one, p.two), p.expected, 1e-4);

    // A plain red and green: far apart to most eyes, nearly one colour to a
    // deuteranope.
    const QColor red(204, 18, 18), green(0, 128, 0);
    EXPECT_GT(seenDistance(kDeficiencies[0], red, green), 3 * kMinSeenDistance);
    EXPECT_LT(seenDistance(kDeficiencies[2], red, green), kMinSeenDistance / 2);
}

// Look x deficiency x pair of {card body, spades, hearts, diamonds, clubs}.
TEST(SuitColours, EveryPairStaysApartForCommonColourVisionDeficiencies)
{
    for (const Appearance& look : kLooks) {
        std::vector<std::pair<std::string, QColor>> inks = {{"body", controlBackgroundColor(look)}};
        for (Suit s : kAllSuits)
            inks.emplace_back(rawValue(s).toStdString(), suitColor(s, look, SuitColours::four));
        for (const Deficiency& d : kDeficiencies)
            for (size_t i = 0; i < inks.size(); ++i)
                for (size_t j = i + 1; j < inks.size(); ++j)
                    EXPECT_GE(seenDistance(d, inks[i].second, inks[j].second), kMinSeenDistance)
                        << lookName(look) << ", " << d.name << ": " << inks[i].first << " vs " << inks[j].first;
    }
}

TEST(SuitColours, EveryInkReadsAgainstTheCardBody)
{
    for (const Appearance& look : kLooks) {
        const double needed = look.increasedContrast ? 4.5 : 3;
        for (SuitColours colours : {SuitColours::two, SuitColours::four})
            for (Suit s : kAllSuits)
                EXPECT_GE(contrastRatio(suitColor(s, look, colours), controlBackgroundColor(look)), needed)
                    << lookName(look) << ", " << rawValue(s).toStdString() << ", "
                    << (colours == SuitColours::four ? "four" : "two") << " colours";
    }
}
