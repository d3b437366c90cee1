// Verified deals: the rule-set keys, the prepared-deal cache and its refill.

#include "engine/DealWorkers.h"
#include "solver/Solver.h"
#include "solver/SpareTables.h"
#include "support/Positions.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <random>
#include <set>
#include <thread>

using namespace murvane;
using namespace murvane::testing;

namespace {

// Runs the event loop until the game has stopped preparing, or 5 min pass
// (sanitizer builds are slow).
bool waitUntilPrepared(SolitaireGame& game)
{
    QElapsedTimer clock;
    clock.start();
    while (!game.session().preparingRules().isEmpty() && clock.elapsed() < 300000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }
    return game.session().preparingRules().isEmpty();
}

bool isValidLayout(const SolitaireGame& game)
{
    for (int c = 0; c < kColumnCount; ++c) {
        const Pile& col = game.play().tableau()[c];
        if (col.size() != c + 1)
            return false;
        for (int i = 0; i <= c; ++i)
            if (col[i].isFaceUp != (i == c))
                return false;
    }
    return game.play().stock().size() == 24 && invariantsHold(game);
}

} // namespace

TEST(DealRulesTest, KeysFollowThePassLimit)
{
    InMemorySettingsStore store;
    SolitaireGame game(store, false);
    EXPECT_EQ(game.settings().dealRules(), DealRules::unlimited());
    game.settings().setDrawMode(DrawMode::fromCount(3));
    EXPECT_EQ(game.settings().dealRules(), DealRules::unlimited()); // both draws share a key
    game.settings().setScoringMode(ScoringMode::vegas);
    EXPECT_EQ(game.settings().dealRules(), DealRules::unlimited()); // unlimited redeals still on
    game.settings().setUnlimitedRedeals(false);
    EXPECT_EQ(game.settings().dealRules(), (DealRules{3, 2}));
    game.settings().setDrawMode(DrawMode::fromCount(1));
    EXPECT_EQ(game.settings().dealRules(), (DealRules{1, 0}));
}

TEST(DealPreparationTest, WithoutVerificationNothingIsPrepared)
{
    InMemorySettingsStore store;
    SolitaireGame game(store, false);
    game.session().newDeal();
    game.session().prepareUpcomingDeals();
    EXPECT_TRUE(game.session().preparedDeals().isEmpty());
    EXPECT_TRUE(game.session().preparingRules().isEmpty());
    EXPECT_TRUE(isValidLayout(game));
}

TEST(DealPreparationTest, OneDealPerRuleSetIsPreparedAndTakingOneStartsItsReplacement)
{
    InMemorySettingsStore store;
    SolitaireGame game(store, true);
    EXPECT_TRUE(isValidLayout(game));
    // All three rule sets are in the works right after the first deal.
    EXPECT_EQ(game.session().preparingRules().size() + game.session().preparedDeals().size(), 3);
    ASSERT_TRUE(waitUntilPrepared(game));
    ASSERT_EQ(game.session().preparedDeals().size(), 3);
    for (const auto& deal : game.session().preparedDeals()) {
        EXPECT_GE(deal.attempts, 1);
        EXPECT_LE(deal.attempts, solver::kDealAttempts);
    }
    const Card prepared = game.session().preparedDeals().value(DealRules::unlimited()).tableau[0][0];
    game.session().newDeal();
    EXPECT_EQ(game.play().tableau()[0][0].id, prepared.id); // the prepared deal was installed
    EXPECT_TRUE(game.session().preparingRules().contains(DealRules::unlimited()));
    EXPECT_FALSE(game.session().preparedDeals().contains(DealRules::unlimited()));
    // A second new deal right away finds one synchronously.
    game.session().newDeal();
    EXPECT_TRUE(isValidLayout(game));
    ASSERT_TRUE(waitUntilPrepared(game));
    EXPECT_TRUE(game.session().preparedDeals().contains(DealRules::unlimited()));
}

TEST(DealPreparationTest, DestroyingTheGameWhilePreparingStoresNothingAndDoesNotCrash)
{
    for (int i = 0; i < 5; ++i) {
        InMemorySettingsStore store;
        auto game = std::make_unique<SolitaireGame>(store, true);
        EXPECT_FALSE(game->session().preparingRules().isEmpty());
        game.reset();
        // Results that arrive now find no game.
        QCoreApplication::processEvents();
    }
    QThread::msleep(50);
    QCoreApplication::processEvents();
    SUCCEED();
}

namespace {

bool answerIsWinnable(const Deal& deal, const DealRules& rules)
{
    const auto toSolver = [](const Pile& pile) {
        std::vector<solver::SolverCard> out;
        for (const Card& c : pile)
            out.push_back({std::uint8_t(suitIndex(c.suit)), std::uint8_t(c.rank), c.isFaceUp});
        return out;
    };
    std::array<std::vector<solver::SolverCard>, kColumnCount> columns;
    for (int c = 0; c < kColumnCount; ++c)
        columns[c] = toSolver(deal.tableau[c]);
    const auto recycles = rules.maxRecycles ? std::optional<int>(int(*rules.maxRecycles)) : std::nullopt;
    return solver::solve(columns, toSolver(deal.stock), {}, {0, 0, 0, 0}, int(rules.drawCount),
                         solver::kDefaultMaxNodes, recycles)
        .isWinnable;
}

// A stand-in check: attempt numbers in `winning` pass; every check takes a
// random sliver of time (honouring stop), so threads finish out of order.
struct ScriptedTrials {
    std::set<int> winning;
    int sliceUs = 200;
    std::atomic<int> calls{0};
    std::array<std::atomic<int>, solver::kDealAttempts + 1> triesOf{}; // by attempt number

