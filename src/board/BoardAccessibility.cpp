#include "board/BoardAccessibility.h"

#include "engine/SolitaireGame.h"
#include "screens/GameWords.h"
#include "text/Localization.h"

namespace murvane::board {

const Pile& pileCards(const SolitaireGame& game, const PileId& pile)
{
    switch (pile.kind) {
    case PileId::Kind::waste:
        return game.play().waste();
    case PileId::Kind::foundation:
        return game.play().foundations()[size_t(pile.index)];
    case PileId::Kind::tableau:
        return game.play().tableau()[size_t(pile.index)];
    case PileId::Kind::stock:
        break;
    }
    return game.play().stock();
}

namespace {

bool isTopCard(const SolitaireGame& game, const PileId& pile, const PileElement& element)
{
    return element.kind == PileElement::Kind::card && element.index == pileCards(game, pile).size() - 1;
}

} // namespace

QString defaultActionHint()
{
    return localizedString(QStringLiteral("Double-tap to move to the best available spot."));
}

QList<PileElement> pileElements(const SolitaireGame& game, const PileId& pile)
{
    QList<PileElement> elements;
    if (pile.kind == PileId::Kind::stock)
        return elements; // one element with no children
    const Pile& cards = pileCards(game, pile);
    const int n = int(cards.size());
    if (n == 0) {
        elements.append(PileElement{});
        return elements;
    }
    int first = 0;
    switch (pile.kind) {
    case PileId::Kind::waste:
        first = n - visibleWasteCount(n, game.settings().drawMode());
        break;
    case PileId::Kind::foundation:
        first = n - 1;
        break;
    case PileId::Kind::tableau:
        if (!cards[0].isFaceUp)
            elements.append(PileElement{PileElement::Kind::faceDownGroup, 0, cards[0].id});
        while (first < n && !cards[first].isFaceUp)
            ++first;
        break;
    case PileId::Kind::stock:
        break;
    }
    for (int i = first; i < n; ++i)
        elements.append(PileElement{PileElement::Kind::card, i, cards[i].id});
    return elements;
}

QString stockLabel(const SolitaireGame& game)
{
    QString text;
    if (!game.play().stock().isEmpty())
        text = localizedPlural(QStringLiteral("Stock pile. %lld cards remaining. Tap to draw."), game.play().stock().size());
    else if (game.play().waste().isEmpty())
        text = localizedString(QStringLiteral("Stock pile empty."));
    else if (game.play().canRecycleWaste())
        text = localizedString(QStringLiteral("Stock pile empty. Tap to recycle waste."));
    else
        text = localizedString(QStringLiteral("Stock pile empty. No redeals left."));
    if (const auto pass = passDescription(game))
        text += QLatin1Char(' ') + *pass + QLatin1Char('.');
    return text;
}

QString elementLabel(const SolitaireGame& game, const PileId& pile, const PileElement& element)
{
    const Pile& cards = pileCards(game, pile);
    switch (element.kind) {
    case PileElement::Kind::marker:
        switch (pile.kind) {
        case PileId::Kind::stock:
            return localizedString(QStringLiteral("Recycle Waste into Stock"));
        case PileId::Kind::waste:
            return localizedString(QStringLiteral("Empty Waste Pile"));
        case PileId::Kind::foundation:
            return localizedString(QStringLiteral("Foundation pile %lld, accepts Ace first"),
                                   {std::int64_t(pile.index + 1)});
        case PileId::Kind::tableau:
            return localizedString(QStringLiteral("Empty column %lld, accepts King only"),
                                   {std::int64_t(pile.index + 1)});
        }
        return {};
    case PileElement::Kind::faceDownGroup: {
        std::int64_t hidden = 0;
        while (hidden < cards.size() && !cards[hidden].isFaceUp)
            ++hidden;
        return localizedPlural(QStringLiteral("Column %2$lld: %1$lld face-down cards"), hidden,
                               {std::int64_t(pile.index + 1)});
    }
    case PileElement::Kind::card:
        if (element.index >= 0 && element.index < cards.size())
            return cards[element.index].accessibilityName();
        return {};
    }
    return {};
}

QString elementHint(const SolitaireGame& game, const PileId& pile, const PileElement& element)
{
    return hasDefaultAction(game, pile, element) ? defaultActionHint() : QString();
}

QString elementIdentifier(const SolitaireGame& game, const PileId& pile, const PileElement& element)
{
    if (element.kind == PileElement::Kind::marker)
        return {};
    switch (pile.kind) {
    case PileId::Kind::waste: {
        if (isTopCard(game, pile, element))
            return QStringLiteral("wasteTopCard");
        const qsizetype firstShown = game.play().waste().size() - visibleWasteCount(game.play().waste().size(), game.settings().drawMode());
        return QStringLiteral("wasteCard-%1").arg(element.index - firstShown);
    }
    case PileId::Kind::tableau:
        return QStringLiteral("tableauCard-%1-%2").arg(pile.index).arg(element.index);
    case PileId::Kind::foundation:
    case PileId::Kind::stock:
        break;
    }
    return {};
}

std::optional<DragSource> elementSource(const SolitaireGame& game, const PileId& pile, const PileElement& element)
{
    if (element.kind != PileElement::Kind::card)
        return std::nullopt;
    switch (pile.kind) {
    case PileId::Kind::waste:
        // Cards fanned under the top one offer nothing.
        return isTopCard(game, pile, element) ? std::optional(DragSource::waste()) : std::nullopt;
    case PileId::Kind::foundation:
        return DragSource::foundation(pile.index);
    case PileId::Kind::tableau:
        return DragSource::tableau(pile.index, element.index);
    case PileId::Kind::stock:
        break;
    }
    return std::nullopt;
}

bool hasDefaultAction(const SolitaireGame& game, const PileId& pile, const PileElement& element)
{
    return pile.kind != PileId::Kind::stock && isTopCard(game, pile, element);
}

QString moveActionName(const SolitaireGame& game, const MoveTarget& target)
{
    if (target.kind == MoveTarget::Kind::foundation)
        return localizedString(QStringLiteral("Move to foundation"));
    const std::int64_t column = target.index + 1;
    if (game.play().tableau()[size_t(target.index)].isEmpty())
        return localizedString(QStringLiteral("Move to empty column %lld"), {column});
    return localizedString(QStringLiteral("Move to column %lld"), {column});
}

QStringList moveActionNames(const SolitaireGame& game, const DragSource& source)
{
    QStringList names;
    for (const MoveTarget& target : moves::legalTargets(game.play().table(), source))
        names.append(moveActionName(game, target));
    return names;
}

} // namespace murvane::board
