#pragma once
// Statistics' Today's Deal section: the Daily row (days played and won, the
// current and best daily streak) and a strip of the last 14 days with its
// legend, kept live while the screen is up.

#include "engine/DailyRecord.h"

#include <QList>
#include <QString>

class QWidget;

namespace murvane {

class SolitaireGame;

namespace screens {

// The Daily row's figures, as shown and as read aloud.
struct DailyRow {
    QString played;
    QString won;
    QString currentStreak;
    QString bestStreak;
    QString spoken; // "Daily: 12 played · 9 won · current streak 3 · best streak 5"
    friend bool operator==(const DailyRow&, const DailyRow&) = default;
};

inline constexpr int kDailyStripDays = 14;

DailyRow dailyRow(const SolitaireGame& game);
// The strip in words: "Last 14 days: won 5, played but not won 2, not played 7".
QString dailyDaysSentence(const QList<DailyResult>& days);

// The section, for the Statistics body's column.
QWidget* makeDailySection(SolitaireGame& game, qreal textScale, QWidget* parent);

} // namespace screens
} // namespace murvane
