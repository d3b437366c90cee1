// Shipped translations are embedded, looked up by English key, and any
// missing or unreadable translation falls back to English.

#include "text/Localization.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace murvane;

namespace {

struct LanguageGuard {
    explicit LanguageGuard(const QString& language) { setApplicationLanguage(language); }
    ~LanguageGuard()
    {
        setTranslationDirectory(QStringLiteral(":/translations"));
        setApplicationLanguage(QStringLiteral("en"));
    }
};

} // namespace

TEST(TranslationTest, FrenchTextsNumbersAndMoney)
{
    LanguageGuard guard(QStringLiteral("fr"));
    const QString nbsp(QChar(0x00A0));
    EXPECT_EQ(localizedString(QStringLiteral("Empty Waste Pile")), QStringLiteral("Défausse vide"));
    EXPECT_EQ(localizedPlural(QStringLiteral("Stock pile. %lld cards remaining. Tap to draw."), 1),
              QStringLiteral("Pioche. 1 carte restante. Touchez pour piocher."));
    EXPECT_EQ(localizedPlural(QStringLiteral("Stock pile. %lld cards remaining. Tap to draw."), 24),
              QStringLiteral("Pioche. 24 cartes restantes. Touchez pour piocher."));
    EXPECT_EQ(localizedString(QStringLiteral("%.1f%%"), {50.0}), "50,0" + nbsp + "%");
    // Grouping and the gap before the sign never break across lines.
    const QString amount = formatVegasAmount(1240);
    ASSERT_EQ(amount.size(), 7);
    EXPECT_TRUE(amount.at(1).category() == QChar::Separator_Space && amount.at(1) != QLatin1Char(' '));
    EXPECT_EQ(amount.at(5), QChar(0x00A0));
    EXPECT_EQ(QString(amount).remove(1, 1), "1240" + nbsp + "$");
}

TEST(TranslationTest, EachShippedLanguageIsEmbedded)
{
    const std::pair<const char*, const char*> cases[] = {
        {"fr", "Défausse vide"},
        {"de", "Leere Ablage"},
        {"es", "Descarte vacío"},
        {"pl", "Pusty stos odkrytych kart"},
    };
    for (const auto& [language, expected] : cases) {
        LanguageGuard guard(QString::fromLatin1(language));
        EXPECT_EQ(localizedString(QStringLiteral("Empty Waste Pile")), QString::fromUtf8(expected));
    }
}

TEST(TranslationTest, PolishPicksOneFewAndMany)
{
    LanguageGuard guard(QStringLiteral("pl"));
    const std::pair<std::int64_t, const char*> cases[] = {
        {1, "Pozostała 1 karta"}, {3, "Pozostały 3 karty"}, {5, "Pozostało 5 kart"},
        {12, "Pozostało 12 kart"}, {22, "Pozostały 22 karty"}, {0, "Pozostało 0 kart"},
    };
    for (const auto& [count, expected] : cases)
        EXPECT_TRUE(localizedPlural(QStringLiteral("Stock pile. %lld cards remaining. Tap to draw."), count)
                        .contains(QString::fromUtf8(expected)))
            << count;
}

TEST(TranslationTest, FallsBackToEnglish)
{
    QTemporaryDir dir;
    QFile damaged(dir.filePath(QStringLiteral("murvane_fr.qm")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a translation file");
    damaged.close();
    struct Case {
        const char* language;
        QString directory;
    };
    const Case cases[] = {
        {"xx", QStringLiteral(":/translations")}, // no such language
        {"fr", dir.path() + QStringLiteral("/missing")},
        {"fr", dir.path()}, // unreadable file
    };
    for (const Case& c : cases) {
        LanguageGuard guard(QString::fromLatin1(c.language));
        setTranslationDirectory(c.directory);
        EXPECT_EQ(localizedString(QStringLiteral("Empty Waste Pile")), QStringLiteral("Empty Waste Pile"));
        EXPECT_EQ(localizedPlural(QStringLiteral("Stock pile. %lld cards remaining. Tap to draw."), 1),
                  QStringLiteral("Stock pile. 1 card remaining. Tap to draw."))
            << c.language << " " << c.directory.toStdString();
    }
}
