// Hints from the game in progress: followed one after another they win the
// game under the engine's own rules; a dead game is called lost only when
// proved; a hint changes nothing; an answer for old piles is dropped.
#include "engine/HintFinder.h"
#include "engine/SolitaireGame.h"
#include "persistence/SavedGame.h"
#include "support/HintPositions.h"
#include "support/Positions.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::testing;

namespace {

// Won only by taking hearts and clubs back down from their foundations.
Position needsFoundationCards()
{
    Position p;
    p.tableau = {"-3S -4S -5S -6S -7S -8S -9S -TS -JS -QS -KS -AS 2S", "", "", "", "", "", ""};
    p.foundations = {"", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH", "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD",
                     "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"};
    return p;
}


class HintFinderTest : public ::testing::Test {
protected:
    InMemorySettingsStore store;
    DragState drag;
    HintFinderTest() { store.setString(keys::autoCompleteMode, "Disabled"); }

    static std::optional<Hint> ask(HintFinder& finder, const SolitaireGame& game)
    {
        QSignalSpy found(&finder, &HintFinder::hintFound);
        QSignalSpy done(&finder, &HintFinder::isSearchingChanged);
        if (!finder.request(game.session().position(), game.play().table()))
            return std::nullopt;
        while (finder.isSearching())
            done.wait(5000);
        QCoreApplication::processEvents();
        if (found.isEmpty())
            return std::nullopt;
        return found.takeFirst().at(0).value<Hint>();
    }
};

TEST_F(HintFinderTest, HintsFollowedInTurnWinTheGame)
{
    for (const Position& start : {needsFoundationCards(), heartsOnTop(true)}) {
        auto game = loadGame(store, start);
        HintFinder finder;
        const bool winnable = start.tableau[1].isEmpty();
        for (int step = 0; step < 300 && !game->play().hasWon(); ++step) {
            const auto hint = ask(finder, *game);
            ASSERT_TRUE(hint);
            if (!winnable) {
                EXPECT_EQ(hint->kind, Hint::Kind::lost);
                break;
            }
            ASSERT_TRUE(hint->showsOnBoard()) << int(hint->kind);
            if (hint->kind == Hint::Kind::move)
                ASSERT_TRUE(game->play().move(hint->move.source, hint->move.target)) << "step " << step;
            else
                game->play().drawFromStock(drag);
            ASSERT_TRUE(invariantsHold(*game));
        }
        EXPECT_EQ(game->play().hasWon(), winnable);
    }
}

// Numbered deals (verified, and the same on every run) under each rule set, played by following the hints
// through the game's own moves: the hints win it, and none moves a card or
// run straight back to the pile it just left (nor takes a card home and
// straight back down).
TEST_F(HintFinderTest, HintsWinFreshDealsUnderEveryRuleSetWithoutGoingBack)
{
    struct Rules {
        QString scoring;
        bool unlimited;
        std::int64_t draw;
    };
    const Rules ruleSets[] = {{"Standard", true, 1}, {"Standard", true, 3}, {"Vegas", false, 1}, {"Vegas", false, 3}};
    struct Deal {
        Rules rules;
        std::uint32_t number;
    };
    std::vector<Deal> deals;
    for (const Rules& rules : ruleSets)
        for (std::uint32_t number : {1u, 2u, 3u})
            deals.push_back({rules, number});
    for (const auto& [rules, number] : deals) {
        SCOPED_TRACE(::testing::Message() << rules.scoring.toStdString() << " draw " << rules.draw << " deal " << number);
        InMemorySettingsStore rulesStore;
        storeRules(rulesStore, rules.scoring, rules.unlimited, rules.draw);
        SolitaireGame game(rulesStore, false);
        playNumberedDeal(game, number);
        HintFinder finder;
        struct Played {
            Card card;
            DragSource source;
            MoveTarget target;
        };
        std::optional<Played> last;
        int hints = 0;
        for (; hints < 400 && !game.play().hasWon(); ++hints) {
            const auto hint = ask(finder, game);
            ASSERT_TRUE(hint);
            ASSERT_TRUE(hint->showsOnBoard()) << int(hint->kind);
            if (hint->kind != Hint::Kind::move) {
                game.play().drawFromStock(drag);
                last.reset();
                continue;
            }
            const Move& m = hint->move;
            const Played now{moves::cardsFor(game.play().table(), m.source).first(), m.source, m.target};
            if (last && last->card == now.card) {
                const bool fromWhereItWent = (last->target.kind == MoveTarget::Kind::tableau) ==
                                                 (now.source.kind == DragSource::Kind::tableau) &&
                                             last->target.index == now.source.index;
                const bool backWhereItCame =
                    (last->source.kind == DragSource::Kind::tableau && now.target == MoveTarget::tableau(last->source.index)) ||
                    (last->target.kind == MoveTarget::Kind::foundation && now.target.kind == MoveTarget::Kind::tableau) ||
                    (last->source.kind == DragSource::Kind::foundation && now.target.kind == MoveTarget::Kind::foundation);
                EXPECT_FALSE(fromWhereItWent && backWhereItCame) << "hint " << hints;
            }
            ASSERT_TRUE(game.play().move(m.source, m.target)) << "hint " << hints;
            last = now;
        }
        EXPECT_TRUE(game.play().hasWon()) << hints << " hints";
    }
}

TEST_F(HintFinderTest, SaysWhatItCouldNotProveAndChangesNothing)
{
    auto game = loadGame(store, heartsOnTop(true));
    const SavedGame before = (*game).makeSavedGame();
    const auto score = game->play().score();
    const auto deals = game->statistics().dealsCount();

    HintFinder tight({1, 1});
    const auto unknown = ask(tight, *game);
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->kind, Hint::Kind::noLineFound);

    HintFinder finder;
    ASSERT_TRUE(ask(finder, *game));
    EXPECT_EQ((*game).makeSavedGame(), before);
    EXPECT_EQ(game->play().score(), score);
    EXPECT_EQ(game->statistics().dealsCount(), deals);
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
    EXPECT_FALSE((*game).isSaveScheduled());
}

TEST_F(HintFinderTest, OneSearchAtATimeAndStaleAnswersDropped)
{
    auto game = loadGame(store, heartsOnTop(true));
    HintFinder finder;
    QSignalSpy found(&finder, &HintFinder::hintFound);
    QSignalSpy started(&finder, &HintFinder::isSearchingChanged);
    EXPECT_TRUE(finder.request(game->session().position(), game->play().table()));
    EXPECT_TRUE(finder.request(game->session().position(), game->play().table()));
    EXPECT_EQ(started.count(), 1);
    game->play().drawFromStock(drag); // the piles change before the answer is taken
    finder.positionChanged();
    EXPECT_FALSE(finder.isSearching());
    EXPECT_EQ(started.count(), 2);
    QTest::qWait(200);
    EXPECT_TRUE(found.isEmpty());

    const auto fresh = ask(finder, *game); // the new piles get their own answer
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->kind, Hint::Kind::lost);

    // Going away mid-search stops the search instead of waiting it out.
    auto other = std::make_unique<SolitaireGame>(store, false);
    auto busy = std::make_unique<HintFinder>(solver::HintBudget{std::int64_t(1) << 40, std::int64_t(1) << 40});
    busy->request(other->session().position(), other->play().table());
    busy.reset();
}

} // namespace
