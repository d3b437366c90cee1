#include "screens/ModalScreenView.h"
#include "screens/GameWords.h"
#include "screens/StatisticsScreen.h"
#include "ScreensTestSupport.h"

#include "persistence/SettingsKeys.h"
#include "text/Localization.h"

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::screens;

TEST(Statistics, RowsShowTheFiguresAsTheyChange)
{
    struct Case {
        const char* what;
        std::int64_t deals, solved, bankroll;
        const char* lost;
        const char* rate;
        const char* money;
        const char* recent; // as stored, oldest first
        const char* sentence;
        const char* dailyPlayed; // stored days; today is 2026-12-08
        const char* dailyWon;
        const char* daily;     // played, won, current streak, best streak
        const char* dailyDays; // won, played but not won, not played
        std::int64_t fastestMs, fewestMoves; // Draw 3 Vegas, as stored
        const char* timed;                    // spoken; none while the section is hidden
    };
    const Case cases[] = {
        {"no deals", 0, 0, 0, "0", "0.0%", "$0", "", "No finished deals yet.", "", "", "0 0 0 0", "0 0 14", 0, 0,
         nullptr},
        {"more wins than deals", 3, 5, 10, "0", "166.7%", "$10", "W", "Last 1 deal: 1 won, 0 lost, 0 abandoned",
         "", "2026-12-07", "1 1 1 1", "1 0 13", 3'765'999, 123, "Draw 3, Vegas: Fastest Win: 1:02:45, Fewest Moves: 123"},
        {"negative bankroll", 4, 1, -52, "3", "25.0%", "-$52", "WWLAAW?",
         "Last 6 deals: 3 won, 1 lost, 2 abandoned", "2026-11-20/2026-12-08",
         "2026-11-20/2026-11-30,2026-12-06/2026-12-08", "19 14 3 11", "9 5 0", 187'000, 1,
         "Draw 3, Vegas: Fastest Win: 3:07, Fewest Moves: 1"},
        {"two deals, one win", 2, 1, 1240, "1", "50.0%", "$1,240", "WLLWAAWWWWWWLLLLLLLLLLLLLLLAAAWL",
         "Last 30 deals: 8 won, 17 lost, 5 abandoned", "x", "2026-12-01", "1 1 0 1", "1 0 13", -5, 40,
         nullptr}, // a negative time is no record
        {"a shown deal", 3, 1, 0, "2", "33.3%", "$0", "WSA", "Last 3 deals: 1 won, 0 lost, 1 abandoned. Shown: 1", "",
         "", "0 0 0 0", "0 0 14", 0, 0, nullptr},
    };
    const auto dailySpoken = [](const char* figures) {
        const QStringList n = QString::fromLatin1(figures).split(' ');
        return QString("Daily: %1 played · %2 won · current streak %3 · best streak %4").arg(n[0], n[1], n[2], n[3]);
    };
    const auto daysSpoken = [](const char* figures) {
        const QStringList n = QString::fromLatin1(figures).split(' ');
        return QString("Last 14 days: won %1, played but not won %2, not played %3").arg(n[0], n[1], n[2]);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InMemorySettingsStore store;
        store.setInteger(keys::dealsCount, c.deals);
        store.setInteger(keys::solvedCount, c.solved);
        store.setInteger(keys::vegasBankroll, c.bankroll);
        store.setInteger(keys::bestScore, -3);
        store.setInteger(keys::draw3VegasPlayed, c.deals);
        store.setInteger(keys::draw3VegasWon, c.solved);
        store.setString(keys::recentDeals, c.recent);
        store.setString(keys::dailyPlayedDays, c.dailyPlayed);
        store.setString(keys::dailyWonDays, c.dailyWon);
        store.setInteger(keys::draw3VegasFastestWin, c.fastestMs);
        store.setInteger(keys::draw3VegasFewestMoves, c.fewestMoves);
        SolitaireGame game(store, false);
        game.setClock([] { return QDate(2026, 12, 8); });
        QWidget panel;
        panel.resize(375, 600);
        ModalScreenView view(game, ModalScreen::statistics, 1.0, &panel);
        panel.show();

        const auto spoken = [&view](const char* id) {
            QWidget* row = view.findChild<QWidget*>(QString::fromUtf8(id));
            return row ? row->accessibleName() : QString("missing");
        };
        EXPECT_EQ(spoken("stat-dealsPlayed"), QString("Deals Played: %1").arg(c.deals));
        EXPECT_EQ(spoken("stat-gamesWon"), QString("Games Won: %1").arg(c.solved));
        EXPECT_EQ(spoken("stat-gamesLost"), QString("Games Lost: ") + c.lost);
        EXPECT_EQ(spoken("stat-winRate"), QString("Win Rate: ") + c.rate);
        EXPECT_EQ(spoken("stat-currentStreak"), "Current Streak: 0");
        EXPECT_EQ(spoken("stat-bestStreak"), "Best Streak: 0");
        EXPECT_EQ(spoken("stat-bestScore"), "Best Score: -3");
        EXPECT_EQ(spoken("stat-vegasBankroll"), QString("Vegas Bankroll: ") + c.money);
        EXPECT_EQ(statisticRows(game).size(), 8);
        // By rule set: Draw 1 and Draw 3 under Standard, then under Vegas.
        // A rule set never played has no rate yet.
        EXPECT_EQ(spoken("stat-ruleSet0"), "Draw 1, Standard: 0 played · 0 won · —");
        EXPECT_EQ(spoken("stat-ruleSet3"), QString("Draw 3, Vegas: %1 played · %2 won · %3")
                                               .arg(c.deals)
                                               .arg(c.solved)
                                               .arg(c.deals > 0 ? c.rate : "—"));
        EXPECT_EQ(ruleSetRows(game).size(), 4);
        EXPECT_EQ(spoken("stat-recentDeals"), c.sentence);
        // The shown mark is explained only while the strip holds one.
        const bool shown = QString(c.recent).contains('S');
        EXPECT_EQ(view.findChild<QLabel*>("stat-recentDealsKey")->text().contains("Shown"), shown);
        EXPECT_EQ(view.findChild<QLabel*>("stat-recentDealsLegend")->text().contains("Watch Solution"), shown);
        EXPECT_EQ(spoken("stat-daily"), dailySpoken(c.daily));
        EXPECT_EQ(spoken("stat-dailyDays"), daysSpoken(c.dailyDays));
        // Time and moves: shown only once a rule set has a timed win.
        QWidget* timed = view.findChild<QWidget*>("stat-timeAndMoves");
        EXPECT_EQ(timed->isVisibleTo(&view), c.timed != nullptr);
        EXPECT_EQ(timedRecordRows(game).size(), c.timed ? 1 : 0);
        if (c.timed)
            EXPECT_EQ(spoken("stat-timedRecord3"), c.timed);

        // Live: a reset shows the zeroed figures at once.
        game.session().resetStatistics();
        EXPECT_EQ(spoken("stat-winRate"), "Win Rate: 0.0%");
        EXPECT_EQ(spoken("stat-vegasBankroll"), "Vegas Bankroll: $0");
        EXPECT_EQ(spoken("stat-ruleSet3"), "Draw 3, Vegas: 0 played · 0 won · —");
        EXPECT_EQ(spoken("stat-recentDeals"), "No finished deals yet.");
        EXPECT_EQ(spoken("stat-daily"), dailySpoken("0 0 0 0"));
        EXPECT_EQ(spoken("stat-dailyDays"), daysSpoken("0 0 14"));
        EXPECT_FALSE(timed->isVisibleTo(&view));
    }
}