    DealWorkers::Trial trial()
    {
        return [this](const DealRules&, int attempt, const std::atomic<bool>& stop) {
            ++calls;
            ++triesOf[std::size_t(std::clamp(attempt, 0, solver::kDealAttempts))];
            thread_local std::minstd_rand random(std::random_device{}());
            const auto until = std::chrono::steady_clock::now()
                + std::chrono::microseconds(std::uniform_int_distribution<int>(0, sliceUs)(random));
            while (std::chrono::steady_clock::now() < until)
                if (stop.load())
                    return DealTrial{{}, false, false, nullptr};
            return DealTrial{makeShuffledDeal(), winning.count(attempt) > 0, true, nullptr};
        };
    }
};

} // namespace

TEST(DealPreparationTest, VerifiedDealsAreWinnableLayouts)
{
    // The plain loop and every core together, under each rule set: a deal
    // reported verified is winnable, an unverified one used every attempt.
    DealWorkers workers({});
    for (const DealRules& rules : {DealRules::unlimited(), DealRules::drawOneLimited(), DealRules::drawThreeLimited()}) {
        for (const auto& deal : {findVerifiedDeal(rules), workers.findNow(rules)}) {
            EXPECT_GE(deal.attempts, 1);
            EXPECT_EQ(deal.stock.size(), 24);
            EXPECT_EQ(deal.isVerified, answerIsWinnable(deal, rules));
            if (deal.attempts < solver::kDealAttempts) {
                EXPECT_TRUE(deal.isVerified);
            }
        }
    }
}

TEST(DealWorkersTest, DealsTheFirstPassingAttemptWhateverTheTiming)
{
    struct Case {
        std::set<int> winning;
        int attempts;
        bool verified;
    };
    const Case cases[] = {
        {{1}, 1, true},       {{2, 3}, 2, true},       {{37, 38, 90}, 37, true},
        {{260}, 260, true},   {{500}, 500, true},      {{501}, 500, false},
        {{}, 500, false},
    };
    for (const Case& c : cases) {
        ScriptedTrials script;
        script.winning = c.winning;
        DealWorkers workers({}, 3, script.trial());
        const auto deal = workers.findNow(DealRules::drawOneLimited());
        EXPECT_EQ(deal.attempts, c.attempts) << *c.winning.begin();
        EXPECT_EQ(deal.isVerified, c.verified);
        EXPECT_EQ(deal.stock.size(), 24);
        EXPECT_LE(script.calls.load(), solver::kDealAttempts); // the cap is shared
    }
}

TEST(DealWorkersTest, ADealNeededNowPausesThePreparationWhichThenCarriesOn)
{
    // The preparation's first check passes after 40 slices of work; every
    // other check takes ten and passes from attempt 3 on. A deal
    // needed part-way through is found with every core while the
    // preparation waits; the preparation then finishes that same check
    // from where it stopped and delivers it.
    class SteppedCheck final : public PausedCheck {
    public:
        SteppedCheck(int slices, bool wins, std::atomic<int>& sliceCount)
            : slices_(slices), wins_(wins), sliceCount_(sliceCount) {}
        DealTrial resume(const std::atomic<bool>& stop) override
        {
            for (; done_ < slices_; ++done_, ++sliceCount_) {
                if (stop.load())
                    return DealTrial{{}, false, false, nullptr};
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            }
            return DealTrial{makeShuffledDeal(), wins_, true, nullptr};
        }

    private:
        int slices_;
        int done_ = 0;
        bool wins_;
        std::atomic<int>& sliceCount_;
    };
    std::atomic<int> calls{0};
    std::atomic<int> firstSlices{0};
    std::atomic<int> otherSlices{0};
    const DealWorkers::Trial trial = [&](const DealRules&, int attempt, const std::atomic<bool>& stop) {
        const bool first = calls++ == 0;
        auto check = std::make_unique<SteppedCheck>(first ? 40 : 10, first || attempt >= 3,
                                                    first ? firstSlices : otherSlices);
        DealTrial t = check->resume(stop);
        if (!t.completed)
            t.paused = std::move(check);
        return t;
    };
    std::atomic<int> reports{0};
    DealWorkers workers([&reports] { ++reports; }, 1, trial);
    const DealRules rules = DealRules::drawOneLimited();
    workers.prepare({rules});
    while (firstSlices.load() < 5)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const int before = firstSlices.load();
    const auto deal = workers.findNow(rules);
    // At most the slice it was in and one finished meanwhile, where running
    // on it would have made about twenty.
    EXPECT_LE(firstSlices.load(), before + 2) << "the preparation kept a core";
    EXPECT_EQ(deal.attempts, 3);
    EXPECT_TRUE(deal.isVerified);
    EXPECT_TRUE(workers.isPreparing(rules));

    QElapsedTimer clock;
    clock.start();
    while (reports.load() == 0 && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const auto finished = workers.takeFinished();
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished[0].first, rules);
    EXPECT_EQ(finished[0].second.attempts, 1); // the very check it was making
    EXPECT_TRUE(finished[0].second.isVerified);
    EXPECT_EQ(firstSlices.load(), 40); // carried on, not started again
    EXPECT_FALSE(workers.isPreparing(rules));
}

