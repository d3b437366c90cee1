// Placement rules, target listing, moves and their tails, keyboard moves.

#include "support/Positions.h"

#include <gtest/gtest.h>

using namespace murvane;
using namespace murvane::testing;

namespace {

struct RulesTest : ::testing::Test {
    InMemorySettingsStore store;
    DragState drag;

    std::unique_ptr<SolitaireGame> load(const Position& p) { return loadGame(store, p); }
};

QList<MoveTarget> cols(std::initializer_list<int> indices)
{
    QList<MoveTarget> out;
    for (int i : indices)
        out.append(MoveTarget::tableau(i));
    return out;
}

} // namespace

TEST_F(RulesTest, KingAloneAtBottomIsNeverOfferedAnEmptyColumn)
{
    Position p;
    p.tableau = {"KS", "", "", "", "5H", "6C", "7D"};
    auto game = load(p);
    EXPECT_TRUE(moves::legalTargets(game->play().table(), DragSource::tableau(0, 0)).isEmpty());
}

TEST_F(RulesTest, KingOnCardsListsOnlyTheLeftmostEmptyColumn)
{
    Position p;
    p.tableau = {"-2S KS", "5H", "", "", "", "6C", "7D"};
    auto game = load(p);
    EXPECT_EQ(moves::legalTargets(game->play().table(), DragSource::tableau(0, 1)), cols({2}));
}

TEST_F(RulesTest, SingleAceListsExactlyOneFoundationTheLeftmostEmpty)
{
    Position p;
    p.waste = "AH";
    p.foundations = {"AS", "", "", ""};
    auto game = load(p);
    EXPECT_EQ(moves::legalTargets(game->play().table(), DragSource::waste()), QList<MoveTarget>{MoveTarget::foundation(1)});
}

TEST_F(RulesTest, RunNeverListsAFoundation)
{
    Position p;
    p.tableau = {"-9C 2H AS", "", "", "", "", "", ""};
    p.foundations = {"", "", "", ""};
    auto game = load(p);
    // "2H AS" is not a valid run for play, but the listing rule is about size.
    EXPECT_TRUE(moves::legalTargets(game->play().table(), DragSource::tableau(0, 1)).isEmpty());
    EXPECT_EQ(moves::legalTargets(game->play().table(), DragSource::tableau(0, 2)), QList<MoveTarget>{MoveTarget::foundation(0)});
}

TEST_F(RulesTest, FaceDownFirstCardAndBadSourcesListNothing)
{
    Position p;
    p.tableau = {"-QH JS", "KD", "", "", "", "", ""};
    auto game = load(p);
    EXPECT_TRUE(moves::legalTargets(game->play().table(), DragSource::tableau(0, 0)).isEmpty());
    for (const DragSource& bad : {DragSource::tableau(-1, 0), DragSource::tableau(7, 0), DragSource::tableau(0, 5),
                                  DragSource::tableau(0, -3), DragSource::foundation(4), DragSource::foundation(-1)}) {
        EXPECT_TRUE(moves::cardsFor(game->play().table(), bad).isEmpty());
        EXPECT_TRUE(moves::legalTargets(game->play().table(), bad).isEmpty());
    }
    EXPECT_FALSE(moves::canPlaceOnTableau(game->play().table(), parseCard("KS"), 7));
    EXPECT_FALSE(moves::canPlaceOnFoundation(game->play().table(), parseCard("AS"), -1));
}

TEST_F(RulesTest, FoundationIsBoundToTheSuitOfItsAce)
{
    Position p;
    p.foundations = {"", "", "", "AH"};
    auto game = load(p);
    EXPECT_TRUE(moves::canPlaceOnFoundation(game->play().table(), parseCard("2H"), 3));
    EXPECT_FALSE(moves::canPlaceOnFoundation(game->play().table(), parseCard("2D"), 3));
    EXPECT_FALSE(moves::canPlaceOnFoundation(game->play().table(), parseCard("3H"), 3));
    EXPECT_TRUE(moves::canPlaceOnFoundation(game->play().table(), parseCard("AD"), 0));
}

