#pragma once
// Statistics per rule set (Draw 1 / Draw 3 under Standard and Vegas scoring)
// and the outcomes of the last 30 deals, kept beside the lifetime counters
// and written through to the store like them.

#include "cards/Settings.h"

#include <QList>
#include <QObject>

#include <array>
#include <cstdint>

namespace murvane {

class SettingsStore;

enum class DealOutcome : char {
    won = 'W',
    lost = 'L',      // given up with no move or draw left
    abandoned = 'A', // given up while moves were left
};

struct RuleSetTally {
    std::int64_t played = 0;
    std::int64_t won = 0;
};

class RuleSetStatistics : public QObject {
    Q_OBJECT
public:
    static constexpr int kRuleSets = 4;
    static constexpr int kRecentLimit = 30;

    // Reads the counters and the outcomes; the store must outlive this.
    explicit RuleSetStatistics(SettingsStore& store, QObject* parent = nullptr);

    // 0 Draw 1 Standard, 1 Draw 3 Standard, 2 Draw 1 Vegas, 3 Draw 3 Vegas.
    static int ruleSetIndex(DrawMode draw, ScoringMode scoring);
    static DrawMode drawMode(int ruleSet) { return ruleSet % 2 == 1 ? DrawMode::three() : DrawMode::one(); }
    RuleSetTally tally(int ruleSet) const { return tallies_[std::size_t(ruleSet)]; }
    // Oldest first, at most kRecentLimit.
    const QList<DealOutcome>& recent() const { return recent_; }

    void countPlayed(int ruleSet);
    void countWon(int ruleSet);
    void record(DealOutcome outcome);
    void reset();

Q_SIGNALS:
    void changed();

private:
    void writeRecent();

    SettingsStore& store_;
    std::array<RuleSetTally, kRuleSets> tallies_{};
    QList<DealOutcome> recent_;
};

} // namespace murvane
