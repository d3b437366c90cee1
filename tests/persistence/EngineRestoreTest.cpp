// The saved game as the game object uses it: what a start-up does with good,
// broken and other-rules records, and what it writes back afterwards.

#include "SavedGameTestSupport.h"

#include "engine/DragState.h"
#include "engine/SolitaireGame.h"
#include "engine/GamePlayTestPeer.h"
#include "engine/SolitaireGame.h"
#include "persistence/QSettingsStore.h"
#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"
#include "solver/Deals.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace murvane;
using namespace murvane::testing;

namespace {

void endTurn() { QCoreApplication::processEvents(); }

// The position part of a record, which a restore must reproduce exactly.
void expectSamePosition(const SavedGame& actual, const SavedGame& expected)
{
    EXPECT_EQ(actual.stock, expected.stock);
    EXPECT_EQ(actual.waste, expected.waste);
    EXPECT_EQ(actual.foundations, expected.foundations);
    EXPECT_EQ(actual.tableau, expected.tableau);
    EXPECT_EQ(actual.score, expected.score);
    EXPECT_EQ(actual.hasStartedCurrentDeal, expected.hasStartedCurrentDeal);
    EXPECT_EQ(actual.gameHasBeenCreditedWin, expected.gameHasBeenCreditedWin);
    EXPECT_EQ(actual.redealsUsed, expected.redealsUsed);
}

bool isFreshDeal(const SolitaireGame& game)
{
    std::int64_t onTableau = 0;
    for (const auto& column : game.play().tableau())
        onTableau += column.size();
    std::int64_t onFoundations = 0;
    for (const auto& pile : game.play().foundations())
        onFoundations += pile.size();
    return game.play().stock().size() == 24 && onTableau == 28 && game.play().waste().isEmpty()
        && onFoundations == 0 && !game.session().hasStartedDeal();
}

TEST(EngineRestore, AConsistentRecordIsInstalledAndKept)
{
    InMemorySettingsStore store;
    SavedGame record = sampleGame();
    record.gameHasBeenCreditedWin = true;
    store.setData(keys::savedGame, encodeSavedGame(record));

    SolitaireGame game(store, false);
    expectSamePosition(game.makeSavedGame(), record);
    EXPECT_FALSE(game.play().hasWon());
    EXPECT_EQ(peer(game.play()).undoCount(), 0);
    EXPECT_EQ(store.dataForKey(keys::savedGame), encodeSavedGame(record));
    endTurn();
    EXPECT_EQ(store.writeCount(keys::savedGame), 1) << "restoring must not save";
}

TEST(EngineRestore, ANullPassLimitReadsAsNoPassLimit)
{
    InMemorySettingsStore store;
    const SavedGame record = sampleGame();
    ASSERT_FALSE(record.passesAllowed);
    QJsonObject object = QJsonDocument::fromJson(encodeSavedGame(record)).object();
    object.insert(QStringLiteral("passesAllowed"), QJsonValue::Null);
    const QByteArray data = QJsonDocument(object).toJson();
    store.setData(keys::savedGame, data);

    SolitaireGame game(store, false);
    expectSamePosition(game.makeSavedGame(), record);
    EXPECT_EQ(store.dataForKey(keys::savedGame), data) << "the record must be kept, not deleted";
}

TEST(EngineRestore, ABrokenRecordIsDeletedAndANewGameDealt)
{
    const auto withRecord = [](const std::function<void(SavedGame&)>& breakIt) {
        SavedGame game = sampleGame();
        breakIt(game);
        return encodeSavedGame(game);
    };
    const auto withJson = [](const std::function<void(QByteArray&)>& breakIt) {
        QByteArray json = encodeSavedGame(sampleGame());
        breakIt(json);
        return json;
    };
    const std::pair<const char*, QByteArray> cases[] = {
        {"51 cards", withRecord([](SavedGame& g) { g.stock.removeLast(); })},
        {"duplicate card", withRecord([](SavedGame& g) { g.stock[0] = g.stock[1]; })},
        {"face-up stock card", withRecord([](SavedGame& g) { g.stock[0].isFaceUp = true; })},
        {"face-down waste card", withRecord([](SavedGame& g) { g.waste[0].isFaceUp = false; })},
        {"foundation starting with a 2", encodeSavedGame(withRestInStock([] {
             SavedGame g = samplePiles();
             g.foundations[2] = {up(kDiamond, 2)};
             return g;
         }()))},
        {"two reds in a row", encodeSavedGame(withRestInStock([] {
             SavedGame g = samplePiles();
             g.tableau[5] = {up(kHeart, 9), up(kDiamond, 8)};
             return g;
         }()))},
        {"face-down cards only", encodeSavedGame(withRestInStock([] {
             SavedGame g = samplePiles();
             g.tableau[3] = {down(kDiamond, 6)};
             return g;
         }()))},
        {"version 2", withRecord([](SavedGame& g) { g.version = 2; })},
        {"score where the next points would overflow",
            withRecord([](SavedGame& g) { g.score = std::numeric_limits<std::int64_t>::max(); })},
        {"no wasAutoCompleting", withJson([](QByteArray& j) { j.replace(",\"wasAutoCompleting\":false", ""); })},
        {"score as text", withJson([](QByteArray& j) { j.replace("\"score\":42", "\"score\":\"42\""); })},
        {"not JSON", "not a saved game"},
    };
    for (const auto& [name, data] : cases) {
        SCOPED_TRACE(name);
        InMemorySettingsStore store;
        store.setData(keys::savedGame, data);
        SolitaireGame game(store, false);
        EXPECT_FALSE(store.hasObjectForKey(keys::savedGame));
        EXPECT_TRUE(isFreshDeal(game));
        // The new game's first save replaces it with a good record.
        endTurn();
        const auto saved = store.dataForKey(keys::savedGame);
        ASSERT_TRUE(saved);
        const auto decoded = decodeSavedGame(*saved);
        ASSERT_TRUE(decoded);
        EXPECT_TRUE(isConsistentPosition(*decoded));
    }
}

TEST(EngineRestore, ARecordOfOtherRulesIsKeptButNotInstalled)
{
    struct Case {
        const char* name;
        QString recordMode;
        std::optional<std::int64_t> recordPasses;
        std::function<void(InMemorySettingsStore&)> rules;
        bool restored;
    };
    const auto standard = [](InMemorySettingsStore&) {};
    const auto vegasLimited = [](std::int64_t draw) {
        return [draw](InMemorySettingsStore& s) {
            s.setString(keys::scoringMode, "Vegas");
            s.setBool(keys::unlimitedRedeals, false);
            s.setInteger(keys::drawCount, draw);
        };
    };
    const Case cases[] = {
        {"Vegas record, standard scoring now", "Vegas", {}, standard, false},
        {"Draw 3 limit, Draw 1 limit now", "Vegas", 3, vegasLimited(1), false},
        {"Draw 3 limit, same rules", "Vegas", 3, vegasLimited(3), true},
        {"no limit, limit now", "Vegas", {}, vegasLimited(1), false},
        {"limit, no limit now", "Standard", 1, standard, false},
        {"unlimited Draw 3, unlimited Draw 1 now", "Standard", {},
            [](InMemorySettingsStore& s) { s.setInteger(keys::drawCount, 1); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InMemorySettingsStore store;
        c.rules(store);
        SavedGame record = sampleGame();
        record.scoringMode = c.recordMode;
        record.passesAllowed = c.recordPasses;
        const QByteArray data = encodeSavedGame(record);
        store.setData(keys::savedGame, data);

        SolitaireGame game(store, false);
        EXPECT_EQ(store.dataForKey(keys::savedGame), data) << "kept until the next save";
        if (c.restored)
            expectSamePosition(game.makeSavedGame(), record);
        else
            EXPECT_TRUE(isFreshDeal(game));
    }
}

TEST(EngineRestore, AutoCompleteResumesOnlyWhenEnabled)
{
    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        InMemorySettingsStore store;
        if (!enabled)
            store.setString(keys::autoCompleteMode, "Disabled");
        // Everything face up with stock and waste empty: auto-complete can
        // finish it.
        SavedGame record;
        for (const QString& suit : {kSpade, kHeart, kDiamond, kClub}) {
            QList<SavedCard> pile;
            const int top = (suit == kSpade || suit == kHeart) ? 10 : 13;
            for (int rank = 1; rank <= top; ++rank)
                pile.append(up(suit, rank));
            record.foundations.append(pile);
        }
        record.tableau = QList<QList<SavedCard>>(7);
        record.tableau[0] = {up(kSpade, 13), up(kHeart, 12), up(kSpade, 11)};
        record.tableau[1] = {up(kHeart, 13), up(kSpade, 12), up(kHeart, 11)};
        record.scoringMode = QStringLiteral("Standard");
        record.wasAutoCompleting = true;
        ASSERT_TRUE(isConsistentPosition(record));
        store.setData(keys::savedGame, encodeSavedGame(record));

        SolitaireGame game(store, false);
        EXPECT_EQ(game.play().isAutoCompleting() || peer(game.play()).hasAutoCompleteTask(), enabled);
    }
}

TEST(EngineRestore, OneActionWritesOneRecordAndAWinRemovesIt)
{
    InMemorySettingsStore store;
    // One card from the end: the King of clubs waits on the waste.
    SavedGame record;
    for (const QString& suit : {kSpade, kHeart, kDiamond, kClub}) {
        QList<SavedCard> pile;
        for (int rank = 1; rank <= (suit == kClub ? 12 : 13); ++rank)
            pile.append(up(suit, rank));
        record.foundations.append(pile);
    }
    record.waste = {up(kClub, 13)};
    record.tableau = QList<QList<SavedCard>>(7);
    record.scoringMode = QStringLiteral("Standard");
    record.hasStartedCurrentDeal = true;
    store.setData(keys::savedGame, encodeSavedGame(record));
    store.setString(keys::autoCompleteMode, "Disabled");

    SolitaireGame game(store, false);
    ASSERT_EQ(game.play().waste().size(), 1);
    const int writesBefore = store.writeCount(keys::savedGame);
    DragState drag;
    game.play().moveToBestSpot(game.play().waste().last(), drag); // pile, score and win in one action
    EXPECT_TRUE(game.play().hasWon());
    endTurn();
    EXPECT_EQ(store.writeCount(keys::savedGame), writesBefore + 1);
    EXPECT_FALSE(store.hasObjectForKey(keys::savedGame));

    // The next start deals a new game.
    SolitaireGame next(store, false);
    EXPECT_TRUE(isFreshDeal(next));
}

TEST(EngineRestore, AGameInProgressSurvivesARelaunchThroughTheSettingsFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("settings.conf"));
    SavedGame before;
    {
        QSettingsStore store(file);
        SolitaireGame game(store, false);
        endTurn(); // the new deal's first save
        DragState drag;
        // The first draw counts the deal and changes two piles: one flush
        // carries the statistic and the record.
        const int flushes = store.flushCount();
        game.play().drawFromStock(drag);
        endTurn();
        EXPECT_EQ(store.flushCount(), flushes + 1);
        game.play().drawFromStock(drag);
        endTurn();
        before = game.makeSavedGame();
        EXPECT_EQ(game.statistics().dealsCount(), 1);
    }
    // A copy, so that it is read from its text as by a new process.
    const QString relaunch = dir.filePath(QStringLiteral("relaunch.conf"));
    ASSERT_TRUE(QFile::copy(file, relaunch));
    QSettingsStore store(relaunch);
    SolitaireGame game(store, false);
    expectSamePosition(game.makeSavedGame(), before);
    EXPECT_EQ(game.statistics().dealsCount(), 1);
    EXPECT_TRUE(game.session().hasStartedDeal());
}

} // namespace

