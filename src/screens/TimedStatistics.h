#pragma once
// Statistics' "Time and moves" section: each rule set's fastest win and
// fewest moves, shown only once a win was timed from its first step.

#include <QList>
#include <QString>

class QWidget;

namespace murvane {

class SolitaireGame;

namespace screens {

// One line of "Time and moves": a rule set's best timed wins.
struct TimedRecordRow {
    QString ruleSet;     // localized "Draw 1, Standard"
    QString fastestWin;  // "3:07"
    QString fewestMoves; // a plain count
    QString spoken;      // "Draw 1, Standard: Fastest Win: 3:07, Fewest Moves: 112"
    QString identifier;
    friend bool operator==(const TimedRecordRow&, const TimedRecordRow&) = default;
};

// "Time and moves": the rule sets that have a timed win, in the order of
// "By rule set"; empty (and the section hidden) while none has.
QList<TimedRecordRow> timedRecordRows(const SolitaireGame& game);

// The section, for the Statistics body's column; hidden while it has no row.
QWidget* makeTimedSection(SolitaireGame& game, qreal textScale, QWidget* parent);

} // namespace screens
} // namespace murvane
