// New deals: shuffling, verification by the solver, and the prepared-deal cache.

#include "engine/SolitaireGame.h"

#include "engine/DealWorkers.h"

#include "solver/DealNumbers.h"

#include <QRandomGenerator>

#include <algorithm>

#include <array>

namespace murvane {

namespace {

// Unbiased draws in 0..<bound from the operating system's random source,
// fetched in blocks so one shuffle costs one system call.
class SystemRandom {
public:
    std::uint32_t below(std::uint32_t bound)
    {
        // Reject the top sliver of the 32-bit range that would favour low values.
        const std::uint32_t limit = std::uint32_t(-bound) % bound; // 2^32 mod bound
        for (;;) {
            const std::uint32_t r = next();
            if (r >= limit)
                return r % bound;
        }
    }

private:
    std::uint32_t next()
    {
        if (used_ == buffer_.size()) {
            QRandomGenerator::system()->fillRange(buffer_.data(), qsizetype(buffer_.size()));
            used_ = 0;
        }
        return buffer_[used_++];
    }
    std::array<std::uint32_t, 64> buffer_{};
    std::size_t used_ = 64;
};

} // namespace

Layout makeShuffledDeal()
{
    std::array<Card, kDeckSize> deck;
    int n = 0;
    for (Suit suit : kAllSuits)
        for (std::int64_t rank = kAce; rank <= kKing; ++rank)
            deck[n++] = Card::make(suit, rank, false);

    SystemRandom random;
    for (int i = 0; i < kDeckSize - 1; ++i) {
        const int j = int(random.below(std::uint32_t(kDeckSize - i)));
        if (j != 0)
            std::swap(deck[i], deck[i + j]);
    }

    Layout layout;
    int end = kDeckSize; // cards are taken from the end of the shuffled array
    for (int c = 0; c < kColumnCount; ++c) {
        Pile& column = layout.tableau[c];
        column.reserve(c + 1);
        for (int k = 0; k <= c; ++k)
            column.append(deck[--end]);
        column.last().isFaceUp = true;
    }
    layout.stock = Pile(deck.begin(), deck.begin() + end);
    return layout;
}

Deal findVerifiedDeal(const DealRules& rules, const std::atomic<bool>* cancelled)
{
    static const std::atomic<bool> never{false};
    Deal deal;
    for (int attempt = 1; attempt <= kDealAttempts; ++attempt) {
        DealTrial trial = DealWorkers::solvedShuffle(rules, attempt, cancelled ? *cancelled : never);
        deal = Deal{std::move(trial.layout.tableau), std::move(trial.layout.stock), attempt, trial.isWinnable};
        if (trial.isWinnable || (cancelled && cancelled->load(std::memory_order_relaxed)))
            break;
    }
    return deal;
}

DealRules SolitaireGame::currentDealRules() const
{
    if (hasPassLimit())
        return DealRules{drawMode_.count(), drawMode_.recyclesAllowed()};
    return DealRules::unlimited();
}

void SolitaireGame::newDeal()
{
    replaceDeal(nullptr);
}

void SolitaireGame::playDeal(const DealRequest& request)
{
    replaceDeal(&request);
}

std::int64_t SolitaireGame::openingScore() const
{
    return scoringMode_ == ScoringMode::vegas ? -kVegasAnte : 0;
}

void SolitaireGame::replaceDeal(const DealRequest* request)
{
    cancelAutoComplete();
    if (hasStartedCurrentDeal_ && !gameHasBeenCreditedWin_) {
        setStatistic(Statistic::currentStreak, 0);
        ruleSetStats_->record(hasNoMoveLeft() ? DealOutcome::lost : DealOutcome::abandoned);
    }
    setHasStartedCurrentDeal(false);
    setHasWon(false);
    gameHasBeenCreditedWin_ = false;
    setRedealsUsed(0);
    setHistory({});
    setScore(openingScore());
    if (request) {
        // Numbered deals are always verified: the number names the deal the
        // solver picks, so it must not depend on how the game was built.
        if (request->number) {
            const DealRules rules = currentDealRules();
            origin_ = dealtFrom(solver::findNumberedDeal(*request->number, int(rules.drawCount),
                                                         rules.maxRecycles ? std::optional<int>(int(*rules.maxRecycles))
                                                                           : std::nullopt)
                                    .deck);
            origin_.number = request->number;
        } else if (request->deck) {
            origin_ = dealtFrom(*request->deck);
        }
        setTableau(origin_.tableau);
        setStock(origin_.stock);
    } else {
        dealCards();
        origin_ = DealOrigin{tableau_, stock_, std::nullopt, vegasBankroll_};
    }
    origin_.openingBankroll = vegasBankroll_;
    setWaste({});
    setFoundations({});
    reportPiles(MoveRecord::Kind::deal);
}

void SolitaireGame::dealCards()
{
    if (!verifyDeals_) {
        Layout layout = makeShuffledDeal();
        setTableau(layout.tableau);
        setStock(layout.stock);
        return;
    }
    const DealRules rules = currentDealRules();
    Deal deal;
    if (auto it = preparedDeals_.find(rules); it != preparedDeals_.end()) {
        deal = *it;
        preparedDeals_.erase(it);
    } else {
        // A preparation of these rules pauses meanwhile and still delivers
        // the next deal; a finished one is taken here.
        deal = dealWorkers_ ? dealWorkers_->findNow(rules) : findVerifiedDeal(rules);
        if (!dealWorkers_ || !dealWorkers_->isPreparing(rules))
            preparingRules_.remove(rules);
    }
    setTableau(deal.tableau);
    setStock(deal.stock);
    prepareUpcomingDeals();
}

void SolitaireGame::prepareUpcomingDeals()
{
    if (!verifyDeals_)
        return;
    QList<DealRules> wanted{currentDealRules()};
    for (const DealRules& r : {DealRules::unlimited(), DealRules::drawOneLimited(), DealRules::drawThreeLimited()})
        if (!wanted.contains(r))
            wanted.append(r);
    QList<DealRules> kept;
    for (const DealRules& r : wanted)
        if (!preparedDeals_.contains(r) && !preparingRules_.contains(r))
            kept.append(r);
    if (kept.isEmpty())
        return;
    for (const DealRules& r : kept)
        preparingRules_.insert(r);

    if (dealWorkers_)
        dealWorkers_->prepare(kept);
}

std::unique_ptr<DealWorkers> SolitaireGame::makeDealWorkers()
{
    if (!verifyDeals_)
        return nullptr;
    // Finished preparations are collected on the game's thread.
    return std::make_unique<DealWorkers>([this] {
        for (const auto& [rules, deal] : dealWorkers_->takeFinished())
            storePreparedDeal(rules, deal);
    });
}

void SolitaireGame::storePreparedDeal(const DealRules& rules, const Deal& deal)
{
    preparingRules_.remove(rules);
    preparedDeals_.insert(rules, deal);
    Q_EMIT preparedDealStored();
}

// Nothing to draw or recycle and no card that may move: the deal is lost.
bool SolitaireGame::hasNoMoveLeft() const
{
    if (canDrawFromStock())
        return false;
    if (!waste_.isEmpty() && !moves::legalTargets(table(), DragSource::waste()).isEmpty())
        return false;
    for (int f = 0; f < kFoundationCount; ++f)
        if (!foundations_[f].isEmpty() && !moves::legalTargets(table(), DragSource::foundation(f)).isEmpty())
            return false;
    for (int c = 0; c < kColumnCount; ++c)
        for (int i = 0; i < tableau_[c].size(); ++i)
            if (tableau_[c][i].isFaceUp && !moves::legalTargets(table(), DragSource::tableau(c, i)).isEmpty())
                return false;
    return true;
}

bool SolitaireGame::canRestartDeal() const
{
    if (!origin_.isKnown())
        return false;
    return hasWon_ || stock_ != origin_.stock || tableau_ != origin_.tableau || !waste_.isEmpty()
        || std::any_of(foundations_.begin(), foundations_.end(), [](const Pile& p) { return !p.isEmpty(); })
        || score_ != openingScore() || redealsUsed_ != 0 || vegasBankroll_ != origin_.openingBankroll;
}

void SolitaireGame::restartDeal(DragState& drag)
{
    if (!canRestartDeal())
        return;
    cancelAutoComplete();
    pushUndoSnapshot();
    // The deal stays counted and a credited win stays credited, so playing
    // it again changes no statistic and winning it again credits nothing.
    restoreSnapshot(GameSnapshot{origin_.stock, {}, {}, origin_.tableau, openingScore(), origin_.openingBankroll,
                                 hasStartedCurrentDeal_, 0},
                    drag);
    setHasWon(false);
    reportPiles(MoveRecord::Kind::deal);
}

} // namespace murvane
