// Saved-game record: encode/decode round trips, type checks, hostile input,
// and the consistency rules a restored position must pass.

#include "SavedGameTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QDir>
#include <QFile>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace murvane;
using namespace murvane::testing;

namespace {

QJsonObject sampleObject()
{
    return QJsonDocument::fromJson(encodeSavedGame(sampleGame())).object();
}

QByteArray toBytes(const QJsonObject& object) { return QJsonDocument(object).toJson(); }

} // namespace

TEST(SavedGameCodec, RoundTripsEveryField)
{
    SavedGame game = sampleGame();
    game.score = std::numeric_limits<std::int64_t>::min();
    game.redealsUsed = std::numeric_limits<std::int64_t>::max();
    game.gameHasBeenCreditedWin = true;
    game.wasAutoCompleting = true;
    game.solutionShown = true;
    game.scoringMode = QStringLiteral("Vegas");

    for (std::optional<std::int64_t> passes : {std::optional<std::int64_t>{}, std::optional<std::int64_t>{3}}) {
        game.passesAllowed = passes;
        const auto decoded = decodeSavedGame(encodeSavedGame(game));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->version, game.version);
        EXPECT_EQ(decoded->stock, game.stock);
        EXPECT_EQ(decoded->waste, game.waste);
        EXPECT_EQ(decoded->foundations, game.foundations);
        EXPECT_EQ(decoded->tableau, game.tableau);
        EXPECT_EQ(decoded->score, game.score);
        EXPECT_EQ(decoded->hasStartedCurrentDeal, game.hasStartedCurrentDeal);
        EXPECT_EQ(decoded->gameHasBeenCreditedWin, game.gameHasBeenCreditedWin);
        EXPECT_EQ(decoded->redealsUsed, game.redealsUsed);
        EXPECT_EQ(decoded->scoringMode, game.scoringMode);
        EXPECT_EQ(decoded->passesAllowed, game.passesAllowed);
        EXPECT_EQ(decoded->wasAutoCompleting, game.wasAutoCompleting);
        EXPECT_EQ(decoded->solutionShown, game.solutionShown);
    }
}

TEST(SavedGameCodec, WritesCompactJsonWithTheRecordKeysAndSuitSymbols)
{
    SavedGame game = sampleGame();
    const QByteArray json = encodeSavedGame(game);
    EXPECT_FALSE(json.contains('\n'));
    EXPECT_FALSE(json.contains("passesAllowed"));
    EXPECT_TRUE(json.contains("\"suit\":\"\u2660\""));

    const QJsonObject object = QJsonDocument::fromJson(json).object();
    const QStringList expected{"version", "stock", "waste", "foundations", "tableau", "score",
        "hasStartedCurrentDeal", "gameHasBeenCreditedWin", "redealsUsed", "scoringMode",
        "wasAutoCompleting"};
    EXPECT_EQ(object.size(), expected.size());
    for (const QString& key : expected)
        EXPECT_TRUE(object.contains(key)) << key.toStdString();
    const QJsonObject card = object["waste"].toArray().first().toObject();
    EXPECT_EQ(card.keys(), (QStringList{"isFaceUp", "rank", "suit"}));

    game.passesAllowed = 1;
    EXPECT_EQ(QJsonDocument::fromJson(encodeSavedGame(game)).object()["passesAllowed"].toInteger(), 1);
}

TEST(SavedGameCodec, AcceptsOtherLayoutsAndIgnoresUnknownKeys)
{
    QJsonObject object = sampleObject();
    object["comment"] = "from a later build";
    QByteArray pretty = QJsonDocument(object).toJson(QJsonDocument::Indented);
    // Escaped suit symbols mean the same as the raw characters.
    pretty.replace("\u2665", "\\u2665");
    const auto decoded = decodeSavedGame(pretty);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, sampleGame());
}

