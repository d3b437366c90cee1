#pragma once
// Building exact game positions for tests. A position is loaded the way the
// game loads one at start-up: as a saved record in the store.
//
// Card notation: rank (A 2-9 T J Q K) then suit (S H D C), e.g. "QH", "TD".
// A leading '-' marks a face-down card: "-KS".

#include "engine/SolitaireGame.h"
#include "engine/GamePlayTestPeer.h"
#include "engine/SolitaireGame.h"
#include "persistence/SavedGame.h"
#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"
#include "solver/DealText.h"

#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>

namespace murvane::testing {

inline SavedCard parseSavedCard(const QString& token)
{
    QString t = token;
    bool faceUp = true;
    if (t.startsWith(QLatin1Char('-'))) {
        faceUp = false;
        t.remove(0, 1);
    }
    if (t.size() != 2)
        throw std::invalid_argument("bad card token");
    static const QString ranks = QStringLiteral("A23456789TJQK");
    const qsizetype rank = ranks.indexOf(t.at(0));
    static const QString suits = QStringLiteral("SHDC");
    const qsizetype suit = suits.indexOf(t.at(1));
    if (rank < 0 || suit < 0)
        throw std::invalid_argument("bad card token");
    return SavedCard{rawValue(kAllSuits[suit]), rank + 1, faceUp};
}

// The deal as dealt from the ordered deck, as a saved record keeps it;
// `number` when it was played by number.
inline SavedDeal dealtFromOrderedDeck(std::optional<std::int64_t> number)
{
    const solver::DealLayout layout = solver::dealLayout(solver::orderedDeck());
    auto saved = [](const std::vector<solver::SolverCard>& cards) {
        QList<SavedCard> out;
        for (const auto& c : cards)
            out.append(SavedCard{rawValue(kAllSuits[c.suitIndex]), c.rank, c.isFaceUp});
        return out;
    };
    SavedDeal dealt{saved(layout.stock), {}, number, 0};
    for (const auto& column : layout.tableau)
        dealt.tableau.append(saved(column));
    return dealt;
}

inline QList<SavedCard> parsePile(const QString& text)
{
    QList<SavedCard> pile;
    for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        pile.append(parseSavedCard(token));
    return pile;
}

inline Card parseCard(const QString& token)
{
    const SavedCard c = parseSavedCard(token);
    return Card::make(*suitFromRaw(c.suit), c.rank, c.isFaceUp);
}

// Describes a position; every card not placed explicitly goes to the stock
// (face down) or, with leftoverToWaste, to the waste (face up).
struct Position {
    QStringList tableau = QStringList(7);
    QString waste;
    QStringList foundations = QStringList(4);
    QString stock;
    bool leftoverToWaste = false;
    std::int64_t score = 0;
    std::int64_t redealsUsed = 0;
    bool hasStartedCurrentDeal = false;
    bool gameHasBeenCreditedWin = false;
    bool wasAutoCompleting = false;

