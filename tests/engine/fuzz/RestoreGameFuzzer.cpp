// libFuzzer target for starting the game on a saved record: whatever bytes
// sit under the saved-game key, the game starts with 52 distinct cards of
// ranks Ace to King; a consistent record under the game's rules comes back
// as it was saved; and restarting the deal, drawing, moving, undoing and
// redoing keep a whole deck and a record that saves, reads back and restores
// to the same position.

#include "PileCheck.h"
#include "support/FuzzCheck.h"

#include "engine/DragState.h"
#include "engine/SolitaireGame.h"
#include "persistence/SavedGame.h"
#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <memory>

using namespace murvane;

namespace {

void requireWholeDeck(const GamePlay& play)
{
    fuzz::DeckTally tally;
    tally.add(play.stock());
    tally.add(play.waste());
    tally.addAll(play.foundations());
    tally.addAll(play.tableau());
    FUZZ_REQUIRE(tally.isWholeDeck());
}

bool samePosition(const SavedGame& a, const SavedGame& b)
{
    return a.stock == b.stock && a.waste == b.waste && a.foundations == b.foundations && a.tableau == b.tableau
        && a.score == b.score && a.redealsUsed == b.redealsUsed;
}

// Settings that make the record's own rules the game's, so that a record
// that decodes is restored rather than kept for later.
void adoptRulesOf(const SavedGame& record, InMemorySettingsStore& store)
{
    store.setString(keys::scoringMode, record.scoringMode);
    store.setBool(keys::unlimitedRedeals, !record.passesAllowed);
    store.setInteger(keys::drawCount, record.passesAllowed.value_or(record.startedDrawCount.value_or(1)));
}

// A little play from the restored position, checking the deck after each step.
void playOn(SolitaireGame& game)
{
    DragState drag;
    GamePlay& play = game.play();
    play.cancelAutoComplete();
    game.session().restartDeal(drag);
    requireWholeDeck(play);
    for (int i = 0; i < 4; ++i) {
        play.drawFromStock(drag);
        requireWholeDeck(play);
    }
    if (!play.waste().isEmpty())
        play.moveToBestSpot(play.waste().last(), drag);
    for (int column = 0; column < kColumnCount; ++column)
        if (!play.tableau()[column].isEmpty())
            play.moveToBestSpot(play.tableau()[column].last(), drag);
    requireWholeDeck(play);
    play.undo(drag);
    play.undo(drag);
    requireWholeDeck(play);
    play.redo(drag);
    requireWholeDeck(play);
    play.cancelAutoComplete();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Timers and posted saves want an application object; it lives for the run.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    InMemorySettingsStore store;
    const std::optional<SavedGame> record = decodeSavedGame(bytes);
    if (record)
        adoptRulesOf(*record, store);
    store.setData(keys::savedGame, bytes);

    auto game = std::make_unique<SolitaireGame>(store, false);
    requireWholeDeck(game->play());
    const bool underSameRules = record && rawValue(game->settings().scoringMode()) == record->scoringMode
        && game->settings().passesAllowed() == record->passesAllowed;
    if (underSameRules && isConsistentPosition(*record) && !record->wasAutoCompleting)
        FUZZ_REQUIRE(samePosition(game->makeSavedGame(), *record));

    playOn(*game);
    game->saveNowIfScheduled();
    if (game->play().hasWon())
        return 0;
    const SavedGame saved = game->makeSavedGame();
    FUZZ_REQUIRE(isConsistentPosition(saved));
    const std::optional<SavedGame> reread = decodeSavedGame(encodeSavedGame(saved));
    FUZZ_REQUIRE(reread && *reread == saved);

    game->saveNow();
    game.reset();
    SolitaireGame again(store, false);
    requireWholeDeck(again.play());
    FUZZ_REQUIRE(samePosition(again.makeSavedGame(), saved));
    return 0;
}
