// Today's Deal: the daily record's counts and streaks under any clock, the
// date a deal keeps through a save, and the session counting the day the
// deal was dealt for.

#include "support/Positions.h"

#include "engine/DailyRecord.h"

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::testing;

namespace {

QDate day(const char* iso)
{
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

Position oneCardFromWinning()
{
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC"};
    p.tableau = {"KC", "", "", "", "", "", ""};
    p.hasStartedCurrentDeal = true;
    return p;
}

} // namespace

// Days are marked in the order the clock gave them, which need not be the
// calendar's: a clock set back or forward only ever adds a day.
TEST(DailyRecordTest, CountsAndStreaksFollowTheCalendarWhateverTheClockDid)
{
    struct Mark {
        const char* date;
        bool won;
    };
    const struct {
        const char* name;
        std::vector<Mark> marks;
        const char* today;
        std::int64_t played, won, current, best;
    } cases[] = {
        {"across a month end", {{"2026-11-29", true}, {"2026-11-30", true}, {"2026-12-01", true}}, "2026-12-01", 3, 3, 3, 3},
        {"across a year end, today not yet won",
         {{"2026-12-30", true}, {"2026-12-31", true}, {"2027-01-01", true}, {"2027-01-02", false}}, "2027-01-02", 4, 3, 3, 3},
        {"across a leap day", {{"2024-02-28", true}, {"2024-02-29", true}, {"2024-03-01", true}}, "2024-03-01", 3, 3, 3, 3},
        {"a skipped day ends the streak", {{"2026-12-05", true}, {"2026-12-06", true}, {"2026-12-08", true}}, "2026-12-08", 3, 3, 1, 2},
        {"a day played but not won ends it", {{"2026-12-01", true}, {"2026-12-02", false}, {"2026-12-03", true}}, "2026-12-03", 3, 2, 1, 1},
        {"a streak lapses two days on", {{"2026-12-01", true}, {"2026-12-02", true}}, "2026-12-04", 2, 2, 0, 2},
        {"a day counts once, however often played",
         {{"2026-12-08", false}, {"2026-12-08", true}, {"2026-12-08", false}, {"2026-12-08", true}}, "2026-12-08", 1, 1, 1, 1},
        {"clock set back a week, then right again",
         {{"2026-12-07", true}, {"2026-12-08", true}, {"2026-12-01", true}, {"2026-12-09", true}}, "2026-12-09", 4, 4, 3, 3},
        {"while set back, later wins do not count towards today",
         {{"2026-12-07", true}, {"2026-12-08", true}, {"2026-12-01", true}}, "2026-12-01", 3, 3, 1, 2},
        {"clock set months ahead, then right again",
         {{"2026-12-07", true}, {"2027-03-01", true}, {"2026-12-08", true}}, "2026-12-08", 3, 3, 2, 2},
    };
    for (const auto& c : cases) {
        DailyRecord record;
        for (const Mark& m : c.marks)
            m.won ? record.markWon(day(m.date)) : record.markPlayed(day(m.date));
        // What is stored reads back as the same record.
        const DailyRecord reread = DailyRecord::fromStored(record.playedText(), record.wonText());
        for (const DailyRecord* r : {static_cast<const DailyRecord*>(&record), &reread}) {
            EXPECT_EQ(r->daysPlayed(), c.played) << c.name;
            EXPECT_EQ(r->daysWon(), c.won) << c.name;
            EXPECT_EQ(r->currentStreak(day(c.today)), c.current) << c.name;
            EXPECT_EQ(r->bestStreak(), c.best) << c.name;
        }
        EXPECT_EQ(reread, record) << c.name;
    }
}

TEST(DailyRecordTest, StoredTextAndTheLastDays)
{
    DailyRecord record;
    for (const char* d : {"2026-12-02", "2026-12-03", "2026-12-04", "2026-12-07"})
        record.markPlayed(day(d));
    record.markWon(day("2026-12-03"));
    record.markWon(day("2026-12-08")); // a win is a day played too
    EXPECT_EQ(record.playedText(), QStringLiteral("2026-12-02/2026-12-04,2026-12-07/2026-12-08"));
    EXPECT_EQ(record.wonText(), QStringLiteral("2026-12-03,2026-12-08"));
    using R = DailyResult;
    EXPECT_EQ(record.lastDays(day("2026-12-08"), 8),
              (QList<R>{R::notPlayed, R::played, R::won, R::played, R::notPlayed, R::notPlayed, R::played, R::won}));

    // Damaged text: every readable run is kept, in order and merged, and the
    // rest is left out; a won day not listed as played still counts as played.
    const DailyRecord damaged = DailyRecord::fromStored(
        QStringLiteral("nonsense,2026-02-30,2026-12-09/2026-12-01,2026-12-05/2026-12-06,2026-12-01,2026-12-02/2026-12-03/x,"
                       "2026-12-02T10:00,2026-12-04/2026-12-05"),
        QStringLiteral("2026-12-10,,7"));
    EXPECT_EQ(damaged.playedText(), QStringLiteral("2026-12-01,2026-12-04/2026-12-06,2026-12-10"));
    EXPECT_EQ(damaged.wonText(), QStringLiteral("2026-12-10"));
}

// The deal keeps the day it was dealt for: won after midnight, and even
// after a relaunch from the saved game, it counts for that day.
TEST(DailyDealTest, ARestoredDailyDealWonAfterMidnightCountsForItsOwnDay)
{
    const QDate dealtOn = day("2026-12-07"), afterMidnight = day("2026-12-08");
    InMemorySettingsStore store;
    storeRules(store, "Standard", true, 1);
    SavedGame record = oneCardFromWinning().record(ScoringMode::standard, std::nullopt);
    record.dealt = dealtFromOrderedDeck(dailyDealNumber(dealtOn));
    record.dealt->dailyDate = dealtOn;
    store.setData(keys::savedGame, encodeSavedGame(record));

    SolitaireGame game(store, false);
    game.setClock([&] { return afterMidnight; });
    ASSERT_EQ(game.session().origin().dailyDate, dealtOn);
    EXPECT_EQ(game.makeSavedGame().dealt->dailyDate, dealtOn);
    game.play().move(DragSource::tableau(0, 0), MoveTarget::foundation(3));
    ASSERT_TRUE(game.play().hasWon());
    const DailyRecord& daily = game.statistics().daily();
    EXPECT_EQ(daily.result(dealtOn), DailyResult::won);
    EXPECT_EQ(daily.result(afterMidnight), DailyResult::notPlayed);
    EXPECT_EQ(daily.currentStreak(afterMidnight), 1);
    EXPECT_EQ(store.stringForKey(keys::dailyWonDays), QStringLiteral("2026-12-07"));
    // It counts in the ordinary statistics as any numbered deal.
    EXPECT_EQ(game.statistics().solvedCount(), 1);
}

// A date that does not name the saved number is not believed: the deal plays
// on as the numbered deal it is, and no day is counted.
TEST(DailyDealTest, ADailyDateThatDoesNotNameTheNumberIsDropped)
{
    InMemorySettingsStore store;
    storeRules(store, "Standard", true, 1);
    SavedGame record = oneCardFromWinning().record(ScoringMode::standard, std::nullopt);
    record.dealt = dealtFromOrderedDeck(dailyDealNumber(day("2026-12-07")) + 1);
    record.dealt->dailyDate = day("2026-12-07");
    store.setData(keys::savedGame, encodeSavedGame(record));
    SolitaireGame game(store, false);
    EXPECT_TRUE(game.session().origin().number.has_value());
    EXPECT_FALSE(game.session().origin().dailyDate.has_value());
    game.play().move(DragSource::tableau(0, 0), MoveTarget::foundation(3));
    EXPECT_EQ(game.statistics().daily().daysPlayed(), 0);
}

// Today's deal is played through the numbered-deal path and counts for the
// day it was dealt on, once, whatever the clock does in between.
TEST(DailyDealTest, TheSessionCountsEachDayOnceAsTheClockMoves)
{
    InMemorySettingsStore store;
    storeRules(store, "Standard", true, 1);
    SolitaireGame game(store, false);
    QDate now = day("2026-12-08");
    game.setClock([&] { return now; });
    DragState drag;
    const auto playToday = [&] {
        game.session().playDeal(dailyDealRequest(game.today()));
        waitForDeal(game);
        EXPECT_EQ(game.session().origin().number, dailyDealNumber(now));
        EXPECT_TRUE(game.isPlayingDailyDeal(now));
        game.play().drawFromStock(drag);
    };
    playToday();
    const QDate dealtOn = now;
    now = now.addDays(1); // midnight passes: the deal is still the 8th's
    game.play().drawFromStock(drag);
    EXPECT_FALSE(game.isPlayingDailyDeal(now));
    EXPECT_EQ(game.session().origin().dailyDate, dealtOn);
    now = day("2026-12-01"); // set back
    playToday();
    now = day("2026-12-08"); // and right again: the 8th is not counted twice
    playToday();
    const DailyRecord& daily = game.statistics().daily();
    EXPECT_EQ(daily.daysPlayed(), 2);
    EXPECT_EQ(daily.daysWon(), 0);
    EXPECT_EQ(daily.result(day("2026-12-01")), DailyResult::played);
    EXPECT_EQ(game.statistics().dealsCount(), 3);

    // A new deal is not a daily one.
    game.session().newDeal();
    EXPECT_FALSE(game.session().origin().dailyDate.has_value());
}
