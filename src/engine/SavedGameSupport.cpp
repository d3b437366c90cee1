// Saving the game in progress after each main-thread turn, and restoring it.

#include "engine/SolitaireGame.h"

#include "persistence/SavedGame.h"
#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"

#include <QCoreApplication>
#include <QEvent>

namespace murvane {

namespace {

QList<SavedCard> toSaved(const Pile& pile)
{
    QList<SavedCard> out;
    out.reserve(pile.size());
    for (const Card& c : pile)
        out.append(SavedCard{rawValue(c.suit), c.rank, c.isFaceUp});
    return out;
}

// The record has been validated, so every suit string is known.
Pile fromSaved(const QList<SavedCard>& cards)
{
    Pile out;
    out.reserve(cards.size());
    for (const SavedCard& c : cards)
        out.append(Card::make(suitFromRaw(c.suit).value_or(Suit::spades), c.rank, c.isFaceUp));
    return out;
}

} // namespace

namespace {
const QEvent::Type kSaveEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
} // namespace

void SolitaireGame::scheduleSave()
{
    if (saveIsScheduled_ || isRestoring_)
        return;
    saveIsScheduled_ = true;
    // Runs after the current turn, behind the repaint the change asked for
    // (posted at low priority), so the board shows the change first; dropped
    // with the game if it goes away first.
    QCoreApplication::postEvent(this, new QEvent(kSaveEvent), Qt::LowEventPriority - 1);
}

bool SolitaireGame::event(QEvent* e)
{
    if (e->type() != kSaveEvent)
        return QObject::event(e);
    saveGame();
    return true;
}

void SolitaireGame::saveGame()
{
    saveIsScheduled_ = false;
    if (hasWon_) {
        defaults_.removeObject(keys::savedGame);
        return;
    }
    const QByteArray data = encodeSavedGame(makeSavedGame());
    if (data.isEmpty())
        return; // keep the previous record rather than write a broken one
    defaults_.setData(keys::savedGame, data);
}

SavedGame SolitaireGame::makeSavedGame() const
{
    SavedGame g;
    g.version = SavedGame::kCurrentVersion;
    g.stock = toSaved(stock_);
    g.waste = toSaved(waste_);
    for (const Pile& p : foundations_)
        g.foundations.append(toSaved(p));
    for (const Pile& p : tableau_)
        g.tableau.append(toSaved(p));
    g.score = score_;
    g.hasStartedCurrentDeal = hasStartedCurrentDeal_;
    g.gameHasBeenCreditedWin = gameHasBeenCreditedWin_;
    g.redealsUsed = redealsUsed_;
    g.scoringMode = rawValue(scoringMode_);
    if (hasPassLimit())
        g.passesAllowed = passesAllowed();
    g.wasAutoCompleting = isAutoCompleting_;
    return g;
}

bool SolitaireGame::restoreSavedGame()
{
    const std::optional<QByteArray> data = defaults_.dataForKey(keys::savedGame);
    if (!data)
        return false;
    const std::optional<SavedGame> record = decodeSavedGame(*data);
    if (!record || !isConsistentPosition(*record)) {
        defaults_.removeObject(keys::savedGame);
        return false;
    }
    // Played under other rules: keep it until the new game's first save.
    if (record->scoringMode != rawValue(scoringMode_))
        return false;
    if (hasPassLimit() ? record->passesAllowed != passesAllowed() : record->passesAllowed.has_value())
        return false;

    isRestoring_ = true;
    cancelAutoComplete();
    setStock(fromSaved(record->stock));
    setWaste(fromSaved(record->waste));
    Foundations f;
    for (int i = 0; i < kFoundationCount; ++i)
        f[i] = fromSaved(record->foundations[i]);
    setFoundations(f);
    Tableau t;
    for (int i = 0; i < kColumnCount; ++i)
        t[i] = fromSaved(record->tableau[i]);
    setTableau(t);
    setScore(record->score);
    setHasStartedCurrentDeal(record->hasStartedCurrentDeal);
    gameHasBeenCreditedWin_ = record->gameHasBeenCreditedWin;
    setRedealsUsed(record->redealsUsed);
    setHasWon(false);
    setHistory({});
    isRestoring_ = false;

    if (record->wasAutoCompleting && autoCompleteMode_ == AutoCompleteMode::enabled)
        startAutoCompleteIfPossible();
    return true;
}

} // namespace murvane
