#include "engine/LostGameWatcher.h"

#include "solver/HintState.h"

#include <QMetaObject>

namespace murvane {

namespace {

// Enough for a long session; a new deal rarely meets an old position.
constexpr std::size_t kMaxKept = 4096;

std::optional<PositionVerdict> verdictOf(solver::HintResult::Verdict v)
{
    using V = solver::HintResult::Verdict;
    switch (v) {
    case V::winningLine:
        return PositionVerdict::winnable;
    case V::provedLost:
        return PositionVerdict::lost;
    case V::budgetSpent:
        return PositionVerdict::unknown;
    case V::stopped:
        break;
    }
    return std::nullopt;
}

// A search's verdict, and with a winning line the key of every position
// along it: each of those is winnable too, so a player who plays on along
// the line is answered without searching again.
struct Checked {
    solver::HintResult::Verdict verdict;
    std::vector<std::string> lineKeys;
};

Checked search(const solver::HintPosition& position, const solver::HintBudget& budget,
               const std::atomic<bool>* stop)
{
    solver::HintResult result = solver::findHint(position, budget, stop);
    Checked checked{result.verdict, {}};
    if (result.verdict != solver::HintResult::Verdict::winningLine)
        return checked;
    solver::HintPosition along = position;
    for (const solver::HintMove& move : result.line) {
        if (!solver::applyHintMove(along, move))
            break; // never for a line the search found; keep only what is proved
        checked.lineKeys.push_back(solver::positionKey(along));
    }
    return checked;
}

} // namespace

LostGameWatcher::LostGameWatcher(const solver::HintBudget& budget, QObject* parent)
    : QObject(parent), budget_(budget)
{
}

void LostGameWatcher::positionChanged(const solver::HintPosition& now, bool check)
{
    latest_ = now;
    latestKey_ = solver::positionKey(now);
    checksLatest_ = check;
    // A check of another position is of no use any more: told to stop now,
    // it gives up within a few dozen positions, on its own time.
    if (isChecking() && (!check || checkingKey_ != latestKey_)) {
        search_.stop();
        Q_EMIT isCheckingChanged();
    }
    // Several changes in one turn (a move and the card it turns up): check
    // once, after all of them.
    if (checkQueued_)
        return;
    checkQueued_ = true;
    QMetaObject::invokeMethod(this, &LostGameWatcher::check, Qt::QueuedConnection);
}

void LostGameWatcher::check()
{
    checkQueued_ = false;
    if (!checksLatest_)
        return;
    if (const auto kept = verdicts_.find(latestKey_); kept != verdicts_.end()) {
        take(latestKey_, kept->second);
        return;
    }
    if (isChecking())
        return; // already on this very position
    ++searches_;
    checkingKey_ = latestKey_;
    search_.start(
        [position = latest_, budget = budget_](const std::atomic<bool>& stop) { return search(position, budget, &stop); },
        [this, key = latestKey_](Checked checked) {
            keepLine(checked.lineKeys);
            finish(key, checked.verdict);
        },
        SearchThread::Priority::idle);
    if (isChecking())
        Q_EMIT isCheckingChanged();
}

void LostGameWatcher::finish(const std::string& key, solver::HintResult::Verdict verdict)
{
    Q_EMIT isCheckingChanged();
    const auto v = verdictOf(verdict);
    if (!v)
        return;
    keep(key, *v);
    if (checksLatest_ && key == latestKey_)
        take(key, *v);
}

void LostGameWatcher::keepLine(const std::vector<std::string>& keys)
{
    for (const std::string& key : keys)
        keep(key, PositionVerdict::winnable);
}

void LostGameWatcher::keep(const std::string& key, PositionVerdict verdict)
{
    if (verdicts_.size() >= kMaxKept)
        verdicts_.clear();
    verdicts_.insert_or_assign(key, verdict);
}

void LostGameWatcher::take(const std::string& key, PositionVerdict verdict)
{
    if (verdict == PositionVerdict::winnable)
        toldSinceWinnable_ = false;
    if (verdict != PositionVerdict::lost)
        return;
    const bool tell = !toldSinceWinnable_ && !told_.contains(key);
    toldSinceWinnable_ = true;
    if (told_.size() >= kMaxKept)
        told_.clear();
    told_.insert(key);
    if (!tell)
        return;
    lastTold_ = key;
    Q_EMIT gameLost();
}

void LostGameWatcher::lossNotShown()
{
    told_.erase(lastTold_);
    lastTold_.clear();
    toldSinceWinnable_ = false;
}

std::optional<PositionVerdict> LostGameWatcher::knownVerdict(const solver::HintPosition& position) const
{
    if (const auto kept = verdicts_.find(solver::positionKey(position)); kept != verdicts_.end())
        return kept->second;
    return std::nullopt;
}

std::optional<PositionVerdict> LostGameWatcher::latestVerdict() const
{
    if (const auto kept = verdicts_.find(latestKey_); kept != verdicts_.end())
        return kept->second;
    return std::nullopt;
}

PositionVerdict LostGameWatcher::verdictNow(const solver::HintPosition& position)
{
    const std::string key = solver::positionKey(position);
    if (const auto kept = verdicts_.find(key); kept != verdicts_.end())
        return kept->second;
    ++searches_;
    const Checked checked = search(position, budget_, nullptr);
    keepLine(checked.lineKeys);
    const PositionVerdict verdict = verdictOf(checked.verdict).value_or(PositionVerdict::unknown);
    keep(key, verdict);
    return verdict;
}

} // namespace murvane