// The deal as dealt rides along under "dealt"; the record restores without
// it (written before it existed) and with a damaged one, which is dropped.
TEST(SavedGameCodec, DealtLayoutIsOptionalAndNeverRefusesTheRecord)
{
    SavedGame game = sampleGame();
    game.dealt = SavedDeal{game.stock, game.tableau, 4242, -152};
    const auto decoded = decodeSavedGame(encodeSavedGame(game));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, game);
    game.dealt->number.reset();
    EXPECT_EQ(decodeSavedGame(encodeSavedGame(game))->dealt, game.dealt);
    EXPECT_FALSE(decodeSavedGame(toBytes(sampleObject()))->dealt);

    const QJsonObject good = QJsonDocument::fromJson(encodeSavedGame(game)).object()["dealt"].toObject();
    const std::function<void(QJsonObject&)> damages[] = {
        [](QJsonObject& d) { d.remove("stock"); },
        [](QJsonObject& d) { d["tableau"] = 3; },
        [](QJsonObject& d) { d.remove("openingBankroll"); },
        [](QJsonObject& d) { d["number"] = "42"; },
        [](QJsonObject& d) { d["number"] = 4.5; },
    };
    for (const auto& damage : damages) {
        QJsonObject object = sampleObject();
        QJsonObject dealt = good;
        damage(dealt);
        object["dealt"] = dealt;
        const auto damaged = decodeSavedGame(toBytes(object));
        ASSERT_TRUE(damaged.has_value());
        EXPECT_FALSE(damaged->dealt.has_value());
    }
}

// Today's Deal's date rides in "dealt" as "yyyy-MM-dd"; a date that does not
// read drops only itself, so the deal still restarts.
TEST(SavedGameCodec, DailyDateIsOptionalAndDroppedAlone)
{
    SavedGame game = sampleGame();
    game.dealt = SavedDeal{game.stock, game.tableau, 4242, 0, QDate(2024, 2, 29)};
    const QByteArray bytes = encodeSavedGame(game);
    EXPECT_TRUE(bytes.contains("\"dailyDate\":\"2024-02-29\""));
    EXPECT_EQ(decodeSavedGame(bytes), game);
    const QJsonObject good = QJsonDocument::fromJson(bytes).object()["dealt"].toObject();
    for (const QJsonValue& bad : {QJsonValue("2023-02-29"), QJsonValue("29.02.2024"), QJsonValue("2024-02-29T00:00"),
                                  QJsonValue(20240229), QJsonValue(QJsonValue::Null)}) {
        QJsonObject object = sampleObject();
        QJsonObject dealt = good;
        dealt["dailyDate"] = bad;
        object["dealt"] = dealt;
        const auto decoded = decodeSavedGame(toBytes(object));
        ASSERT_TRUE(decoded && decoded->dealt);
        EXPECT_FALSE(decoded->dealt->dailyDate.has_value());
        EXPECT_EQ(decoded->dealt->number, 4242);
    }
}

// The clock's figures ride along the same way: absent in earlier records,
// and an unusable one reads as absent without refusing the record.
TEST(SavedGameCodec, ClockFiguresAreOptionalAndNeverRefuseTheRecord)
{
    SavedGame game = sampleGame();
    game.elapsedMilliseconds = 3'725'000;
    game.moveCount = 212;
    game.timedWholeDeal = false;
    EXPECT_EQ(*decodeSavedGame(encodeSavedGame(game)), game);
    const auto earlier = decodeSavedGame(toBytes(sampleObject()));
    EXPECT_FALSE(earlier->elapsedMilliseconds || earlier->moveCount || earlier->timedWholeDeal);

    const std::pair<const char*, QJsonValue> unusable[] = {
        {"elapsedMilliseconds", -1}, {"elapsedMilliseconds", 1.5}, {"elapsedMilliseconds", 1e13},
        {"moveCount", "12"},         {"moveCount", -3},            {"timedWholeDeal", 1},
    };
    for (const auto& [key, value] : unusable) {
        QJsonObject object = sampleObject();
        object[QLatin1String(key)] = value;
        const auto decoded = decodeSavedGame(toBytes(object));
        ASSERT_TRUE(decoded.has_value()) << key;
        EXPECT_FALSE(decoded->elapsedMilliseconds || decoded->moveCount || decoded->timedWholeDeal) << key;
    }
}

