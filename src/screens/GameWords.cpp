#include "screens/GameWords.h"

#include "engine/SolitaireGame.h"
#include "text/Localization.h"

#include <algorithm>

namespace murvane {

namespace {

// "Pass 2/3" or "Pass 2 of 3": the pass in progress, never past the last.
std::optional<QString> passWords(const SolitaireGame& game, const char* format)
{
    const auto passes = game.settings().passesAllowed();
    if (!passes)
        return std::nullopt;
    return localizedString(QString::fromLatin1(format), {std::min(*passes, game.play().redealsUsed() + 1), *passes});
}

} // namespace

std::optional<QString> passText(const SolitaireGame& game)
{
    return passWords(game, MURVANE_TEXT("Pass %lld/%lld"));
}

std::optional<QString> passDescription(const SolitaireGame& game)
{
    return passWords(game, MURVANE_TEXT("Pass %lld of %lld"));
}

QString dealShareLine(const DealOrigin& origin, std::int64_t drawCount, bool isVegas,
                      std::optional<std::int64_t> passesAllowed)
{
    const QString draw = drawCount == 3 ? localizedString(QStringLiteral("Draw 3")) : localizedString(QStringLiteral("Draw 1"));
    const QString scoring = isVegas ? localizedString(QStringLiteral("Vegas")) : localizedString(QStringLiteral("Standard"));
    const QString passes = passesAllowed ? localizedPlural(QStringLiteral("%lld passes"), *passesAllowed)
                                         : localizedString(QStringLiteral("unlimited passes"));
    const QString rules = QStringLiteral("%1, %2, %3").arg(draw, scoring, passes);
    if (origin.number)
        return localizedString(QStringLiteral("Murvane Solitaire deal %1$@, number %2$lld (%3$@)"),
                               {dealCode(origin), std::int64_t(*origin.number), rules});
    return localizedString(QStringLiteral("Murvane Solitaire deal %1$@ (%2$@)"), {dealCode(origin), rules});
}

QString dayAndMonth(const QDate& date)
{
    // The pattern is the translators' (word order, "de", a point after the
    // day); the month's name is the locale's.
    return applicationLocale().toString(date, localizedString(QStringLiteral("d MMMM")));
}

std::optional<QString> dealName(const DealOrigin& origin)
{
    if (!origin.number)
        return std::nullopt;
    if (origin.dailyDate)
        return localizedString(QStringLiteral("Today's Deal, %@"), {dayAndMonth(*origin.dailyDate)});
    return localizedString(QStringLiteral("Deal %lld"), {std::int64_t(*origin.number)});
}

QString dealInputMessage(DealInputError error)
{
    switch (error) {
    case DealInputError::none:
        return {};
    case DealInputError::empty:
    case DealInputError::notADeal:
        return localizedString(QStringLiteral("Enter a deal number from 1 to 2147483647, or a deal code."));
    case DealInputError::numberOutOfRange:
        return localizedString(QStringLiteral("Deal numbers run from 1 to 2147483647."));
    case DealInputError::mistypedCode:
        return localizedString(QStringLiteral("This deal code has a typing mistake. Check it and try again."));
    case DealInputError::incompleteCode:
        return localizedString(QStringLiteral("This deal code is incomplete. Check that you copied all of it."));
    }
    return {};
}

QString durationText(std::int64_t milliseconds)
{
    const std::int64_t total = std::max<std::int64_t>(0, milliseconds) / 1000;
    const QLocale locale = applicationLocale();
    // Minutes and seconds after the leading figure always take two digits.
    const auto twoDigits = [&locale](std::int64_t v) {
        const QString digits = locale.toString(qlonglong(v));
        return v < 10 ? locale.zeroDigit() + digits : digits;
    };
    const std::int64_t hours = total / 3600, minutes = total / 60 % 60, seconds = total % 60;
    if (hours > 0)
        return localizedString(QStringLiteral("%1$lld:%2$@:%3$@"), {hours, twoDigits(minutes), twoDigits(seconds)});
    return localizedString(QStringLiteral("%1$lld:%2$@"), {minutes, twoDigits(seconds)});
}

QString timeAndMovesText(std::int64_t milliseconds, std::int64_t moves)
{
    return localizedPlural(QStringLiteral("%2$@ · %1$lld moves"), moves, {durationText(milliseconds)});
}

QString timeAndMovesDescription(std::int64_t milliseconds, std::int64_t moves)
{
    return localizedPlural(QStringLiteral("Time %2$@, %1$lld moves"), moves, {durationText(milliseconds)});
}

} // namespace murvane
