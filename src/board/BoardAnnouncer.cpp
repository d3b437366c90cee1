#include "board/BoardAnnouncer.h"

#include "board/BoardHeader.h"
#include "board/BoardContext.h"
#include "board/KeyboardNavigation.h"
#include "engine/SolitaireGame.h"
#include "platform/Localization.h"

#include <QAccessible>
#include <QTimer>

namespace murvane::board {

AnnouncementLabel::AnnouncementLabel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("boardAnnouncement"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(0, 0);
}

BoardAnnouncer::BoardAnnouncer(const BoardContext& board, PileWidget pileWidget, QWidget* labelParent)
    : QObject(labelParent)
    , board_(board)
    , pileWidget_(std::move(pileWidget))
    , label_(new AnnouncementLabel(labelParent))
    , layout_(layoutOf(board.game()))
{
    SolitaireGame& game = board.game();
    for (auto signal : {&SolitaireGame::stockChanged, &SolitaireGame::wasteChanged,
                        &SolitaireGame::foundationsChanged, &SolitaireGame::tableauChanged})
        connect(&game, signal, this, &BoardAnnouncer::schedule);
    // Within one turn the later of an undo and a redo is what happened.
    connect(&game, &SolitaireGame::undoCountChanged, this, [this] {
        undone_ = true;
        redone_ = false;
        schedule();
    });
    connect(&game, &SolitaireGame::redoCountChanged, this, [this] {
        redone_ = true;
        undone_ = false;
        schedule();
    });
    connect(&game, &SolitaireGame::hasWonChanged, this, [this] {
        won_ = board_.game().hasWon();
        schedule();
    });
}

BoardAnnouncer::Layout BoardAnnouncer::layoutOf(const SolitaireGame& game)
{
    Layout layout;
    auto note = [&](const Pile& pile, Place::Kind kind, int index) {
        for (int i = 0; i < pile.size(); ++i)
            layout.insert(pile[i].id.value, Place{kind, index, i, pile[i].isFaceUp});
    };
    note(game.stock(), Place::Kind::stock, 0);
    note(game.waste(), Place::Kind::waste, 0);
    for (int f = 0; f < kFoundationCount; ++f)
        note(game.foundations()[size_t(f)], Place::Kind::foundation, f);
    for (int c = 0; c < kColumnCount; ++c)
        note(game.tableau()[size_t(c)], Place::Kind::tableau, c);
    return layout;
}

namespace {

const Card* cardAt(const SolitaireGame& game, const BoardAnnouncer::Place& place)
{
    using Kind = BoardAnnouncer::Place::Kind;
    const Pile* pile = nullptr;
    switch (place.kind) {
    case Kind::stock:
        pile = &game.stock();
        break;
    case Kind::waste:
        pile = &game.waste();
        break;
    case Kind::foundation:
        pile = &game.foundations()[size_t(place.index)];
        break;
    case Kind::tableau:
        pile = &game.tableau()[size_t(place.index)];
        break;
    }
    return place.position < pile->size() ? &(*pile)[place.position] : nullptr;
}

} // namespace

QString BoardAnnouncer::describe(const SolitaireGame& game, const Layout& before, const Layout& after)
{
    using Kind = Place::Kind;
    QList<std::pair<Place, Place>> moved; // from, to
    QList<Place> turnedUp;
    for (auto it = after.constBegin(); it != after.constEnd(); ++it) {
        const auto was = before.constFind(it.key());
        if (was == before.constEnd())
            return {}; // a new deal: nothing to compare with
        if (was->kind != it->kind || was->index != it->index)
            moved.append({*was, *it});
        else if (!was->isFaceUp && it->isFaceUp)
            turnedUp.append(*it);
    }
    QStringList parts;
    auto all = [&](Kind from, Kind to) {
        return std::all_of(moved.begin(), moved.end(),
                           [&](const auto& m) { return m.first.kind == from && m.second.kind == to; });
    };
    if (!moved.isEmpty()) {
        if (all(Kind::stock, Kind::waste)) {
            parts << localizedString(QStringLiteral("Drew %@."), {game.waste().last().accessibilityName()});
        } else if (all(Kind::waste, Kind::stock)) {
            parts << localizedString(QStringLiteral("Waste turned over into the stock."));
        } else {
            // One group from one pile to another; anything else (an undo
            // across piles, a new deal) is not a single move to describe.
            const auto& [from, to] = moved.first();
            const Place* lowest = &moved.first().second;
            for (const auto& [f, t] : moved) {
                if (f.kind != from.kind || f.index != from.index || t.kind != to.kind || t.index != to.index)
                    return {};
                if (t.position < lowest->position)
                    lowest = &t;
            }
            const Card* card = cardAt(game, *lowest);
            if (!card)
                return {};
            if (to.kind == Kind::foundation)
                parts << localizedString(QStringLiteral("%@ moved to foundation."), {card->accessibilityName()});
            else if (to.kind == Kind::tableau)
                parts << localizedString(QStringLiteral("%1$@ moved to column %2$lld."),
                                         {card->accessibilityName(), std::int64_t(to.index + 1)});
            else
                return {};
        }
    }
    for (const Place& place : turnedUp)
        if (const Card* card = cardAt(game, place))
            parts << localizedString(QStringLiteral("Turned up %@."), {card->accessibilityName()});
    return parts.join(QLatin1Char(' '));
}

void BoardAnnouncer::schedule()
{
    if (scheduled_)
        return;
    scheduled_ = true;
    // One announcement per turn, after every pile of the move has changed.
    QTimer::singleShot(0, this, &BoardAnnouncer::announce);
}

void BoardAnnouncer::announce()
{
    scheduled_ = false;
    const SolitaireGame& game = board_.game();
    const Layout now = layoutOf(game);
    QString text;
    if (won_ && game.hasWon())
        text = localizedString(QStringLiteral("Game Solved. Final Score: %@"),
                               {BoardHeader::scoreText(game, game.score())});
    else if (undone_)
        text = localizedString(QStringLiteral("Move undone."));
    else if (redone_)
        text = localizedString(QStringLiteral("Move redone."));
    else
        text = describe(game, layout_, now);
    won_ = undone_ = redone_ = false;
    layout_ = now;
    if (!QAccessible::isActive() && text.isEmpty())
        return;
    if (QAccessible::isActive()) {
        // The piles' names follow their top cards.
        auto nameChanged = [this](const BoardFocus& pile) {
            QAccessibleEvent changed(pileWidget_(pile), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        };
        for (const BoardFocus& pile : topRowFocusOrder())
            nameChanged(pile);
        for (const BoardFocus& pile : bottomRowFocusOrder())
            nameChanged(pile);
    }
    if (text.isEmpty())
        return;
    text_ = text;
    pile_ = board_.focusedSlot();
    label_->setAccessibleName(text);
    if (pile_ && QAccessible::isActive()) {
        QAccessibleEvent changed(pileWidget_(*pile_), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void BoardAnnouncer::announceText(const QString& text)
{
    text_ = text;
    pile_ = board_.focusedSlot();
    label_->setAccessibleName(text);
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(label_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void BoardAnnouncer::clearForFocus()
{
    pile_.reset();
}

} // namespace murvane::board
