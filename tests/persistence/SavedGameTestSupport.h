#pragma once
// Builds consistent positions for the codec and store tests: name the cards
// that sit on the foundations, the waste and the tableau, and the rest of the
// deck goes to the stock face down.

#include "persistence/SavedGame.h"

namespace murvane::testing {

inline const QString kSpade = QStringLiteral("\u2660");
inline const QString kHeart = QStringLiteral("\u2665");
inline const QString kDiamond = QStringLiteral("\u2666");
inline const QString kClub = QStringLiteral("\u2663");

inline SavedCard up(const QString& suit, std::int64_t rank) { return {suit, rank, true}; }
inline SavedCard down(const QString& suit, std::int64_t rank) { return {suit, rank, false}; }

// Fills the stock with every card not yet placed, face down, in deck order.
inline SavedGame withRestInStock(SavedGame game)
{
    auto placed = [&](const QString& suit, std::int64_t rank) {
        auto in = [&](const QList<SavedCard>& pile) {
            for (const auto& c : pile)
                if (c.suit == suit && c.rank == rank)
                    return true;
            return false;
        };
        if (in(game.stock) || in(game.waste))
            return true;
        for (const auto& p : game.foundations)
            if (in(p))
                return true;
        for (const auto& p : game.tableau)
            if (in(p))
                return true;
        return false;
    };
    for (const QString& suit : {kSpade, kHeart, kDiamond, kClub})
        for (std::int64_t rank = 1; rank <= 13; ++rank)
            if (!placed(suit, rank))
                game.stock.append(down(suit, rank));
    return game;
}

// A game in progress that touches every rule: a started foundation, a waste,
// columns with hidden cards under an alternating run, and empty columns.
inline SavedGame samplePiles()
{
    SavedGame game;
    game.foundations = {{up(kSpade, 1), up(kSpade, 2)}, {up(kHeart, 1)}, {}, {}};
    game.waste = {up(kHeart, 5), up(kClub, 9)};
    game.tableau = {
        {up(kDiamond, 13)},
        {down(kClub, 3), up(kHeart, 12), up(kSpade, 11), up(kDiamond, 10)},
        {down(kClub, 4), down(kClub, 5), up(kClub, 6)},
        {},
        {down(kDiamond, 2), up(kSpade, 8), up(kDiamond, 7)},
        {},
        {up(kClub, 1)},
    };
    game.score = 42;
    game.hasStartedCurrentDeal = true;
    game.redealsUsed = 2;
    game.scoringMode = QStringLiteral("Standard");
    return game;
}

inline SavedGame sampleGame() { return withRestInStock(samplePiles()); }

} // namespace murvane::testing