TEST(SavedGameCodec, MissingPassesAllowedMeansNoPassLimit)
{
    const auto decoded = decodeSavedGame(toBytes(sampleObject()));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_FALSE(decoded->passesAllowed.has_value());
}

TEST(SavedGameCodec, EveryOtherKeyIsRequired)
{
    for (const QString& key : sampleObject().keys()) {
        QJsonObject object = sampleObject();
        object.remove(key);
        EXPECT_FALSE(decodeSavedGame(toBytes(object))) << "without " << key.toStdString();
    }
    for (const char* key : {"suit", "rank", "isFaceUp"}) {
        QJsonObject object = sampleObject();
        QJsonArray waste = object["waste"].toArray();
        QJsonObject card = waste[0].toObject();
        card.remove(key);
        waste[0] = card;
        object["waste"] = waste;
        EXPECT_FALSE(decodeSavedGame(toBytes(object))) << "card without " << key;
    }
}

TEST(SavedGameCodec, RejectsWrongJsonTypes)
{
    struct Case {
        const char* key;
        QJsonValue value;
    };
    const Case cases[] = {
        {"version", "1"},
        {"version", 1.5},
        {"version", true},
        {"stock", QJsonObject{}},
        {"stock", QJsonArray{1, 2}},
        {"waste", QJsonValue::Null},
        {"foundations", QJsonArray{QJsonArray{}, 3, QJsonArray{}, QJsonArray{}}},
        {"tableau", "[]"},
        {"score", QJsonValue::Null},
        {"score", "42"},
        {"hasStartedCurrentDeal", 0},
        {"gameHasBeenCreditedWin", "false"},
        {"redealsUsed", 1e30},
        {"scoringMode", 1},
        {"passesAllowed", "3"},
        {"passesAllowed", 2.5},
        {"wasAutoCompleting", "true"},
    };
    for (const Case& c : cases) {
        QJsonObject object = sampleObject();
        object[c.key] = c.value;
        EXPECT_FALSE(decodeSavedGame(toBytes(object)))
            << c.key << " = " << QJsonDocument(QJsonArray{c.value}).toJson().toStdString();
    }

    const std::pair<const char*, QJsonValue> cardCases[] = {
        {"suit", 1}, {"suit", QJsonValue::Null}, {"rank", "5"}, {"rank", 5.5}, {"isFaceUp", 1},
    };
    for (const auto& [key, value] : cardCases) {
        QJsonObject object = sampleObject();
        QJsonArray waste = object["waste"].toArray();
        QJsonObject card = waste[0].toObject();
        card[key] = value;
        waste[0] = card;
        object["waste"] = waste;
        EXPECT_FALSE(decodeSavedGame(toBytes(object))) << "card " << key;
    }
}

