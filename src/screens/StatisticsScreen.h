#pragma once
// The Statistics body: the eight lifetime figures as label / value rows in
// one group box, kept live while the screen is up.

#include "engine/GameStatistics.h"
#include "screens/TimedStatistics.h"

#include <QList>
#include <QString>

#include <cstdint>

class QWidget;

namespace murvane {

class SolitaireGame;

namespace screens {

class ModalScreenView;

struct StatisticRow {
    QString label; // localized
    QString value;
    QString identifier;
    friend bool operator==(const StatisticRow&, const StatisticRow&) = default;
};

// One line of the "By rule set" table.
struct RuleSetRow {
    ScoringMode scoring = ScoringMode::standard;
    QString draw;   // localized "Draw 1"
    QString played; // counts, as shown
    QString won;
    QString rate;   // "—" for a rule set never played
    QString spoken; // "Draw 1, Standard: 3 played · 1 won · 33.3%"
    QString identifier;
    friend bool operator==(const RuleSetRow&, const RuleSetRow&) = default;
};

// The rows in display order, from the game's current figures.
QList<StatisticRow> statisticRows(const SolitaireGame& game);
// "By rule set": Draw 1 and Draw 3 under Standard, then under Vegas.
QList<RuleSetRow> ruleSetRows(const SolitaireGame& game);
// "Last 30 deals: 12 won, 15 lost, 3 abandoned", or that none is finished yet.
QString recentDealsSentence(const QList<DealOutcome>& outcomes);

// "0.0%" with no deals, else solved / deals in percent with one decimal in
// the application locale.
QString winRateText(std::int64_t dealsCount, std::int64_t solvedCount);
// A rule set's rate: winRateText, or a dash when it was never played (no
// rate exists yet, and "0.0%" would read as every deal lost).
QString ruleSetRateText(std::int64_t played, std::int64_t won);
// Deals minus wins, never below zero (and never overflowing).
std::int64_t gamesLost(std::int64_t dealsCount, std::int64_t solvedCount);

QWidget* makeStatisticsBody(ModalScreenView& host, QWidget* parent);

} // namespace screens
} // namespace murvane