// The solver tables each thread keeps between searches stay while work may
// follow soon, and are given back once the thread has idled a while: the
// preparing thread after its preparation, the caller after a deal found now.
TEST(DealWorkersTest, IdleThreadsGiveTheirSolverTablesBack)
{
    using namespace std::chrono_literals;
    auto heldAfter = [](std::chrono::milliseconds wait) {
        QElapsedTimer clock;
        clock.start();
        while (solver::spareTableBytes() > 0 && clock.elapsed() < wait.count()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(5);
        }
        return solver::spareTableBytes();
    };
    const struct {
        const char* name;
        std::chrono::milliseconds keep;
        bool givenBack;
    } cases[] = {{"busy lately", std::chrono::hours(1), false}, {"idle", 50ms, true}};
    for (const auto& c : cases) {
        solver::releaseSpareTables(); // what earlier searches left on this thread
        ASSERT_EQ(solver::spareTableBytes(), 0u) << c.name;
        DealWorkers workers({}, 1, DealWorkers::solvedShuffle, c.keep);
        workers.prepare({DealRules::unlimited()});
        QElapsedTimer clock;
        clock.start();
        while (workers.takeFinished().isEmpty() && clock.elapsed() < 300000)
            QThread::msleep(5);
        // Long enough for the release when one is due, short otherwise.
        const auto wait = c.givenBack ? std::chrono::milliseconds(5s) : 200ms;
        EXPECT_EQ(heldAfter(wait) == 0, c.givenBack) << c.name << ", preparing thread";
        workers.findNow(DealRules::drawOneLimited());
        EXPECT_EQ(heldAfter(wait) == 0, c.givenBack) << c.name << ", caller after a deal found now";
    }
    // Threads that end take their tables with them.
    solver::releaseSpareTables();
    EXPECT_EQ(solver::spareTableBytes(), 0u);
}

TEST(DealWorkersTest, GoingAwayMidSearchStopsTheChecksAndReportsNothing)
{
    // Checks that only end when told to: destruction must still return.
    std::atomic<int> started{0};
    std::atomic<int> reports{0};
    const DealWorkers::Trial endless = [&started](const DealRules&, int, const std::atomic<bool>& stop) {
        ++started;
        while (!stop.load())
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        return DealTrial{{}, false, false, nullptr};
    };
    {
        DealWorkers workers([&reports] { ++reports; }, 1, endless);
        workers.prepare({DealRules::unlimited(), DealRules::drawThreeLimited()});
        while (started.load() == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(reports.load(), 0);

    // A game going away while its own threads prepare.
    InMemorySettingsStore store;
    auto game = std::make_unique<SolitaireGame>(store, true);
    game->settings().setScoringMode(ScoringMode::vegas);
    game->settings().setUnlimitedRedeals(false); // deals a new game, preparing the others
    game.reset();
    QCoreApplication::processEvents();
}

TEST(DealPreparationTest, EveryInstalledDealIsAValidLayout)
{
    // New deals faster than preparation keeps up, under every rule set.
    InMemorySettingsStore store;
    SolitaireGame game(store, true);
    game.settings().setScoringMode(ScoringMode::vegas);
    for (bool unlimited : {true, false}) {
        game.settings().setUnlimitedRedeals(unlimited);
        for (std::int64_t draw : {1, 3}) {
            game.settings().setDrawMode(DrawMode::fromCount(draw));
            for (int i = 0; i < 2; ++i) {
                game.session().newDeal();
                EXPECT_TRUE(isValidLayout(game));
            }
        }
    }
    ASSERT_TRUE(waitUntilPrepared(game));
    EXPECT_EQ(game.session().preparedDeals().size(), 3);
}

TEST(DealPreparationTest, BackToBackNewDealsNeverRepeatADeal)
{
    // Presses that catch the preparation at every stage: queued, running,
    // paused by the press, finished but not yet stored.
    InMemorySettingsStore store;
    SolitaireGame game(store, true);
    for (int i = 0; i < 60; ++i) {
        if (i % 3 == 0)
            QCoreApplication::processEvents();
        if (i % 7 == 0)
            QThread::msleep(3);
        const auto before = game.play().tableau()[6][6].id;
        game.session().newDeal();
        ASSERT_NE(before, game.play().tableau()[6][6].id) << "press " << i;
    }
}