namespace {

// The ordered deck dealt, then a draw, a move to a column, an undo and two
// more draws: every kind of step, saved after the turn.
QByteArray recordAfterScriptedPlay(InMemorySettingsStore& store)
{
    store.setString(keys::autoCompleteMode, QStringLiteral("Disabled"));
    SolitaireGame game(store, false);
    game.session().playDeal(DealRequest{std::nullopt, solver::orderedDeck()});
    DragState drag;
    // Draw until the waste card can go somewhere, then move it.
    bool moved = false;
    for (int draws = 0; draws < 24 && !moved; ++draws) {
        game.play().drawFromStock(drag);
        const QList<MoveTarget> targets = moves::legalTargets(game.play().table(), DragSource::waste());
        moved = !targets.isEmpty() && game.play().move(DragSource::waste(), targets.first());
    }
    EXPECT_TRUE(moved);
    game.play().undo(drag);
    game.play().drawFromStock(drag);
    game.play().drawFromStock(drag);
    endTurn();
    return store.dataForKey(keys::savedGame).value_or(QByteArray());
}

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(MURVANE_RECORDS_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(EngineRestore, WithoutTheClockTheRecordIsTheOneEarlierBuildsWrote)
{
    // The fixture was written by the build before time and moves existed.
    const QByteArray expected = fixture("scripted-play.json");
    ASSERT_FALSE(expected.isEmpty());
    InMemorySettingsStore store;
    EXPECT_EQ(recordAfterScriptedPlay(store), expected);
}

} // namespace
