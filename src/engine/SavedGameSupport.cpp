// Saving the game in progress after each main-thread turn, and restoring it.

#include "engine/SolitaireGame.h"
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
    solver::DealLayout layout;
    for (int c = 0; c < kColumnCount; ++c)
        layout.tableau[std::size_t(c)] = toSolverCards(origin.tableau[c]);
    layout.stock = toSolverCards(origin.stock);
    if (!solver::deckOfLayout(layout))
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
    saveGame();
    return true;
}

void SolitaireGame::saveNowIfScheduled()
{
    if (saveIsScheduled_)
        saveGame();
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
    if (hasStartedCurrentDeal_)
        g.startedDrawCount = RuleSetStatistics::drawMode(dealRuleSet_).count();
    if (origin_.isKnown()) {
        SavedDeal dealt{toSaved(origin_.stock), {}, std::nullopt, origin_.openingBankroll};
        for (const Pile& p : origin_.tableau)
            dealt.tableau.append(toSaved(p));
        if (origin_.number)
            dealt.number = *origin_.number;
        g.dealt = std::move(dealt);
    }
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
    origin_ = restoredOrigin(*record, table());
    dealRuleSet_ = RuleSetStatistics::ruleSetIndex(
        record->startedDrawCount ? DrawMode::fromCount(*record->startedDrawCount) : drawMode_, scoringMode_);
    isRestoring_ = false;
    reportPiles(MoveRecord::Kind::deal);

    if (record->wasAutoCompleting && autoCompleteMode_ == AutoCompleteMode::enabled)
        startAutoCompleteIfPossible();
    return true;
}

} // namespace murvane