TEST(Statistics, GamesLostNeverGoesNegativeOrOverflows)
{
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(gamesLost(max, min), max);
    EXPECT_EQ(gamesLost(min, max), 0);
    EXPECT_EQ(gamesLost(10, 4), 6);
    EXPECT_EQ(winRateText(-5, 3), "0.0%");
    EXPECT_EQ(ruleSetRateText(0, 0), "—");
    EXPECT_EQ(ruleSetRateText(-5, 3), "—");
    EXPECT_EQ(ruleSetRateText(3, 1), "33.3%");
}

TEST(Statistics, TimesShowWholeSecondsWithHoursOnlyOnceReached)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {-5, "0:00"},           {999, "0:00"},          {59'999, "0:59"},         {187'000, "3:07"},
        {3'599'999, "59:59"},   {3'600'000, "1:00:00"}, {3'765'000, "1:02:45"},   {360'000'000, "100:00:00"},
    };
    for (const auto& [ms, text] : cases)
        EXPECT_EQ(durationText(ms), text) << ms;
}

TEST(Statistics, RuleSetTableAndTheStripsWordsFitAtTheLargestTextInEveryLanguage)
{
    struct English {
        ~English() { setApplicationLanguage(QStringLiteral("en")); }
    } restore;
    const qreal t = 1.18 * 28.0 / 17.0; // large board, largest text
    for (const char* language : {"en", "de", "fr", "pl", "es"}) {
        setApplicationLanguage(QString::fromLatin1(language));
        InMemorySettingsStore store;
        store.setInteger(keys::draw1StandardPlayed, 9120);
        store.setInteger(keys::draw1StandardWon, 5010);
        store.setInteger(keys::draw3VegasPlayed, 700);
        store.setInteger(keys::draw3VegasWon, 220);
        store.setString(keys::recentDeals, QStringLiteral("WWLAWWLLWAWWWLWWLLLWAWWWLWWWLA"));
        store.setString(keys::dailyPlayedDays, QStringLiteral("2024-01-01/2026-12-08"));
        store.setString(keys::dailyWonDays, QStringLiteral("2024-01-01/2026-12-08"));
        for (const auto& [time, moves] : {std::pair{keys::draw1StandardFastestWin, keys::draw1StandardFewestMoves},
                                          {keys::draw3VegasFastestWin, keys::draw3VegasFewestMoves}}) {
            store.setInteger(time, 36'000'000); // ten hours
            store.setInteger(moves, 1234);
        }
        SolitaireGame game(store, false);
        QWidget panel;
        panel.resize(qRound(375 * t), qRound(530 * t));
        ModalScreenView view(game, ModalScreen::statistics, t, &panel);
        view.setGeometry(panel.rect());
        panel.show();
        QApplication::processEvents();
        QWidget* table = view.findChild<QWidget*>("stat-ruleSets");
        ASSERT_NE(table, nullptr) << language;
        QList<QLabel*> cells = table->findChildren<QLabel*>();
        ASSERT_GE(cells.size(), 4 * 5 + 2) << language; // a heading line, four rows, two scoring modes
        // The timed wins' table: its heading line and two rule sets.
        for (const char* id : {"stat-timedRecord0", "stat-timedRecord3"})
            ASSERT_NE(view.findChild<QWidget*>(id), nullptr) << language << id;
        for (QLabel* cell : view.findChild<QWidget*>("stat-timeAndMoves")->findChildren<QLabel*>())
            if (cell->isVisibleTo(&view) && !cell->text().isEmpty())
                cells.append(cell);
        for (QLabel* cell : cells) {
            const std::string where = std::string(language) + ": " + cell->text().toStdString();
            // On one line, whole: no heading, figure or rule set wraps or is cut.
            EXPECT_LE(cell->height(), 2 * QFontMetrics(cell->font()).height() - 2) << where;
            EXPECT_GE(cell->width(), QFontMetrics(cell->font()).horizontalAdvance(cell->text())) << where;
        }
        // The Daily row's headings may wrap, but nothing is cut or pushed
        // past the screen's edge.
        for (QLabel* label : view.findChild<QWidget*>("stat-daily")->findChildren<QLabel*>()) {
            const std::string where = std::string(language) + ": " + label->text().toStdString();
            EXPECT_LE(label->mapTo(&view, label->rect().bottomRight()).x(), view.width()) << where;
            if (!label->wordWrap())
                EXPECT_GE(label->width(), QFontMetrics(label->font()).horizontalAdvance(label->text())) << where;
        }
        // The rate of the rule set never played is a dash.
        EXPECT_TRUE(view.findChild<QWidget*>("stat-ruleSet1")->accessibleName().endsWith("—")) << language;
        // Each figure of the sentence stays with its word.
        for (QLabel* label : view.findChild<QWidget*>("stat-recentDeals")->findChildren<QLabel*>())
            EXPECT_FALSE(QRegularExpression("\\d |(?<= )\\d+[^ \\x{00A0}\\d]").match(label->text()).hasMatch())
                << language << ": " << label->text().toStdString();
    }
}
