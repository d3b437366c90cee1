#pragma once
// Tells the player when the game in progress can no longer be won. After
// each change of the piles it checks the new position on a thread of idle
// priority, with the hint's search: "lost" only when that search proved it.
// Verdicts are kept per position, so undo and redo ask nothing again. It
// reads the game and never changes it (no score, statistic, undo step or
// saved game), runs nothing while the piles stay as they are, and stops its
// check at the next change and when it goes away.
#include "solver/HintSearch.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>

class QThread;

namespace murvane {

class SolitaireGame;

class LostGameWatcher : public QObject {
    Q_OBJECT
public:
    // Larger than the hint's: nobody waits for this answer.
    static constexpr solver::HintBudget kBudget{100000, 100000};

    explicit LostGameWatcher(const SolitaireGame& game, const solver::HintBudget& budget = kBudget,
                             QObject* parent = nullptr);
    ~LostGameWatcher() override;

    bool isChecking() const { return worker_ != nullptr; }
    // How many positions were searched so far (the rest came from what was kept).
    int searches() const { return searches_; }

Q_SIGNALS:
    // Once when the game becomes lost: not again for a position already
    // told, nor until a position that can still be won was reached between.
    void gameLost(const QString& text);
    void isCheckingChanged();

private:
    enum class Verdict : std::uint8_t { winnable, lost, unknown };
    void positionChanged();
    void check();
    void finish(int search, std::uint64_t generation, const QByteArray& key, Verdict verdict);
    void take(const QByteArray& key, Verdict verdict);
    void stopWorker();

    const SolitaireGame& game_;
    solver::HintBudget budget_;
    std::unique_ptr<QThread> worker_;
    std::atomic<bool> stop_{false};
    bool checkQueued_ = false;
    std::uint64_t generation_ = 0; // bumped on every change to the piles
    QHash<QByteArray, Verdict> verdicts_;
    QSet<QByteArray> told_;
    bool toldSinceWinnable_ = false;
    int searches_ = 0;
};

} // namespace murvane
