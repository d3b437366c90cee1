#pragma once
// Every statistic in one place: the six lifetime counters, the counters per
// rule set (Draw 1 / Draw 3 under Standard and Vegas scoring) and the
// outcomes of the last 30 deals. Each is written through to the store as it
// changes. Values read from the store may hold anything, so every addition
// saturates instead of overflowing.

#include "cards/Settings.h"
#include "engine/DailyRecord.h"

#include <QList>
#include <QObject>

#include <array>
#include <cstdint>

namespace murvane {

class SettingsStore;

// How a deal ended, as the last-30 strip records it.
enum class DealOutcome : char {
    won = 'W',
    lost = 'L',      // replaced once it could no longer be won
    abandoned = 'A', // replaced while it could still be won, or nobody knew
    shown = 'S',     // the game played its own winning line: never a win
};

struct RuleSetTally {
    std::int64_t played = 0;
    std::int64_t won = 0;
};

// A rule set's best wins timed from their first step; both zero while none.
// The two bests may come from different deals.
struct TimedRecord {
    std::int64_t fastestWinMs = 0;
    std::int64_t fewestMoves = 0;
    bool exists() const { return fewestMoves > 0; }
    friend bool operator==(const TimedRecord&, const TimedRecord&) = default;
};

// a + b, clamped to the 64-bit range.
std::int64_t addSaturating(std::int64_t a, std::int64_t b);

class GameStatistics : public QObject {
    Q_OBJECT
public:
    static constexpr int kRuleSets = 4;
    static constexpr int kRecentLimit = 30;
    static constexpr std::int64_t kVegasBankrollFloor = -100000;

    // Reads every statistic; the store must outlive this.
    explicit GameStatistics(SettingsStore& store, QObject* parent = nullptr);

    std::int64_t dealsCount() const { return values_[deals]; }
    std::int64_t solvedCount() const { return values_[solved]; }
    std::int64_t currentStreak() const { return values_[currentStreakValue]; }
    std::int64_t bestStreak() const { return values_[bestStreakValue]; }
    std::int64_t bestScore() const { return values_[bestScoreValue]; }
    std::int64_t vegasBankroll() const { return values_[bankroll]; }

    // 0 Draw 1 Standard, 1 Draw 3 Standard, 2 Draw 1 Vegas, 3 Draw 3 Vegas.
    static int ruleSetIndex(DrawMode draw, ScoringMode scoring);
    static DrawMode drawMode(int ruleSet) { return ruleSet % 2 == 1 ? DrawMode::three() : DrawMode::one(); }
    RuleSetTally tally(int ruleSet) const { return tallies_[std::size_t(ruleSet)]; }
    TimedRecord timedRecord(int ruleSet) const { return records_[std::size_t(ruleSet)]; }
    // Oldest first, at most kRecentLimit.
    const QList<DealOutcome>& recent() const { return recent_; }
    // The days whose Today's Deal was played and won.
    const DailyRecord& daily() const { return daily_; }

    // A deal's first step under a rule set.
    void countDealStarted(int ruleSet);
    // A deal won with this score: credited once per deal by the caller.
    void countWin(int ruleSet, std::int64_t score);
    // A credited win timed from its first step: kept where it beats the
    // rule set's record. Wins of no move are not timed ones.
    void countTimedWin(int ruleSet, std::int64_t elapsedMs, std::int64_t moves);
    // A deal replaced before it was won: the streak ends.
    void countEnded(DealOutcome outcome);
    // The bankroll moves by delta, never below the floor when it falls.
    void addToBankroll(std::int64_t delta);
    static std::int64_t bankrollAfter(std::int64_t bankroll, std::int64_t delta);
    void setVegasBankroll(std::int64_t value);
    // A daily deal's first step, and its win, counted for its own date
    // (each date once, whenever it is played).
    void countDailyPlayed(const QDate& date);
    void countDailyWon(const QDate& date);
    void reset();

Q_SIGNALS:
    void dealsCountChanged();
    void solvedCountChanged();
    void currentStreakChanged();
    void bestStreakChanged();
    void bestScoreChanged();
    void vegasBankrollChanged();
    // The counters per rule set, the timed records, the recent outcomes or the
    // daily record.
    void changed();

private:
    enum Counter { deals, solved, currentStreakValue, bestStreakValue, bestScoreValue, bankroll, kCounters };
    void set(Counter which, std::int64_t value);
    void setTally(int ruleSet, const RuleSetTally& tally);
    void setTimedRecord(int ruleSet, const TimedRecord& record);
    void record(DealOutcome outcome); // writes the outcomes and reports the change
    void writeRecent();
    void writeDaily();

    SettingsStore& store_;
    std::array<std::int64_t, kCounters> values_{};
    std::array<RuleSetTally, kRuleSets> tallies_{};
    std::array<TimedRecord, kRuleSets> records_{};
    QList<DealOutcome> recent_;
    DailyRecord daily_;
};

} // namespace murvane