TEST_F(RulesTest, TableauNeedsFaceUpOppositeColourOneHigher)
{
    Position p;
    p.tableau = {"9H", "", "9C", "", "", "", ""};
    auto game = load(p);
    EXPECT_TRUE(moves::canPlaceOnTableau(game->play().table(), parseCard("8S"), 0));
    EXPECT_FALSE(moves::canPlaceOnTableau(game->play().table(), parseCard("8D"), 0));  // same colour
    EXPECT_FALSE(moves::canPlaceOnTableau(game->play().table(), parseCard("7H"), 2));  // two ranks apart
    EXPECT_TRUE(moves::canPlaceOnTableau(game->play().table(), parseCard("KH"), 1));
    EXPECT_FALSE(moves::canPlaceOnTableau(game->play().table(), parseCard("QH"), 1));
}

TEST_F(RulesTest, MoveOffTheLastFaceUpCardFlipsAndScoresInOneStep)
{
    Position p;
    p.tableau = {"-3C -4D 5S", "6H", "", "", "", "", ""};
    auto game = load(p);
    game->play().move(DragSource::tableau(0, 2), MoveTarget::tableau(1));
    EXPECT_TRUE(game->play().tableau()[0].last().isFaceUp);
    EXPECT_EQ(game->play().score(), 5); // column to column 0, flip +5
    EXPECT_EQ(game->play().history().undoSteps().size(), 1);
    EXPECT_TRUE(game->session().hasStartedDeal());
    EXPECT_TRUE(invariantsHold(*game));
}

TEST_F(RulesTest, WasteToColumnWithFlipElsewhereIsNotDoubleCounted)
{
    Position p;
    p.tableau = {"6H", "", "", "", "", "", ""};
    p.waste = "5S";
    auto game = load(p);
    game->play().move(DragSource::waste(), MoveTarget::tableau(0));
    EXPECT_EQ(game->play().score(), 5);
    EXPECT_EQ(game->play().tableau()[0].size(), 2);
}

TEST_F(RulesTest, MoveRejectsBrokenPreconditionsWithoutChangingAnything)
{
    Position p;
    p.tableau = {"-2C 9S 8H", "", "", "", "", "", ""};
    auto game = load(p);
    const auto before = game->play().tableau();
    game->play().move(DragSource::tableau(0, 1), MoveTarget::foundation(0)); // two cards to a foundation
    game->play().move(DragSource::tableau(3, 0), MoveTarget::tableau(1));    // empty source
    game->play().move(DragSource::tableau(0, 1), MoveTarget::tableau(9));    // no such column
    EXPECT_EQ(game->play().tableau(), before);
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
    EXPECT_FALSE(game->session().hasStartedDeal());
}

TEST_F(RulesTest, DigitKeyTakesTheDeepestCardThatFits)
{
    for (const auto& [target, expectedMoved] : {std::pair{QString("8D"), 1}, std::pair{QString("TD"), 3}}) {
        Position p;
        p.tableau = {"", "", target, "", "", "-4C 9S 8H 7C", ""};
        auto game = load(p);
        moveFocusedPile(game->play(), BoardFocus::tableau(5), 2, drag);
        EXPECT_EQ(game->play().tableau()[2].size(), 1 + expectedMoved) << target.toStdString();
        EXPECT_EQ(game->play().tableau()[2].last().rank, 7);
    }
}

TEST_F(RulesTest, DigitKeyIgnoresStockSameColumnAndBadIndices)
{
    Position p;
    p.tableau = {"", "", "8D", "", "", "-4C 7C", ""};
    auto game = load(p);
    moveFocusedPile(game->play(), BoardFocus::stock(), 2, drag);
    moveFocusedPile(game->play(), BoardFocus::tableau(5), 5, drag);
    moveFocusedPile(game->play(), BoardFocus::tableau(5), 11, drag);
    moveFocusedPile(game->play(), BoardFocus::tableau(12), 2, drag);
    EXPECT_TRUE(game->play().history().undoSteps().isEmpty());
}

