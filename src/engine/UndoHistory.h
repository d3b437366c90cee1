#pragma once
// The undo and redo histories of a deal: positions, newest last, the undo
// side bounded at 100 steps. A plain value: play owns one and reports its
// changes.

#include "cards/Card.h"

#include <QList>

#include <optional>

namespace murvane {

class UndoHistory {
public:
    static constexpr int kLimit = 100;

    const QList<GameSnapshot>& undoSteps() const { return undo_; }
    const QList<GameSnapshot>& redoSteps() const { return redo_; }
    bool isEmpty() const { return undo_.isEmpty() && redo_.isEmpty(); }

    // A new step branches off: what undo took back can no longer be redone.
    void push(const GameSnapshot& before)
    {
        redo_.clear();
        append(before);
    }
    // The position to go back to; `now` is kept for redo.
    std::optional<GameSnapshot> undo(const GameSnapshot& now)
    {
        if (undo_.isEmpty())
            return std::nullopt;
        redo_.append(now);
        return undo_.takeLast();
    }
    // The position undo took back last; `now` is kept for undo.
    std::optional<GameSnapshot> redo(const GameSnapshot& now)
    {
        if (redo_.isEmpty())
            return std::nullopt;
        append(now);
        return redo_.takeLast();
    }
    void clear()
    {
        undo_.clear();
        redo_.clear();
    }

private:
    void append(const GameSnapshot& snapshot)
    {
        undo_.append(snapshot);
        if (undo_.size() > kLimit)
            undo_.removeFirst();
    }

    QList<GameSnapshot> undo_;
    QList<GameSnapshot> redo_;
};

} // namespace murvane
