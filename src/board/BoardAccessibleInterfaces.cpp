// The accessible interfaces of the board: each pile, the elements inside
// it, and the board itself. The texts and rules they report come from
// BoardAccessibility.cpp.

#include "board/BoardAccessibility.h"
#include "board/BoardAnnouncer.h"
#include "board/BoardState.h"
#include "board/BoardSurface.h"
#include "board/CardFlightLayer.h"
#include "board/DragPreviewLayer.h"
#include "board/PileView.h"
#include "engine/SolitaireGame.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace murvane::board {

namespace {

QRect toScreen(const PileView* widget, const QRectF& boardRect)
{
    // Pile widgets paint in board coordinates offset by their position.
    const QRect local = boardRect.translated(-QPointF(widget->pos())).toAlignedRect();
    return QRect(widget->mapToGlobal(local.topLeft()), local.size());
}

// A card, the face-down group of a column, or an empty marker.
class PileElementAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PileElementAccessible(PileView* widget, const PileElement& element)
        : widget_(widget)
        , pile_(widget->pile())
        , element_(element)
    {
    }

    const PileElement& element() const { return element_; }

    // Stale once its card has left this place: actions then do nothing.
    bool isValid() const override
    {
        return widget_ && pileElements(game(), pile_).contains(element_);
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return widget_ ? widget_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return widget_ ? QAccessible::queryAccessibleInterface(widget_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name:
            return elementLabel(game(), pile_, element_);
        case QAccessible::Description:
            // An empty marker's description is its whole message.
            if (element_.kind == PileElement::Kind::marker)
                return elementLabel(game(), pile_, element_);
            return elementHint(game(), pile_, element_);
        case QAccessible::UserText:
            return elementIdentifier(game(), pile_, element_);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const BoardGeometry& g = board().boardGeometry();
        const SolitaireGame& game = board().game();
        if (pile_.kind == PileId::Kind::tableau && element_.kind != PileElement::Kind::marker) {
            const auto n = game.play().tableau()[size_t(pile_.index)].size();
            return toScreen(widget_, g.columnCardRect(pile_.index, element_.index, n));
        }
        if (pile_.kind == PileId::Kind::waste && element_.kind == PileElement::Kind::card) {
            const qsizetype first = game.play().waste().size() - visibleWasteCount(game.play().waste().size(), game.settings().drawMode());
            return toScreen(widget_, g.wasteCardRect(int(element_.index - first)));
        }
        return toScreen(widget_, g.pileFrame(pile_));
    }

    QAccessible::Role role() const override
    {
        return element_.kind == PileElement::Kind::marker ? QAccessible::StaticText : QAccessible::ListItem;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!widget_ || !widget_->isVisible()) {
            s.invisible = true;
            return s;
        }
        s.readOnly = true;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        if (!isValid())
            return {};
        QStringList names;
        if (hasDefaultAction(game(), pile_, element_))
            names.append(pressAction());
        if (const auto source = elementSource(game(), pile_, element_))
            names += moveActionNames(game(), *source);
        return names;
    }

    QString localizedActionDescription(const QString& name) const override
    {
        return name == pressAction() ? defaultActionHint() : name;
    }

    void doAction(const QString& name) override
    {
        if (!isValid() || !board().takesInput(InputChannel::accessibilityAction))
            return;
        const SolitaireGame& game = board().game();
        const auto source = elementSource(game, pile_, element_);
        if (!source)
            return;
        if (name == pressAction()) {
            if (hasDefaultAction(game, pile_, element_))
                board().moveToBestSpot(pileCards(game, pile_)[element_.index]);
            return;
        }
        // The name, not the position in a list read earlier, picks the target,
        // and the game checks it once more before anything moves.
        for (const MoveTarget& target : moves::legalTargets(game.play().table(), *source)) {
            if (moveActionName(game, target) == name) {
                board().moveIfLegal(*source, target);
                return;
            }
        }
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    BoardContext& board() const { return widget_->board(); }
    const SolitaireGame& game() const { return widget_->board().game(); }

    QPointer<PileView> widget_;
    PileId pile_;
    PileElement element_;
};

// One pile. The stock is a single button; the other piles list their
// elements, and their own name is that of their top element, which is what
// a screen reader says when the keyboard focus lands on the pile.
class PileAccessible : public QAccessibleWidget {
public:
    explicit PileAccessible(PileView* widget)
        : QAccessibleWidget(widget, widget->pile().kind == PileId::Kind::stock ? QAccessible::Button
                                                                                 : QAccessible::List)
    {
    }