    SavedGame record(ScoringMode mode, std::optional<std::int64_t> passes) const
    {
        SavedGame g;
        g.stock = parsePile(stock);
        g.waste = parsePile(waste);
        for (const QString& f : foundations)
            g.foundations.append(parsePile(f));
        for (const QString& c : tableau)
            g.tableau.append(parsePile(c));
        std::set<std::pair<QString, std::int64_t>> used;
        auto note = [&](const QList<SavedCard>& pile) {
            for (const SavedCard& c : pile)
                used.insert({c.suit, c.rank});
        };
        note(g.stock);
        note(g.waste);
        for (const auto& p : g.foundations)
            note(p);
        for (const auto& p : g.tableau)
            note(p);
        for (Suit s : kAllSuits)
            for (std::int64_t r = 1; r <= 13; ++r)
                if (!used.count({rawValue(s), r})) {
                    if (leftoverToWaste)
                        g.waste.prepend(SavedCard{rawValue(s), r, true});
                    else
                        g.stock.prepend(SavedCard{rawValue(s), r, false});
                }
        g.score = score;
        g.redealsUsed = redealsUsed;
        g.hasStartedCurrentDeal = hasStartedCurrentDeal;
        g.gameHasBeenCreditedWin = gameHasBeenCreditedWin;
        g.scoringMode = rawValue(mode);
        g.passesAllowed = passes;
        g.wasAutoCompleting = wasAutoCompleting;
        return g;
    }
};

// Stores a rule set the way the preferences would: scoring, whether passes
// are unlimited, and cards per draw. Auto-complete is off so that tests step
// the game themselves.
inline void storeRules(InMemorySettingsStore& store, const QString& scoring, bool unlimited, std::int64_t draw)
{
    store.setString(keys::scoringMode, scoring);
    store.setBool(keys::unlimitedRedeals, unlimited);
    store.setInteger(keys::drawCount, draw);
    store.setString(keys::autoCompleteMode, QStringLiteral("Disabled"));
}

// Plants the position in the store under the store's current rules and
// constructs a game that restores it. Fails the test if it did not restore.
inline std::unique_ptr<SolitaireGame> loadGame(InMemorySettingsStore& store, const Position& position)
{
    const ScoringMode mode = readSetting(store, stored::scoringMode);
    std::optional<std::int64_t> passes;
    if (mode == ScoringMode::vegas && !readSetting(store, stored::unlimitedRedeals))
        passes = readSetting(store, stored::drawCount).passesAllowed();
    const SavedGame record = position.record(mode, passes);
    EXPECT_TRUE(isConsistentPosition(record)) << "test position is not a valid layout";
    store.setData(keys::savedGame, encodeSavedGame(record));
    auto game = std::make_unique<SolitaireGame>(store, false);
    // A record that was not restored leaves a freshly dealt game instead.
    bool restored = game->play().stock().size() == record.stock.size() && game->play().waste().size() == record.waste.size();
    for (int c = 0; c < kColumnCount; ++c)
        restored = restored && game->play().tableau()[c].size() == record.tableau[c].size();
    EXPECT_TRUE(restored) << "test position was not restored";
    return game;
}

// The table invariants every reachable position keeps.
inline ::testing::AssertionResult invariantsHold(const SolitaireGame& game)
{
    std::set<std::pair<int, std::int64_t>> seen;
    std::set<std::uint64_t> ids;
    int total = 0;
    auto count = [&](const Pile& pile) -> bool {
        for (const Card& c : pile) {
            ++total;
            if (c.rank < 1 || c.rank > 13)
                return false;
            if (!seen.insert({suitIndex(c.suit), c.rank}).second)
                return false;
            if (!ids.insert(c.id.value).second)
                return false;
        }
        return true;
    };
    if (!count(game.play().stock()) || !count(game.play().waste()))
        return ::testing::AssertionFailure() << "duplicate card in stock or waste";
    for (const Pile& p : game.play().foundations())
        if (!count(p))
            return ::testing::AssertionFailure() << "duplicate card on a foundation";
    for (const Pile& p : game.play().tableau())
        if (!count(p))
            return ::testing::AssertionFailure() << "duplicate card in a column";
    if (total != kDeckSize)
        return ::testing::AssertionFailure() << total << " cards on the table";
    for (const Card& c : game.play().stock())
        if (c.isFaceUp)
            return ::testing::AssertionFailure() << "face-up stock card";
    for (const Card& c : game.play().waste())
        if (!c.isFaceUp)
            return ::testing::AssertionFailure() << "face-down waste card";
    for (const Pile& p : game.play().foundations())
        for (int i = 0; i < p.size(); ++i)
            if (!p[i].isFaceUp || p[i].rank != i + 1 || p[i].suit != p[0].suit)
                return ::testing::AssertionFailure() << "foundation out of order";
    for (const Pile& col : game.play().tableau()) {
        bool sawFaceUp = false;
        for (const Card& c : col) {
            if (sawFaceUp && !c.isFaceUp)
                return ::testing::AssertionFailure() << "face-down card above a face-up one";
            sawFaceUp = sawFaceUp || c.isFaceUp;
        }
    }
    return ::testing::AssertionSuccess();
}

// Plays deal `number` under the game's rules and waits until it is laid
// (a numbered deal is found on the deal threads).
// A numbered deal is found on the deal threads; this waits until it is laid.
inline void waitForDeal(SolitaireGame& game)
{
    ASSERT_TRUE(QTest::qWaitFor([&game] { return !game.session().isDealing(); }, 60000));
}

inline void playNumberedDeal(SolitaireGame& game, std::uint32_t number)
{
    game.session().playDeal(DealRequest{number, std::nullopt});
    waitForDeal(game);
}

} // namespace murvane::testing
