#pragma once
// Tells a screen reader what an action did ("Queen of Hearts moved to
// column 3. Turned up 7 of Spades.") without making the player read the
// board again. Qt has no announcement request here, so the text goes where
// screen readers listen: it becomes the description of the focused pile
// (a description change on the focused object is spoken) and the name of a
// status element that automation and review commands can read.

#include "engine/MoveChoice.h"

#include <QObject>
#include <QWidget>

#include <functional>
#include <optional>

namespace murvane {
class SolitaireGame;
} // namespace murvane

namespace murvane::board {

class BoardContext;

// The status element: no size, nothing drawn; only its accessible name.
class AnnouncementLabel : public QWidget {
    Q_OBJECT
public:
    explicit AnnouncementLabel(QWidget* parent);
};

class BoardAnnouncer : public QObject {
    Q_OBJECT
public:
    // `pileWidget` names the widget of each pile, whose accessible name
    // and description change with the piles.
    using PileWidget = std::function<QWidget*(const BoardFocus&)>;
    BoardAnnouncer(const BoardContext& board, PileWidget pileWidget, QWidget* labelParent);

    // The latest announcement, and the pile that held the focus then (the
    // description is dropped when the focus moves on).
    QString text() const { return text_; }
    std::optional<BoardFocus> pile() const { return pile_; }
    AnnouncementLabel* label() const { return label_; }
    // Says something that is not a change of the piles (a hint).
    void announceText(const QString& text);
    // The focus moved on: the last announcement no longer describes its pile.
    void clearForFocus();

    // What a change of the piles did, as one sentence or more; empty when
    // nothing worth saying happened (a new deal). Read from the game as it is
    // right after the change. Exposed for tests.
    static QString describe(const SolitaireGame& game, const MoveRecord& change);

private:
    void noteChange(const MoveRecord& change);
    // Empties the status and the focused pile's description.
    void clearStatus();
    void schedule();
    void announce();

    const BoardContext& board_;
    PileWidget pileWidget_;
    AnnouncementLabel* label_;
    QString pending_; // what the turn's latest change said
    QString text_;
    std::optional<BoardFocus> pile_;
    bool scheduled_ = false;
    bool won_ = false;
};

} // namespace murvane::board