    ~PileAccessible() override
    {
        for (QAccessible::Id id : std::as_const(children_))
            QAccessible::deleteAccessibleInterface(id);
    }

    PileView* pileView() const { return static_cast<PileView*>(widget()); }
    const PileId& pile() const { return pileView()->pile(); }
    BoardContext& board() const { return pileView()->board(); }

    QString text(QAccessible::Text t) const override
    {
        const SolitaireGame& game = board().game();
        if (t == QAccessible::Name) {
            if (pile().kind == PileId::Kind::stock)
                return stockLabel(game);
            const QList<PileElement> elements = pileElements(game, pile());
            return elements.isEmpty() ? QString() : elementLabel(game, pile(), elements.last());
        }
        if (t == QAccessible::Description) {
            // What the last action did, while this pile keeps the focus.
            if (const BoardAnnouncer* announcer = board().announcer();
                announcer && announcer->pile() == pile() && !announcer->text().isEmpty())
                return announcer->text();
            if (pile().kind == PileId::Kind::stock && game.play().stock().isEmpty())
                return elementLabel(game, pile(), PileElement{});
            return {};
        }
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return int(pileElements(board().game(), pile()).size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<PileElement> elements = pileElements(board().game(), pile());
        if (index < 0 || index >= elements.size())
            return nullptr;
        const PileElement& element = elements[index];
        // One interface per element for as long as the same card stays there,
        // so a screen reader's reference keeps meaning that card.
        const int key = element.index;
        if (const auto it = children_.constFind(key); it != children_.constEnd()) {
            auto* cached = static_cast<PileElementAccessible*>(QAccessible::accessibleInterface(*it));
            if (cached && cached->element() == element)
                return cached;
            QAccessible::deleteAccessibleInterface(*it);
            children_.remove(key);
        }
        auto* iface = new PileElementAccessible(pileView(), element);
        children_.insert(key, QAccessible::registerAccessibleInterface(iface));
        return iface;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || child->object())
            return -1;
        for (auto it = children_.constBegin(); it != children_.constEnd(); ++it) {
            if (QAccessible::accessibleInterface(*it) == child) {
                const auto* element = static_cast<const PileElementAccessible*>(child);
                return int(pileElements(board().game(), pile()).indexOf(element->element()));
            }
        }
        return -1;
    }

    QAccessibleInterface* focusChild() const override { return nullptr; }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (pile().kind == PileId::Kind::stock)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override
    {
        if (pile().kind == PileId::Kind::stock && name == pressAction()) {
            // The same as a click on the stock: draw, or turn the waste over.
            if (!board().takesInput(InputChannel::accessibilityAction))
                return;
            board().setFocusedSlot(PileId::stock());
            board().drawFromStock();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    mutable QHash<int, QAccessible::Id> children_;
};

// The board: its layers minus the ones that must never be heard (the drag
// preview, the flying card), and minus the whole board content while a
// screen is up.
class BoardAccessible : public QAccessibleWidget {
public:
    BoardAccessible(QWidget* widget, const BoardContext& board)
        : QAccessibleWidget(widget, QAccessible::Pane)
        , board_(board)
    {
    }

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> list = shown();
        return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() ? int(shown().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> shown() const
    {
        QList<QWidget*> list;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow() || qobject_cast<DragPreviewLayer*>(w) || qobject_cast<CardFlightLayer*>(w))
                continue;
            if (qobject_cast<BoardSurface*>(w) && board_.layer() == BoardLayer::screen)
                continue;
            list.append(w);
        }
        return list;
    }

    const BoardContext& board_;
};

QAccessibleInterface* boardFactory(const QString&, QObject* object)
{
    if (auto* pile = qobject_cast<PileView*>(object))
        return new PileAccessible(pile);
    // The board is the one widget that holds the context of its parts.
    if (object->isWidgetType()) {
        if (const auto* board = object->findChild<BoardState*>(QString(), Qt::FindDirectChildrenOnly))
            return new BoardAccessible(static_cast<QWidget*>(object), *board);
    }
    if (auto* announcement = qobject_cast<AnnouncementLabel*>(object))
        return new QAccessibleWidget(announcement, QAccessible::StatusBar);
    return nullptr;
}

} // namespace

void installBoardAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(boardFactory);
}

} // namespace murvane::board
