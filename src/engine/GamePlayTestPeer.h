#pragma once
// What tests drive in play that no caller may: the auto-complete run's
// timer, stepped by hand, and the counters only the header's bounce reads.
// The program itself never includes this.

#include "engine/GamePlay.h"

#include <QTimer>

namespace murvane {

class GamePlayTestPeer {
public:
    explicit GamePlayTestPeer(const GamePlay& play) : p_(const_cast<GamePlay&>(play)) {}

    QTimer* autoCompleteTimer() const { return p_.autoCompleteTimer_; }
    bool hasAutoCompleteTask() const { return p_.hasAutoCompleteTask(); }
    void finishAutoCompleteStep() { p_.finishAutoCompleteStep(); }
    void startAutoCompleteIfPossible() { p_.startAutoCompleteIfPossible(); }
    std::int64_t undoCount() const { return p_.undoCount_; }
    std::int64_t redoCount() const { return p_.redoCount_; }

private:
    GamePlay& p_;
};

inline GamePlayTestPeer peer(const GamePlay& play)
{
    return GamePlayTestPeer(play);
}

} // namespace murvane
