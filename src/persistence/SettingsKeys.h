#pragma once
// Every stored key, declared once.

#include <QString>

namespace murvane::keys {

inline const QString drawCount = QStringLiteral("Murvane_DrawCount");
inline const QString unlimitedRedeals = QStringLiteral("Murvane_UnlimitedRedeals");
inline const QString showsCornerSuit = QStringLiteral("Murvane_ShowsCornerSuit");
inline const QString tellsWhenLost = QStringLiteral("Murvane_TellsWhenLost");
inline const QString hasSeenWelcome = QStringLiteral("Murvane_HasSeenWelcome");
inline const QString scoringMode = QStringLiteral("Murvane_ScoringMode");
inline const QString boardSize = QStringLiteral("Murvane_BoardSize");
inline const QString autoCompleteMode = QStringLiteral("Murvane_AutoCompleteMode");
inline const QString menuBarIcon = QStringLiteral("Murvane_MenuBarIcon");
inline const QString cardTheme = QStringLiteral("Murvane_CardTheme");
inline const QString dealsCount = QStringLiteral("Murvane_DealsCount");
inline const QString solvedCount = QStringLiteral("Murvane_SolvedCount");
inline const QString currentStreak = QStringLiteral("Murvane_CurrentStreak");
inline const QString bestStreak = QStringLiteral("Murvane_BestStreak");
inline const QString bestScore = QStringLiteral("Murvane_BestScore");
inline const QString vegasBankroll = QStringLiteral("Murvane_VegasBankroll");
inline const QString savedGame = QStringLiteral("Murvane_SavedGame");
// Deals played and won per rule set (draw count and scoring mode).
inline const QString draw1StandardPlayed = QStringLiteral("Murvane_Draw1StandardPlayed");
inline const QString draw1StandardWon = QStringLiteral("Murvane_Draw1StandardWon");
inline const QString draw3StandardPlayed = QStringLiteral("Murvane_Draw3StandardPlayed");
inline const QString draw3StandardWon = QStringLiteral("Murvane_Draw3StandardWon");
inline const QString draw1VegasPlayed = QStringLiteral("Murvane_Draw1VegasPlayed");
inline const QString draw1VegasWon = QStringLiteral("Murvane_Draw1VegasWon");
inline const QString draw3VegasPlayed = QStringLiteral("Murvane_Draw3VegasPlayed");
inline const QString draw3VegasWon = QStringLiteral("Murvane_Draw3VegasWon");
// The last 30 deals' outcomes, oldest first: "W" won, "L" lost, "A" abandoned.
inline const QString recentDeals = QStringLiteral("Murvane_RecentDeals");
inline const QString fourColourSuits = QStringLiteral("Murvane_FourColourSuits");
// The days whose Today's Deal was played / won, as runs of ISO dates:
// "2026-12-01/2026-12-08,2026-12-10".
inline const QString dailyPlayedDays = QStringLiteral("Murvane_DailyPlayedDays");
inline const QString dailyWonDays = QStringLiteral("Murvane_DailyWonDays");
// Whether the header shows the deal's time and move count.
inline const QString showsTimeAndMoves = QStringLiteral("Murvane_ShowsTimeAndMoves");
// Per rule set, the best win timed from its first step: the shortest time
// in milliseconds and the fewest moves (0 while there is none).
inline const QString draw1StandardFastestWin = QStringLiteral("Murvane_Draw1StandardFastestWin");
inline const QString draw1StandardFewestMoves = QStringLiteral("Murvane_Draw1StandardFewestMoves");
inline const QString draw3StandardFastestWin = QStringLiteral("Murvane_Draw3StandardFastestWin");
inline const QString draw3StandardFewestMoves = QStringLiteral("Murvane_Draw3StandardFewestMoves");
inline const QString draw1VegasFastestWin = QStringLiteral("Murvane_Draw1VegasFastestWin");
inline const QString draw1VegasFewestMoves = QStringLiteral("Murvane_Draw1VegasFewestMoves");
inline const QString draw3VegasFastestWin = QStringLiteral("Murvane_Draw3VegasFastestWin");
inline const QString draw3VegasFewestMoves = QStringLiteral("Murvane_Draw3VegasFewestMoves");

} // namespace murvane::keys
