#pragma once
// Today's Deal: which date names which deal, and the record of the days whose
// deal was played and won. The record keeps the days themselves, not running
// counters, so a clock set back or forward can only add a day: the counts,
// streaks and the strip are all worked out from the days when asked.

#include "engine/DealOrigin.h"

#include <QDate>
#include <QList>
#include <QString>

#include <cstdint>

namespace murvane {

// The deal number of a date (solver::dailyDealNumber); the date must be valid.
std::uint32_t dailyDealNumber(const QDate& date);
// The numbered deal of that date, marked as that date's daily deal.
DealRequest dailyDealRequest(const QDate& date);

// How a day's deal went.
enum class DailyResult { notPlayed, played, won };

class DailyRecord {
public:
    // The stored text of played and won days; anything unreadable in it is
    // left out, so a damaged value reads as fewer days, never as an error.
    static DailyRecord fromStored(const QString& played, const QString& won);
    // Runs of days, oldest first: "2026-12-01/2026-12-08,2026-12-10".
    QString playedText() const { return textOf(played_); }
    QString wonText() const { return textOf(won_); }

    // True when the day was not yet recorded so. A won day is a played day.
    bool markPlayed(const QDate& day);
    bool markWon(const QDate& day);

    DailyResult result(const QDate& day) const;
    std::int64_t daysPlayed() const { return dayCount(played_); }
    std::int64_t daysWon() const { return dayCount(won_); }
    // The consecutive won days that reach today, or yesterday while today's
    // deal is still to be won; 0 when neither was won.
    std::int64_t currentStreak(const QDate& today) const;
    std::int64_t bestStreak() const;
    // The `count` days up to today, oldest first.
    QList<DailyResult> lastDays(const QDate& today, int count) const;

    friend bool operator==(const DailyRecord&, const DailyRecord&) = default;

private:
    // Julian day numbers, first <= last; runs are sorted and neither
    // overlap nor touch.
    struct Run {
        std::int64_t first = 0;
        std::int64_t last = 0;
        friend bool operator==(const Run&, const Run&) = default;
    };
    using Runs = QList<Run>;

    static Runs parse(const QString& text);
    static QString textOf(const Runs& runs);
    // True when it added a day the runs did not hold.
    static bool addRun(Runs& runs, std::int64_t first, std::int64_t last);
    static const Run* runHolding(const Runs& runs, std::int64_t day);
    static std::int64_t dayCount(const Runs& runs);

    Runs played_;
    Runs won_;
};

} // namespace murvane
