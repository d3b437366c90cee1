#include "SavedGame.h"

#include "cards/Card.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <set>
#include <utility>

namespace murvane {

namespace {

// A real record is about 3 KiB. Anything far beyond that is not ours, and
// refusing it before parsing keeps hostile input from costing time or memory.
constexpr qsizetype kMaxDocumentBytes = 64 * 1024;
// No pile, and neither list of piles, can hold more than the deck.
constexpr qsizetype kMaxArrayLength = 52;

constexpr std::int64_t kDeckSize = 52;
constexpr std::int64_t kRanksPerSuit = kKing;
// No real game comes near this (a deal scores a few thousand points at most),
// and a record beyond it would make the game's score and pass arithmetic
// overflow.
constexpr std::int64_t kMaxCounterMagnitude = 1'000'000'000'000;

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

namespace key {
const QString version = QStringLiteral("version");
const QString stock = QStringLiteral("stock");
const QString waste = QStringLiteral("waste");
const QString foundations = QStringLiteral("foundations");
const QString tableau = QStringLiteral("tableau");
const QString score = QStringLiteral("score");
const QString hasStartedCurrentDeal = QStringLiteral("hasStartedCurrentDeal");
const QString gameHasBeenCreditedWin = QStringLiteral("gameHasBeenCreditedWin");
const QString redealsUsed = QStringLiteral("redealsUsed");
const QString scoringMode = QStringLiteral("scoringMode");
const QString passesAllowed = QStringLiteral("passesAllowed");
const QString wasAutoCompleting = QStringLiteral("wasAutoCompleting");
const QString dealt = QStringLiteral("dealt");
const QString number = QStringLiteral("number");
const QString openingBankroll = QStringLiteral("openingBankroll");
const QString dailyDate = QStringLiteral("dailyDate");
const QString startedDrawCount = QStringLiteral("startedDrawCount");
const QString solutionShown = QStringLiteral("solutionShown");
const QString elapsedMilliseconds = QStringLiteral("elapsedMilliseconds");
const QString moveCount = QStringLiteral("moveCount");
const QString timedWholeDeal = QStringLiteral("timedWholeDeal");
const QString suit = QStringLiteral("suit");
const QString rank = QStringLiteral("rank");
const QString isFaceUp = QStringLiteral("isFaceUp");
} // namespace key

// Index of the suit in the cards' suit order, or -1 for anything that is not
// exactly one of the four symbols.
int suitIndex(const QString& symbol)
{
    const std::optional<Suit> suit = suitFromRaw(symbol);
    return suit ? murvane::suitIndex(*suit) : -1;
}

bool isRed(const SavedCard& card)
{
    const std::optional<Suit> suit = suitFromRaw(card.suit);
    return suit && murvane::isRed(*suit);
}

// ---- encoding ----

QJsonArray encodePile(const QList<SavedCard>& pile)
{
    QJsonArray array;
    for (const SavedCard& card : pile) {
        QJsonObject object;
        object.insert(key::suit, card.suit);
        object.insert(key::rank, qint64(card.rank));
        object.insert(key::isFaceUp, card.isFaceUp);
        array.append(object);
    }
    return array;
}

QJsonArray encodePiles(const QList<QList<SavedCard>>& piles)
{
    QJsonArray array;
    for (const auto& pile : piles)
        array.append(encodePile(pile));
    return array;
}

// ---- decoding ----

// A JSON number with an integral value that fits in 64 bits. toInteger()
// answers its default for fractions and out-of-range values, so asking
// with two different defaults tells a real value from a refusal.
std::optional<std::int64_t> integerValue(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const qint64 a = value.toInteger(0);
    const qint64 b = value.toInteger(1);
    if (a != b)
        return std::nullopt;
    return a;
}

std::optional<SavedCard> decodeCard(const QJsonValue& value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const QJsonValue suit = object.value(key::suit);
    const auto rank = integerValue(object.value(key::rank));
    const QJsonValue isFaceUp = object.value(key::isFaceUp);
    if (!suit.isString() || !rank || !isFaceUp.isBool())
        return std::nullopt;
    return SavedCard{suit.toString(), *rank, isFaceUp.toBool()};
}

std::optional<QList<SavedCard>> decodePile(const QJsonValue& value)
{
    if (!value.isArray())
        return std::nullopt;
    const QJsonArray array = value.toArray();
    if (array.size() > kMaxArrayLength)
        return std::nullopt;
    QList<SavedCard> pile;
    pile.reserve(array.size());
    for (const QJsonValue& element : array) {
        auto card = decodeCard(element);
        if (!card)
            return std::nullopt;
        pile.append(std::move(*card));
    }
    return pile;
}

std::optional<QList<QList<SavedCard>>> decodePiles(const QJsonValue& value)
{
    if (!value.isArray())
        return std::nullopt;
    const QJsonArray array = value.toArray();
    if (array.size() > kMaxArrayLength)
        return std::nullopt;
    QList<QList<SavedCard>> piles;
    piles.reserve(array.size());
    for (const QJsonValue& element : array) {
        auto pile = decodePile(element);
        if (!pile)
            return std::nullopt;
        piles.append(std::move(*pile));
    }
    return piles;
}

std::optional<bool> boolValue(const QJsonValue& value)
{
    if (!value.isBool())
        return std::nullopt;
    return value.toBool();
}

std::optional<SavedDeal> decodeDealt(const QJsonValue& value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    auto stock = decodePile(object.value(key::stock));
    auto tableau = decodePiles(object.value(key::tableau));
    const auto bankroll = integerValue(object.value(key::openingBankroll));
    if (!stock || !tableau || !bankroll)
        return std::nullopt;
    SavedDeal dealt{std::move(*stock), std::move(*tableau), std::nullopt, *bankroll};
    if (object.contains(key::number)) {
        dealt.number = integerValue(object.value(key::number));
        if (!dealt.number)
            return std::nullopt;
    }
    // Only the date goes when it is unreadable: the deal still restarts.
    const QDate daily = QDate::fromString(object.value(key::dailyDate).toString(), kDateFormat);
    if (daily.isValid())
        dealt.dailyDate = daily;
    return dealt;
}

// A clock figure: a whole number from 0 to the counter limit, else none.
std::optional<std::int64_t> clockFigure(const QJsonValue& value)
{
    const auto figure = integerValue(value);
    if (!figure || *figure < 0 || *figure > kMaxCounterMagnitude)
        return std::nullopt;
    return figure;
}

// ---- validation ----

bool allCardsWellFormed(const SavedGame& game)
{
    auto wellFormed = [](const QList<SavedCard>& pile) {
        for (const SavedCard& card : pile) {
            if (suitIndex(card.suit) < 0 || card.rank < 1 || card.rank > kRanksPerSuit)
                return false;
        }
        return true;
    };
    if (!wellFormed(game.stock) || !wellFormed(game.waste))
        return false;
    for (const auto& pile : game.foundations) {
        if (!wellFormed(pile))
            return false;
    }
    for (const auto& column : game.tableau) {
        if (!wellFormed(column))
            return false;
    }
    return true;
}

// Needs well-formed cards: suits and ranks index the seen table.
bool holdsTheWholeDeckOnce(const SavedGame& game)
{
    std::array<bool, kDeckSize> seen{};
    std::int64_t count = 0;
    auto note = [&](const QList<SavedCard>& pile) {
        for (const SavedCard& card : pile) {
            const auto slot = std::size_t(suitIndex(card.suit) * kRanksPerSuit + card.rank - 1);
            if (seen[slot])
                return false;
            seen[slot] = true;
            ++count;
        }
        return true;
    };
    if (!note(game.stock) || !note(game.waste))
        return false;
    for (const auto& pile : game.foundations) {
        if (!note(pile))
            return false;
    }
    for (const auto& column : game.tableau) {
        if (!note(column))
            return false;
    }
    return count == kDeckSize;
}

bool foundationIsValid(const QList<SavedCard>& pile)
{
    for (qsizetype k = 0; k < pile.size(); ++k) {
        const SavedCard& card = pile[k];
        if (!card.isFaceUp || card.rank != k + 1 || card.suit != pile.front().suit)
            return false;
    }
    return true;
}

bool columnIsValid(const QList<SavedCard>& column)
{
    if (column.isEmpty())
        return true;
    qsizetype firstFaceUp = 0;
    while (firstFaceUp < column.size() && !column[firstFaceUp].isFaceUp)
        ++firstFaceUp;
    if (firstFaceUp == column.size())
        return false;
    for (qsizetype i = firstFaceUp + 1; i < column.size(); ++i) {
        const SavedCard& below = column[i - 1];
        const SavedCard& card = column[i];
        if (!card.isFaceUp || card.rank != below.rank - 1 || isRed(card) == isRed(below))
            return false;
    }
    return true;
}

} // namespace

QByteArray encodeSavedGame(const SavedGame& game)
{
    QJsonObject object;
    object.insert(key::version, qint64(game.version));
    object.insert(key::stock, encodePile(game.stock));
    object.insert(key::waste, encodePile(game.waste));
    object.insert(key::foundations, encodePiles(game.foundations));
    object.insert(key::tableau, encodePiles(game.tableau));
    object.insert(key::score, qint64(game.score));
    object.insert(key::hasStartedCurrentDeal, game.hasStartedCurrentDeal);
    object.insert(key::gameHasBeenCreditedWin, game.gameHasBeenCreditedWin);
    object.insert(key::redealsUsed, qint64(game.redealsUsed));
    object.insert(key::scoringMode, game.scoringMode);
    if (game.passesAllowed)
        object.insert(key::passesAllowed, qint64(*game.passesAllowed));
    object.insert(key::wasAutoCompleting, game.wasAutoCompleting);
    if (game.startedDrawCount)
        object.insert(key::startedDrawCount, qint64(*game.startedDrawCount));
    if (game.solutionShown)
        object.insert(key::solutionShown, true);
    if (game.elapsedMilliseconds)
        object.insert(key::elapsedMilliseconds, qint64(*game.elapsedMilliseconds));
    if (game.moveCount)
        object.insert(key::moveCount, qint64(*game.moveCount));
    if (game.timedWholeDeal)
        object.insert(key::timedWholeDeal, *game.timedWholeDeal);
    if (game.dealt) {
        QJsonObject dealt;
        dealt.insert(key::stock, encodePile(game.dealt->stock));
        dealt.insert(key::tableau, encodePiles(game.dealt->tableau));
        if (game.dealt->number)
            dealt.insert(key::number, qint64(*game.dealt->number));
        dealt.insert(key::openingBankroll, qint64(game.dealt->openingBankroll));
        if (game.dealt->dailyDate)
            dealt.insert(key::dailyDate, game.dealt->dailyDate->toString(kDateFormat));
        object.insert(key::dealt, dealt);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<SavedGame> decodeSavedGame(const QByteArray& data)
{
    if (data.isEmpty() || data.size() > kMaxDocumentBytes)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();

    const auto version = integerValue(object.value(key::version));
    auto stock = decodePile(object.value(key::stock));
    auto waste = decodePile(object.value(key::waste));
    auto foundations = decodePiles(object.value(key::foundations));
    auto tableau = decodePiles(object.value(key::tableau));
    const auto score = integerValue(object.value(key::score));
    const auto hasStarted = boolValue(object.value(key::hasStartedCurrentDeal));
    const auto credited = boolValue(object.value(key::gameHasBeenCreditedWin));
    const auto redealsUsed = integerValue(object.value(key::redealsUsed));
    const QJsonValue scoringMode = object.value(key::scoringMode);
    const auto wasAutoCompleting = boolValue(object.value(key::wasAutoCompleting));
    if (!version || !stock || !waste || !foundations || !tableau || !score || !hasStarted
        || !credited || !redealsUsed || !scoringMode.isString() || !wasAutoCompleting)
        return std::nullopt;

    // Optional (absent or null), but when given it must still be an integer.
    std::optional<std::int64_t> passesAllowed;
    const QJsonValue passes = object.value(key::passesAllowed);
    if (!passes.isUndefined() && !passes.isNull()) {
        passesAllowed = integerValue(passes);
        if (!passesAllowed)
            return std::nullopt;
    }

    SavedGame game;
    game.version = *version;
    game.stock = std::move(*stock);
    game.waste = std::move(*waste);
    game.foundations = std::move(*foundations);
    game.tableau = std::move(*tableau);
    game.score = *score;
    game.hasStartedCurrentDeal = *hasStarted;
    game.gameHasBeenCreditedWin = *credited;
    game.redealsUsed = *redealsUsed;
    game.scoringMode = scoringMode.toString();
    game.passesAllowed = passesAllowed;
    game.wasAutoCompleting = *wasAutoCompleting;
    game.dealt = decodeDealt(object.value(key::dealt));
    game.startedDrawCount = integerValue(object.value(key::startedDrawCount));
    game.solutionShown = boolValue(object.value(key::solutionShown)).value_or(false);
    game.elapsedMilliseconds = clockFigure(object.value(key::elapsedMilliseconds));
    game.moveCount = clockFigure(object.value(key::moveCount));
    game.timedWholeDeal = boolValue(object.value(key::timedWholeDeal));
    return game;
}

bool isConsistentPosition(const SavedGame& game)
{
    if (game.version != SavedGame::kCurrentVersion || game.foundations.size() != kFoundationCount
        || game.tableau.size() != kColumnCount || game.redealsUsed < 0
        || game.redealsUsed > kMaxCounterMagnitude || game.score > kMaxCounterMagnitude
        || game.score < -kMaxCounterMagnitude)
        return false;
    if (!allCardsWellFormed(game))
        return false;
    if (!holdsTheWholeDeckOnce(game))
        return false;
    for (const SavedCard& card : game.stock) {
        if (card.isFaceUp)
            return false;
    }
    for (const SavedCard& card : game.waste) {
        if (!card.isFaceUp)
            return false;
    }
    for (const auto& pile : game.foundations) {
        if (!foundationIsValid(pile))
            return false;
    }
    for (const auto& column : game.tableau) {
        if (!columnIsValid(column))
            return false;
    }
    return true;
}

} // namespace murvane
