#pragma once
// The position the hint searches work on (inside the solver library only):
// a whole position per value, copied per child, with the moves a player may
// make from it. Shared by the search for a line and its shortening. Also the
// one key by which the game's hint and lost-game check recognise a position.

#include "solver/HintSearch.h"
#include "solver/SolverSearch.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace murvane::solver {

// The whole position as a short string: two positions share it only when
// they are the same (the tableau's cards with their faces, the stock and
// waste cards in order, the foundation counts, the draw count and the passes
// left). Cards must be real ones (suit 0-3, rank 1-13).
std::string positionKey(const HintPosition& p);

} // namespace murvane::solver

namespace murvane::solver::hint {

// A column holds at most 18 face-down cards under a run of 13 (the input is
// checked for that), the stock and waste at most the 24 cards left after a
// deal, so a position fits in a few hundred bytes.
constexpr int kColumnCapacity = 32;
constexpr int kStockCapacity = kDeckSize - 28;
constexpr int kMaxFaceDown = kColumnCapacity - kRanksPerSuit - 1;
constexpr int kUnlimited = -1;

// One position, copied whole per child: a few hundred bytes, cheaper than
// keeping apply and undo exact for seven kinds of move.
struct State {
    std::array<std::array<CardCode, kColumnCapacity>, kColumnCount> col{};
    std::array<std::uint8_t, kColumnCount> colLen{};
    std::array<CardCode, kStockCapacity> stock{};
    std::array<CardCode, kStockCapacity> waste{};
    std::uint8_t stockLen = 0;
    std::uint8_t wasteLen = 0;
    std::array<std::uint8_t, kSuitCount> found{};
    int recyclesLeft = kUnlimited;
    int drawCount = 1;
};

CardCode codeOf(const SolverCard& c, bool faceUp);
int rankOf(CardCode c);
State toState(const HintPosition& p);
void fromState(const State& s, HintPosition& p);
bool isWon(const State& s);
bool fitsFoundation(const State& s, CardCode c);
bool fitsColumn(const State& s, int col, CardCode c);
// The order moves are tried in. progressFirst: home, runs that turn a card
// up or empty a column, the waste to a column, the stock, then runs that
// turn nothing up. runsFirst: home, runs that turn a card up, the waste to a
// column, other runs, then the stock. Both: cards taken back from the
// foundation last. Each wins quickly where the other wanders.
enum class MoveOrder : std::uint8_t { progressFirst, runsFirst };
// Appends every legal move in that order. `all` keeps a whole column moved
// to an empty one, which the search skips as a mere swap of two columns.
void legalMoves(const State& s, bool all, std::vector<HintMove>& out, MoveOrder order = MoveOrder::progressFirst);
// Applies a move known to be legal.
void apply(State& s, const HintMove& m);

} // namespace murvane::solver::hint
