// Saving the game in progress after each main-thread turn, and restoring it.

#include "engine/SolitaireGame.h"
#include "engine/DailyRecord.h"
#include "engine/SolverCards.h"

#include "persistence/SavedGame.h"
#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"
#include "solver/DealCode.h"
#include "solver/DealNumbers.h"

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

// The deal as dealt, with the ids of the same cards in the restored
// position so that a restart moves those cards. A record from before the
// dealt layout was saved, or one whose layout was not a deal of the same
// 52 cards, gives an unknown deal: it plays on, but Restart Deal and Copy
// Deal Code are unavailable until the next deal.
DealOrigin restoredOrigin(const SavedGame& record, const Table& now)
{
    if (!record.dealt || record.dealt->tableau.size() != kColumnCount)
        return {};
    DealOrigin origin;
    origin.stock = fromSaved(record.dealt->stock);
    for (int c = 0; c < kColumnCount; ++c)
        origin.tableau[c] = fromSaved(record.dealt->tableau[c]);
    if (!solver::deckOfLayout(toSolverLayout(origin.tableau, origin.stock)))
        return {};
    for (const SavedCard& c : record.dealt->stock)
        if (!suitFromRaw(c.suit))
            return {};
    for (const auto& column : record.dealt->tableau)
        for (const SavedCard& c : column)
            if (!suitFromRaw(c.suit))
                return {};

    QHash<int, CardId> ids;
    auto note = [&ids](const Pile& pile) {
        for (const Card& c : pile)
            ids.insert(suitIndex(c.suit) * 13 + int(c.rank), c.id);
    };
    note(now.stock);
    note(now.waste);
    for (const Pile& p : now.foundations)
        note(p);
    for (const Pile& p : now.tableau)
        note(p);
    auto reuse = [&ids](Pile& pile) {
        for (Card& c : pile)
            c.id = ids.value(suitIndex(c.suit) * 13 + int(c.rank), c.id);
    };
    reuse(origin.stock);
    for (Pile& p : origin.tableau)
        reuse(p);
    const std::optional<std::int64_t> number = record.dealt->number;
    if (number && *number >= solver::kFirstDealNumber && *number <= solver::kLastDealNumber)
        origin.number = std::uint32_t(*number);
    // A daily date that does not name the saved number is not believed.
    const std::optional<QDate> daily = record.dealt->dailyDate;
    if (origin.number && daily && dailyDealNumber(*daily) == *origin.number)
        origin.dailyDate = daily;
    origin.openingBankroll = record.dealt->openingBankroll;
    return origin;
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
    saveNow();
    return true;
}

void SolitaireGame::saveNowIfScheduled()
{
    if (saveIsScheduled_)
        saveNow();
}

void SolitaireGame::saveNow()
{
    saveIsScheduled_ = false;
    if (play_->hasWon()) {
        store_.removeObject(keys::savedGame);
        return;
    }
    const QByteArray data = encodeSavedGame(makeSavedGame());
    if (data.isEmpty())
        return; // keep the previous record rather than write a broken one
    store_.setData(keys::savedGame, data);
}

SavedGame SolitaireGame::makeSavedGame() const
{
    const GamePlay& p = *play_;
    const DealSession& s = *session_;
    SavedGame g;
    g.version = SavedGame::kCurrentVersion;
    g.stock = toSaved(p.stock());
    g.waste = toSaved(p.waste());
    for (const Pile& f : p.foundations())
        g.foundations.append(toSaved(f));
    for (const Pile& c : p.tableau())
        g.tableau.append(toSaved(c));
    g.score = p.score();
    g.hasStartedCurrentDeal = s.hasStartedDeal();
    g.gameHasBeenCreditedWin = s.hasBeenCreditedWin();
    g.solutionShown = s.wasSolutionShown();
    g.redealsUsed = p.redealsUsed();
    g.scoringMode = rawValue(settings_->scoringMode());
    g.passesAllowed = settings_->passesAllowed();
    g.wasAutoCompleting = p.isAutoCompleting();
    if (s.hasStartedDeal())
        g.startedDrawCount = GameStatistics::drawMode(s.ruleSetOfDeal()).count();
    // Off, the record is exactly what it was before the clock existed.
    if (settings_->showsTimeAndMoves()) {
        g.elapsedMilliseconds = s.clock().elapsedMs();
        g.moveCount = s.clock().moveCount();
        g.timedWholeDeal = s.clock().isWhole();
    }
    const DealOrigin& origin = s.origin();
    if (origin.isKnown()) {
        SavedDeal dealt{toSaved(origin.stock), {}, std::nullopt, origin.openingBankroll};
        for (const Pile& c : origin.tableau)
            dealt.tableau.append(toSaved(c));
        if (origin.number)
            dealt.number = *origin.number;
        dealt.dailyDate = origin.dailyDate;
        g.dealt = std::move(dealt);
    }
    return g;
}

bool SolitaireGame::restoreSavedGame()
{
    const std::optional<QByteArray> data = store_.dataForKey(keys::savedGame);
    if (!data)
        return false;
    const std::optional<SavedGame> record = decodeSavedGame(*data);
    if (!record || !isConsistentPosition(*record)) {
        store_.removeObject(keys::savedGame);
        return false;
    }
    // Played under other rules: keep it until the new game's first save.
    if (record->scoringMode != rawValue(settings_->scoringMode()) || record->passesAllowed != settings_->passesAllowed())
        return false;

    isRestoring_ = true;
    GameSnapshot position;
    position.stock = fromSaved(record->stock);
    position.waste = fromSaved(record->waste);
    for (int i = 0; i < kFoundationCount; ++i)
        position.foundations[i] = fromSaved(record->foundations[i]);
    for (int i = 0; i < kColumnCount; ++i)
        position.tableau[i] = fromSaved(record->tableau[i]);
    position.score = record->score;
    position.redealsUsed = record->redealsUsed;
    const int ruleSet = GameStatistics::ruleSetIndex(
        record->startedDrawCount ? DrawMode::fromCount(*record->startedDrawCount) : settings_->drawMode(),
        settings_->scoringMode());
    session_->resume(restoredOrigin(*record, Table{position.stock, position.waste, position.foundations,
                                                    position.tableau}),
                     record->hasStartedCurrentDeal, record->gameHasBeenCreditedWin, record->solutionShown,
                     ruleSet);
    // A record without the clock's figures starts them at zero; a deal
    // already under way then cannot be timed whole.
    session_->clock().restore(record->elapsedMilliseconds.value_or(0), record->moveCount.value_or(0),
                              record->timedWholeDeal.value_or(!record->hasStartedCurrentDeal));
    play_->restore(position, record->wasAutoCompleting);
    isRestoring_ = false;
    return true;
}

} // namespace murvane
