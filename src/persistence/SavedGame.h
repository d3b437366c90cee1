#pragma once
// The saved game record: one JSON document stored under "Murvane_SavedGame".
// This layer knows the record's format and its consistency rules; turning the
// validated piles into the game's cards is the engine's job.

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace murvane {

struct SavedCard {
    QString suit;          // "♠", "♥", "♦" or "♣"
    std::int64_t rank = 0; // 1 ... 13
    bool isFaceUp = false;
    friend bool operator==(const SavedCard&, const SavedCard&) = default;
};

// The deal as it was dealt, so that it can be restarted after a relaunch.
struct SavedDeal {
    QList<SavedCard> stock;
    QList<QList<SavedCard>> tableau;
    std::optional<std::int64_t> number; // when played by number
    std::int64_t openingBankroll = 0;   // the bankroll right after the ante (earlier builds restart to it)
    // Optional key "dailyDate" ("2026-12-08"): the day whose Today's Deal
    // this is. Absent in older records; left out when it is not such a date.
    std::optional<QDate> dailyDate{};
    friend bool operator==(const SavedDeal&, const SavedDeal&) = default;
};

struct SavedGame {
    static constexpr std::int64_t kCurrentVersion = 1;

    std::int64_t version = kCurrentVersion;
    QList<SavedCard> stock;
    QList<SavedCard> waste;
    QList<QList<SavedCard>> foundations; // 4 piles when valid
    QList<QList<SavedCard>> tableau;     // 7 columns when valid
    std::int64_t score = 0;
    bool hasStartedCurrentDeal = false;
    bool gameHasBeenCreditedWin = false;
    std::int64_t redealsUsed = 0;
    QString scoringMode;                     // "Standard" or "Vegas"
    std::optional<std::int64_t> passesAllowed; // present only under a pass limit
    bool wasAutoCompleting = false;
    // Optional key "dealt": absent from records written before it existed,
    // and dropped (the record still restores) when it is malformed.
    std::optional<SavedDeal> dealt;
    // Optional key "startedDrawCount": the draw count the deal was counted
    // under in the per-rule-set statistics (Standard scoring lets it change
    // mid-deal); absent in older records.
    std::optional<std::int64_t> startedDrawCount;
    // Optional key "solutionShown", written only when true: the game played
    // its own winning line in this deal, so it can never be credited as won.
    // Absent (older records) or not a Boolean, the deal is not shown.
    bool solutionShown = false;
    // Optional keys written only while time and moves are shown:
    // "elapsedMilliseconds" and "moveCount" (0 to a trillion), and
    // "timedWholeDeal", whether every step of the deal was counted. Absent
    // or unusable values read as absent; the record still restores.
    std::optional<std::int64_t> elapsedMilliseconds;
    std::optional<std::int64_t> moveCount;
    std::optional<bool> timedWholeDeal;
    friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

// Compact JSON; never fails for a record built by the game.
QByteArray encodeSavedGame(const SavedGame& game);

// Parses and type-checks the document: every key but "passesAllowed" must be
// present with its JSON type; integers must be integral and fit in 64 bits;
// an unusable "dealt" object is left out rather than refused.
// Gives nothing for anything else. Hostile input is cheap to refuse:
// documents over 64 KiB are not parsed, and no array may hold more than 52
// elements. Does not check the card rules.
std::optional<SavedGame> decodeSavedGame(const QByteArray& data);

// The consistency rules, in order: version 1, 4 foundations, 7 columns,
// redealsUsed not negative, and score and redealsUsed within a trillion
// either way (far past any real game; beyond it the game's arithmetic on
// them would overflow); valid suits and ranks; exactly 52 distinct cards;
// stock face down, waste face up; foundations face up, Ace upward, one suit;
// every non-empty column with a face-up run that alternates colours and
// descends by one, and no face-down card above a face-up one.
bool isConsistentPosition(const SavedGame& game);

} // namespace murvane
