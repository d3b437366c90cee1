#include "engine/LostGameWatcher.h"

#include "engine/HintFinder.h"
#include "engine/SolitaireGame.h"

#include <QMetaObject>
#include <QThread>

namespace murvane {

namespace {

// The whole position, as the verdict's key: two positions share it only
// when they are the same.
QByteArray keyOf(const solver::HintPosition& p)
{
    QByteArray key;
    key.reserve(80);
    auto add = [&key](const std::vector<solver::SolverCard>& pile, bool faces) {
        for (const auto& c : pile)
            key.append(char(c.suitIndex * 13 + c.rank - 1 + (faces && c.isFaceUp ? 64 : 0)));
        key.append(char(0x7F));
    };
    for (const auto& column : p.tableau)
        add(column, true);
    add(p.stock, false);
    add(p.waste, false);
    for (int n : p.foundation)
        key.append(char(n));
    key.append(char(p.drawCount));
    key.append(char(p.recyclesLeft ? *p.recyclesLeft : -1));
    return key;
}

// Enough for a long session; a new deal rarely meets an old position.
constexpr int kMaxKept = 4096;

} // namespace

LostGameWatcher::LostGameWatcher(const SolitaireGame& game, const solver::HintBudget& budget, QObject* parent)
    : QObject(parent), game_(game), budget_(budget)
{
    // Every change of the piles is reported once, with what it did.
    connect(&game_.play(), &GamePlay::pilesChanged, this, &LostGameWatcher::positionChanged);
    connect(&game_.settings(), &GameSettings::tellsWhenLostChanged, this, &LostGameWatcher::positionChanged);
    positionChanged();
}

LostGameWatcher::~LostGameWatcher() { stopWorker(); }

void LostGameWatcher::positionChanged()
{
    // Several changes in one turn (a move and the card it turns up): check
    // once, after all of them.
    stop_ = true;
    ++generation_;
    if (checkQueued_)
        return;
    checkQueued_ = true;
    QMetaObject::invokeMethod(this, &LostGameWatcher::check, Qt::QueuedConnection);
}

void LostGameWatcher::check()
{
    checkQueued_ = false;
    if (!game_.settings().tellsWhenLost() || game_.play().hasWon() || game_.play().isAutoCompleting())
        return;
    const solver::HintPosition position = hintPositionOf(game_);
    const QByteArray key = keyOf(position);
    if (const auto kept = verdicts_.constFind(key); kept != verdicts_.constEnd()) {
        take(key, *kept);
        return;
    }
    stopWorker(); // told to stop at the change: gives up within a few dozen positions
    stop_ = false;
    const int search = ++searches_;
    const std::uint64_t generation = generation_;
    worker_.reset(QThread::create([this, search, generation, key, position, budget = budget_] {
        const solver::HintResult r = solver::findHint(position, budget, &stop_);
        if (r.verdict == solver::HintResult::Verdict::stopped)
            return;
        const Verdict verdict = r.verdict == solver::HintResult::Verdict::winningLine ? Verdict::winnable
                                : r.verdict == solver::HintResult::Verdict::provedLost ? Verdict::lost
                                                                                        : Verdict::unknown;
        QMetaObject::invokeMethod(
            this, [this, search, generation, key, verdict] { finish(search, generation, key, verdict); },
            Qt::QueuedConnection);
    }));
    worker_->start(QThread::IdlePriority);
    Q_EMIT isCheckingChanged();
}

void LostGameWatcher::finish(int search, std::uint64_t generation, const QByteArray& key, Verdict verdict)
{
    if (search == searches_)
        stopWorker(); // finished: only joined
    if (verdicts_.size() >= kMaxKept)
        verdicts_.clear();
    verdicts_.insert(key, verdict);
    if (generation == generation_)
        take(key, verdict);
}

void LostGameWatcher::take(const QByteArray& key, Verdict verdict)
{
    if (verdict == Verdict::winnable)
        toldSinceWinnable_ = false;
    if (verdict != Verdict::lost || !game_.settings().tellsWhenLost())
        return;
    const bool tell = !toldSinceWinnable_ && !told_.contains(key);
    toldSinceWinnable_ = true;
    if (told_.size() >= kMaxKept)
        told_.clear();
    told_.insert(key);
    if (tell)
        Q_EMIT gameLost(HintFinder::lostText());
}

void LostGameWatcher::stopWorker()
{
    if (!worker_)
        return;
    stop_ = true;
    worker_->wait();
    worker_.reset();
    Q_EMIT isCheckingChanged();
}

} // namespace murvane
