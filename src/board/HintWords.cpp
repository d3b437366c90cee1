#include "board/HintWords.h"

#include "text/Localization.h"

namespace murvane::board {

QString hintText(const Hint& hint, const Table& table)
{
    switch (hint.kind) {
    case Hint::Kind::draw:
        return localizedString(QStringLiteral("Draw from the stock"));
    case Hint::Kind::recycle:
        return localizedString(QStringLiteral("Turn the waste back over"));
    case Hint::Kind::lost:
        return localizedString(QStringLiteral("This game can no longer be won. Undo or start a new deal."));
    case Hint::Kind::noLineFound:
        return localizedString(QStringLiteral("No winning line found from here."));
    case Hint::Kind::move:
        break;
    }
    const Pile moving = moves::cardsFor(table, hint.move.source);
    if (moving.isEmpty())
        return {};
    const MoveTarget& to = hint.move.target;
    const QString where = to.kind == MoveTarget::Kind::tableau
                              ? localizedString(QStringLiteral("column %lld"), {std::int64_t(to.index + 1)})
                              : localizedString(QStringLiteral("foundation %lld"), {std::int64_t(to.index + 1)});
    // A run is named by its lowest card and how many go with it, so that the
    // caption says the whole of what moves.
    if (moving.size() > 1)
        return localizedPlural(QStringLiteral("Move %2$@ and %1$lld cards to %3$@"), std::int64_t(moving.size() - 1),
                               {moving.first().accessibilityName(), where});
    return localizedString(QStringLiteral("Move %1$@ to %2$@"), {moving.first().accessibilityName(), where});
}

} // namespace murvane::board