TEST(SavedGameCodec, IntegersMustBeIntegralAndFitIn64Bits)
{
    auto scoreFrom = [](const QByteArray& literal) {
        QByteArray json = encodeSavedGame(sampleGame());
        json.replace("\"score\":42", "\"score\":" + literal);
        const auto decoded = decodeSavedGame(json);
        return decoded ? std::optional<std::int64_t>(decoded->score) : std::nullopt;
    };
    EXPECT_EQ(scoreFrom("42"), 42);
    EXPECT_EQ(scoreFrom("-7"), -7);
    EXPECT_EQ(scoreFrom("1.0"), 1);
    EXPECT_EQ(scoreFrom("2e3"), 2000);
    EXPECT_EQ(scoreFrom("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(scoreFrom("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(scoreFrom("9223372036854775808"), std::nullopt);
    EXPECT_EQ(scoreFrom("1e300"), std::nullopt);
    EXPECT_EQ(scoreFrom("0.5"), std::nullopt);
    EXPECT_EQ(scoreFrom("99999999999999999999999999999999999999"), std::nullopt);
}

TEST(SavedGameCodec, RejectsHostileDocuments)
{
    const QByteArray valid = encodeSavedGame(sampleGame());
    QByteArray padded = valid;
    padded.insert(1, "\"pad\":\"" + QByteArray(70 * 1024, 'x') + "\",");
    QByteArray invalidUtf8 = valid;
    invalidUtf8.replace("\u2665", "\xC3\x28");

    QJsonObject tooLong = sampleObject();
    QJsonArray stock = tooLong["stock"].toArray();
    while (stock.size() <= 52)
        stock.append(stock[0]);
    tooLong["stock"] = stock;

    QJsonObject manyColumns = sampleObject();
    QJsonArray columns;
    for (int i = 0; i < 53; ++i)
        columns.append(QJsonArray{});
    manyColumns["tableau"] = columns;

    const QByteArray cases[] = {
        {},
        "null",
        "[]",
        "42",
        "{",
        valid.left(valid.size() / 2),
        QByteArray(5000, '[') + QByteArray(5000, ']'),
        "{\"stock\":" + QByteArray(20000, '[') + QByteArray(20000, ']') + "}",
        padded,
        invalidUtf8,
        toBytes(tooLong),
        toBytes(manyColumns),
        QByteArray("\0\0\0\0", 4),
    };
    for (const QByteArray& data : cases) {
        const auto decoded = decodeSavedGame(data);
        // Invalid UTF-8 may survive the parser as a replacement character,
        // but it can never pass as a suit.
        EXPECT_TRUE(!decoded || !isConsistentPosition(*decoded)) << data.left(80).toStdString();
    }
    EXPECT_FALSE(decodeSavedGame(padded));
    EXPECT_FALSE(decodeSavedGame(toBytes(tooLong)));
}

TEST(SavedGameConsistency, AcceptsPositionsAGameCanReach)
{
    EXPECT_TRUE(isConsistentPosition(sampleGame()));
    SavedGame extreme = sampleGame();
    extreme.score = -1'000'000'000'000;
    extreme.redealsUsed = 1'000'000'000'000;
    EXPECT_TRUE(isConsistentPosition(extreme));

    SavedGame allOnFoundations;
    for (const QString& suit : {kSpade, kHeart, kDiamond, kClub}) {
        QList<SavedCard> pile;
        for (int rank = 1; rank <= 13; ++rank)
            pile.append(up(suit, rank));
        allOnFoundations.foundations.append(pile);
    }
    allOnFoundations.tableau = QList<QList<SavedCard>>(7);
    EXPECT_TRUE(isConsistentPosition(allOnFoundations));
}

TEST(SavedGameConsistency, RejectsEachBrokenRule)
{
    struct Case {
        const char* name;
        std::function<void(SavedGame&)> breakPiles; // before the stock is filled
        std::function<void(SavedGame&)> breakGame;  // after
    };
    const auto none = [](SavedGame&) {};
    const Case cases[] = {
        {"version 2", none, [](SavedGame& g) { g.version = 2; }},
        {"version 0", none, [](SavedGame& g) { g.version = 0; }},
        {"three foundations", [](SavedGame& g) { g.foundations.removeLast(); }, none},
        {"five foundations", [](SavedGame& g) { g.foundations.append(QList<SavedCard>{}); }, none},
        {"six columns", [](SavedGame& g) { g.tableau.removeLast(); }, none},
        {"eight columns", [](SavedGame& g) { g.tableau.append(QList<SavedCard>{}); }, none},
        {"negative redeals", none, [](SavedGame& g) { g.redealsUsed = -1; }},
        {"redeals near the 64-bit limit", none,
            [](SavedGame& g) { g.redealsUsed = std::numeric_limits<std::int64_t>::max(); }},
        {"score near the 64-bit limit", none,
            [](SavedGame& g) { g.score = std::numeric_limits<std::int64_t>::max() - 5; }},
        {"score far below zero", none, [](SavedGame& g) { g.score = -1'000'000'000'001; }},
        {"unknown suit", none, [](SavedGame& g) { g.stock[0].suit = QStringLiteral("S"); }},
        {"suit with extra text", none, [](SavedGame& g) { g.stock[0].suit += QStringLiteral("\uFE0F"); }},
        {"rank 0", none, [](SavedGame& g) { g.stock[0].rank = 0; }},
        {"rank 14", none, [](SavedGame& g) { g.stock[0].rank = 14; }},
        {"51 cards", none, [](SavedGame& g) { g.stock.removeLast(); }},
        {"53 cards", none, [](SavedGame& g) { g.stock.append(down(kSpade, 1)); }},
        {"duplicate card", none, [](SavedGame& g) { g.stock[0] = g.stock[1]; }},
        {"face-up stock card", none, [](SavedGame& g) { g.stock[3].isFaceUp = true; }},
        {"face-down waste card", none, [](SavedGame& g) { g.waste[0].isFaceUp = false; }},
        {"foundation starting with a 2", [](SavedGame& g) { g.foundations[2] = {up(kDiamond, 2)}; }, none},
        {"foundation skipping a rank",
            [](SavedGame& g) { g.foundations[1] = {up(kHeart, 1), up(kHeart, 3)}; }, none},
        {"foundation mixing suits",
            [](SavedGame& g) { g.foundations[1] = {up(kHeart, 1), up(kDiamond, 2)}; }, none},
        {"face-down foundation card", [](SavedGame& g) { g.foundations[1] = {down(kHeart, 1)}; }, none},
        {"two reds in a row", [](SavedGame& g) { g.tableau[5] = {up(kHeart, 9), up(kDiamond, 8)}; }, none},
        {"two blacks in a row", [](SavedGame& g) { g.tableau[5] = {up(kClub, 9), up(kClub, 8)}; }, none},
        {"run not descending", [](SavedGame& g) { g.tableau[5] = {up(kClub, 9), up(kHeart, 7)}; }, none},
        {"run ascending", [](SavedGame& g) { g.tableau[5] = {up(kClub, 9), up(kHeart, 10)}; }, none},
        {"face-down cards only", [](SavedGame& g) { g.tableau[3] = {down(kDiamond, 6)}; }, none},
        {"face-down above face-up",
            [](SavedGame& g) { g.tableau[5] = {up(kClub, 9), down(kHeart, 8)}; }, none},
    };
    for (const Case& c : cases) {
        SavedGame game = samplePiles();
        c.breakPiles(game);
        game = withRestInStock(game);
        c.breakGame(game);
        EXPECT_FALSE(isConsistentPosition(game)) << c.name;
        // Whatever the validator says, the record itself still round-trips.
        EXPECT_EQ(decodeSavedGame(encodeSavedGame(game)), game) << c.name;
    }
}

// The fuzzer's seed records double as documents written by other builds
// (indented, escaped suits, keys in another order).
TEST(SavedGameCodec, SeedRecordsAreJudgedByTheirNames)
{
    const QDir corpus(QStringLiteral(MURVANE_FUZZ_CORPUS));
    const QStringList files = corpus.entryList({QStringLiteral("*.json")}, QDir::Files);
    ASSERT_GE(files.size(), 10);
    for (const QString& name : files) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const auto game = decodeSavedGame(file.readAll());
        const bool accepted = game && isConsistentPosition(*game);
        EXPECT_EQ(accepted, name.startsWith(QStringLiteral("valid-"))) << name.toStdString();
    }
}
