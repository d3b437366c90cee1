// Text lookup, printf-style formatting, plural categories and money.

#include "text/Localization.h"

#include <gtest/gtest.h>

using namespace murvane;

namespace {

struct LanguageGuard {
    explicit LanguageGuard(const QString& language) { setApplicationLanguage(language); }
    ~LanguageGuard() { setApplicationLanguage(QStringLiteral("en")); }
};

} // namespace

TEST(FormatTest, Placeholders)
{
    const QLocale en("en");
    struct Case {
        const char* format;
        QList<FormatArg> args;
        const char* expected;
    };
    const Case cases[] = {
        {"Pass %lld/%lld", {std::int64_t(2), std::int64_t(3)}, "Pass 2/3"},
        {"%1$@ of %2$@", {QString("Queen"), QString("Hearts")}, "Queen of Hearts"},
        {"%2$@ before %1$@", {QString("a"), QString("b")}, "b before a"},
        {"%2$lld then %1$@", {QString("x"), std::int64_t(7)}, "7 then x"},
        {"%.1f%%", {66.666}, "66.7%"},
        {"%.1f", {std::int64_t(3)}, "3.0"},
        {"%lld", {std::int64_t(1234567)}, "1234567"},
        {"100%% sure", {}, "100% sure"},
        {"missing %@ arg", {}, "missing  arg"},
        {"odd %q tail %", {}, "odd %q tail %"},
        {"%9999999$@", {QString("x")}, "%9999999$@"}, // absurd positions stay literal
        {"%@", {std::int64_t(-9223372036854775807LL - 1)}, "-9,223,372,036,854,775,808"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatString(QString::fromUtf8(c.format), c.args, en), QString::fromUtf8(c.expected)) << c.format;
}

TEST(FormatTest, LocaleDecimalSeparator)
{
    EXPECT_EQ(formatString("%.1f", {0.5}, QLocale("fr")), "0,5");
}

TEST(PluralTest, CategoriesByLanguage)
{
    struct Case {
        const char* language;
        std::int64_t count;
        const char* category;
    };
    const Case cases[] = {
        {"en", 0, "other"}, {"en", 1, "one"}, {"en", 2, "other"},
        {"fr", 0, "one"},   {"fr", 1, "one"}, {"fr", 2, "other"},
        {"pl", 1, "one"},   {"pl", 2, "few"}, {"pl", 4, "few"},   {"pl", 5, "many"},
        {"pl", 12, "many"}, {"pl", 14, "many"}, {"pl", 22, "few"}, {"pl", 112, "many"},
        {"pl", 0, "many"},  {"de", 1, "one"}, {"de", 3, "other"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pluralCategory(c.language, c.count), c.category) << c.language << " " << c.count;
}

TEST(PluralTest, LookupFallsBackToOtherThenTheBareKey)
{
    LanguageGuard en("en");
    EXPECT_EQ(localizedPlural("%lld cards", 1), "1 card");
    EXPECT_EQ(localizedPlural("%lld cards", 5), "5 cards");
    EXPECT_EQ(localizedPlural("%lld widgets", 5), "5 widgets"); // no entry at all
    // The board's spoken counts read naturally for a single card.
    EXPECT_EQ(localizedPlural("Stock pile. %lld cards remaining. Tap to draw.", 1),
              "Stock pile. 1 card remaining. Tap to draw.");
    EXPECT_EQ(localizedPlural("Column %2$lld: %1$lld face-down cards", 1, {std::int64_t(3)}),
              "Column 3: 1 face-down card");
    EXPECT_EQ(localizedPlural("Column %2$lld: %1$lld face-down cards", 4, {std::int64_t(3)}),
              "Column 3: 4 face-down cards");
}

TEST(MoneyTest, EnglishAndOtherLanguages)
{
    {
        LanguageGuard en("en");
        EXPECT_EQ(formatVegasAmount(-52), "-$52");
        EXPECT_EQ(formatVegasAmount(1240), "$1,240");
        EXPECT_EQ(formatVegasAmount(0), "$0");
    }
    {
        LanguageGuard de("de");
        EXPECT_EQ(formatVegasAmount(-1240), QString("-1.240") + QChar(0x00A0) + "$");
        EXPECT_EQ(formatVegasAmount(208), QString("208") + QChar(0x00A0) + "$");
    }
}

TEST(LookupTest, MissingEntriesGiveTheKey)
{
    LanguageGuard en("en");
    EXPECT_EQ(localizedString("Murvane Solitaire"), "Murvane Solitaire");
    EXPECT_EQ(localizedString("Pass %lld of %lld", {std::int64_t(1), std::int64_t(3)}), "Pass 1 of 3");
}
