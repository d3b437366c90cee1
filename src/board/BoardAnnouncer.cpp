#include "board/BoardAnnouncer.h"

#include "board/BoardHeader.h"
#include "board/BoardContext.h"
#include "board/KeyboardNavigation.h"
#include "engine/SolitaireGame.h"
#include "text/Localization.h"

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
{
    const SolitaireGame& game = board.game();
    connect(&game.play(), &GamePlay::pilesChanged, this, &BoardAnnouncer::noteChange);
    connect(&game.play(), &GamePlay::hasWonChanged, this, [this] {
        won_ = board_.game().play().hasWon();
        schedule();
    });
}

QString BoardAnnouncer::describe(const SolitaireGame& game, const MoveRecord& change)
{
    using Kind = MoveRecord::Kind;
    QStringList parts;
    switch (change.kind) {
    case Kind::deal:
        return {};
    case Kind::undo:
        return localizedString(QStringLiteral("Move undone."));
    case Kind::redo:
        return localizedString(QStringLiteral("Move redone."));
    case Kind::recycle:
        return localizedString(QStringLiteral("Waste turned over into the stock."));
    case Kind::draw:
        if (change.cards.isEmpty())
            return {};
        return localizedString(QStringLiteral("Drew %@."), {change.cards.last().accessibilityName()});
    case Kind::flip:
        break;
    case Kind::move:
    case Kind::autoCompleteStep: {
        if (change.cards.isEmpty())
            return {};
        const QString card = change.cards.first().accessibilityName();
        if (change.target.kind == MoveTarget::Kind::foundation)
            parts << localizedString(QStringLiteral("%@ moved to foundation."), {card});
        else
            parts << localizedString(QStringLiteral("%1$@ moved to column %2$lld."),
                                     {card, std::int64_t(change.target.index + 1)});
        break;
    }
    }
    for (int column : change.flippedColumns) {
        const Pile& pile = game.play().tableau()[size_t(column)];
        if (!pile.isEmpty())
            parts << localizedString(QStringLiteral("Turned up %@."), {pile.last().accessibilityName()});
    }
    return parts.join(QLatin1Char(' '));
}

// Said at the end of the turn; within one turn the latest change is what
// happened.
void BoardAnnouncer::noteChange(const MoveRecord& change)
{
    // The last news ("Game Solved…") says nothing about a new deal: it goes
    // at once, and the status stays empty until something happens there.
    if (change.kind == MoveRecord::Kind::deal)
        clearStatus();
    // Watch Solution says each of its moves as the caption, before it is
    // made; saying it again afterwards would talk over the next one.
    if (board_.game().watch().isWatching())
        return;
    pending_ = describe(board_.game(), change);
    schedule();
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
    QString text = pending_;
    if (won_ && game.play().hasWon())
        text = localizedString(QStringLiteral("Game Solved. Final Score: %@"),
                               {BoardHeader::scoreText(game, game.play().score())});
    won_ = false;
    pending_.clear();
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

void BoardAnnouncer::clearStatus()
{
    if (text_.isEmpty() && label_->accessibleName().isEmpty())
        return;
    text_.clear();
    pile_.reset();
    label_->setAccessibleName(QString());
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