TEST_F(RulesTest, MoveIfLegalChecksTheListAndClearsTheDrag)
{
    Position p;
    p.tableau = {"", "", "8D", "", "", "-4C 7C", ""};
    auto game = load(p);
    drag.setDragSource(DragSource::tableau(5, 1));
    game->play().moveIfLegal(DragSource::tableau(5, 1), MoveTarget::tableau(0), drag); // not legal
    EXPECT_TRUE(drag.dragSource().has_value());
    game->play().moveIfLegal(DragSource::tableau(5, 1), MoveTarget::tableau(2), drag);
    EXPECT_FALSE(drag.dragSource().has_value());
    EXPECT_EQ(game->play().tableau()[2].size(), 2);
}

TEST_F(RulesTest, WinIsDetectedAndBlocksFurtherPlayUntilUndo)
{
    Position p;
    p.foundations = {"AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS", "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH",
                     "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC"};
    p.tableau = {"KC", "", "", "", "", "", ""};
    store.setString(keys::autoCompleteMode, "Disabled");
    auto game = load(p);
    game->play().move(DragSource::tableau(0, 0), MoveTarget::foundation(3));
    EXPECT_TRUE(game->play().hasWon());
    EXPECT_EQ(game->statistics().solvedCount(), 1);
    game->play().drawFromStock(drag);
    EXPECT_EQ(game->play().history().undoSteps().size(), 1);
    game->play().undo(drag);
    EXPECT_FALSE(game->play().hasWon());
    game->play().move(DragSource::tableau(0, 0), MoveTarget::foundation(3));
    EXPECT_TRUE(game->play().hasWon());
    EXPECT_EQ(game->statistics().solvedCount(), 1);
    EXPECT_EQ(game->statistics().currentStreak(), 1);
}

TEST(CardTest, IdentityAndLabels)
{
    Card c = Card::make(Suit::hearts, 12, false);
    Card flipped = c;
    flipped.isFaceUp = true;
    EXPECT_NE(c, flipped);
    EXPECT_EQ(c.id, flipped.id);
    EXPECT_NE(Card::make(Suit::hearts, 12).id, c.id);
    EXPECT_EQ(c.accessibilityName(), "Face down card");
    EXPECT_EQ(flipped.accessibilityName(), "Queen of Hearts");
    EXPECT_EQ(Card::make(Suit::clubs, 7, true).accessibilityName(), "7 of Clubs");
    for (std::int64_t r = 1; r <= 13; ++r)
        EXPECT_EQ(rankLabel(r).size(), r == 10 ? 2 : 1);
}

TEST(CardTest, RawValuesAreExactAndCaseSensitive)
{
    EXPECT_EQ(enumFromRaw<ScoringMode>("Vegas"), ScoringMode::vegas);
    EXPECT_FALSE(enumFromRaw<ScoringMode>("vegas"));
    EXPECT_FALSE(enumFromRaw<BoardSize>("large"));
    EXPECT_EQ(enumFromRaw<MenuBarIconOption>("Card Fan"), MenuBarIconOption::cardFan);
    EXPECT_EQ(enumFromRaw<CardBackTheme>("Studio Kestrune"), CardBackTheme::pixelLogo);
    EXPECT_EQ(enumFromRaw<ModalScreen>("How to Play"), ModalScreen::howToPlay);
    EXPECT_EQ(suitFromRaw(QStringLiteral("\u2666")), Suit::diamonds);
    EXPECT_FALSE(suitFromRaw("D"));
    for (CardBackTheme t : EnumCases<CardBackTheme>::all)
        EXPECT_EQ(enumFromRaw<CardBackTheme>(rawValue(t)), t);
}
