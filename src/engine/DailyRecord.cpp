#include "engine/DailyRecord.h"

#include "solver/DealNumbers.h"

#include <QStringList>

#include <algorithm>

namespace murvane {

namespace {

// A lifetime of daily play, even every other day, is far fewer runs; a longer
// stored text is not ours, and reading stops there.
constexpr qsizetype kMaxRuns = 20000;

const QChar kRunSeparator = QLatin1Char(',');
const QChar kRangeSeparator = QLatin1Char('/');

std::optional<std::int64_t> dayOf(const QString& iso)
{
    // Exactly "yyyy-MM-dd": Qt's ISO reader would also take a time after it.
    const QDate date = QDate::fromString(iso, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return std::nullopt;
    return date.toJulianDay();
}

QString isoOf(std::int64_t day)
{
    return QDate::fromJulianDay(day).toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

std::uint32_t dailyDealNumber(const QDate& date)
{
    return solver::dailyDealNumber(date.year(), date.month(), date.day());
}

DealRequest dailyDealRequest(const QDate& date)
{
    return DealRequest{dailyDealNumber(date), std::nullopt, date};
}

DailyRecord DailyRecord::fromStored(const QString& played, const QString& won)
{
    DailyRecord record;
    record.played_ = parse(played);
    record.won_ = parse(won);
    // A won day was played, whatever the stored text says.
    for (const Run& run : std::as_const(record.won_))
        addRun(record.played_, run.first, run.last);
    return record;
}

DailyRecord::Runs DailyRecord::parse(const QString& text)
{
    Runs runs;
    const QStringList items = text.split(kRunSeparator, Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < items.size() && i < kMaxRuns; ++i) {
        const QStringList ends = items[i].trimmed().split(kRangeSeparator);
        if (ends.size() > 2)
            continue;
        const std::optional<std::int64_t> first = dayOf(ends.first());
        const std::optional<std::int64_t> last = dayOf(ends.last());
        if (!first || !last || *first > *last)
            continue;
        addRun(runs, *first, *last);
    }
    return runs;
}

QString DailyRecord::textOf(const Runs& runs)
{
    QStringList items;
    for (const Run& run : runs)
        items.append(run.first == run.last ? isoOf(run.first)
                                           : isoOf(run.first) + kRangeSeparator + isoOf(run.last));
    return items.join(kRunSeparator);
}

bool DailyRecord::addRun(Runs& runs, std::int64_t first, std::int64_t last)
{
    // The first run that reaches or touches the new one; it and any after
    // it that the new one reaches become one run.
    const auto at = std::find_if(runs.begin(), runs.end(), [first](const Run& r) { return r.last + 1 >= first; });
    if (at == runs.end() || at->first > last + 1) {
        runs.insert(at, Run{first, last});
        return true;
    }
    if (at->first <= first && last <= at->last)
        return false;
    at->first = std::min(at->first, first);
    at->last = std::max(at->last, last);
    auto next = std::next(at);
    while (next != runs.end() && next->first <= at->last + 1) {
        at->last = std::max(at->last, next->last);
        next = runs.erase(next);
    }
    return true;
}

const DailyRecord::Run* DailyRecord::runHolding(const Runs& runs, std::int64_t day)
{
    const auto it = std::find_if(runs.begin(), runs.end(), [day](const Run& r) { return r.first <= day && day <= r.last; });
    return it == runs.end() ? nullptr : &*it;
}

std::int64_t DailyRecord::dayCount(const Runs& runs)
{
    std::int64_t count = 0;
    for (const Run& run : runs)
        count += run.last - run.first + 1;
    return count;
}

bool DailyRecord::markPlayed(const QDate& day)
{
    return day.isValid() && addRun(played_, day.toJulianDay(), day.toJulianDay());
}

bool DailyRecord::markWon(const QDate& day)
{
    if (!day.isValid())
        return false;
    const bool played = addRun(played_, day.toJulianDay(), day.toJulianDay());
    return addRun(won_, day.toJulianDay(), day.toJulianDay()) || played;
}

DailyResult DailyRecord::result(const QDate& day) const
{
    if (!day.isValid())
        return DailyResult::notPlayed;
    if (runHolding(won_, day.toJulianDay()))
        return DailyResult::won;
    return runHolding(played_, day.toJulianDay()) ? DailyResult::played : DailyResult::notPlayed;
}

std::int64_t DailyRecord::currentStreak(const QDate& today) const
{
    if (!today.isValid())
        return 0;
    // Days after today (a clock that was ahead) do not count towards it.
    for (std::int64_t end : {today.toJulianDay(), today.toJulianDay() - 1})
        if (const Run* run = runHolding(won_, end))
            return end - run->first + 1;
    return 0;
}

std::int64_t DailyRecord::bestStreak() const
{
    std::int64_t best = 0;
    for (const Run& run : won_)
        best = std::max(best, run.last - run.first + 1);
    return best;
}

QList<DailyResult> DailyRecord::lastDays(const QDate& today, int count) const
{
    QList<DailyResult> days;
    for (int back = count - 1; back >= 0; --back)
        days.append(result(today.addDays(-back)));
    return days;
}

} // namespace murvane
