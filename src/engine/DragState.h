#pragma once
// The two small drag records shared by the board and the game.

#include "cards/Card.h"

#include <QObject>
#include <QPointF>

#include <optional>

namespace murvane {

// Where the drag in progress started; none while nothing is dragged. Every
// game operation that moves cards for the user clears it first.
class DragState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const std::optional<DragSource>& dragSource() const { return dragSource_; }
    void setDragSource(const std::optional<DragSource>& source)
    {
        if (dragSource_ == source)
            return;
        dragSource_ = source;
        Q_EMIT dragSourceChanged();
    }
    void clear() { setDragSource(std::nullopt); }

Q_SIGNALS:
    void dragSourceChanged();

private:
    std::optional<DragSource> dragSource_;
};

// Pointer position of the current drag (board coordinates) and the vertical
// spacing of the dragged stack.
class DragPositionState : public QObject {
    Q_OBJECT
public:
    static constexpr qreal kDefaultStackStep = 20;
    using QObject::QObject;

    QPointF location() const { return location_; }
    qreal stackStep() const { return stackStep_; }
    void setLocation(QPointF p)
    {
        if (p == location_)
            return;
        location_ = p;
        Q_EMIT changed();
    }
    void setStackStep(qreal step)
    {
        if (step == stackStep_)
            return;
        stackStep_ = step;
        Q_EMIT changed();
    }
    void reset()
    {
        setLocation(QPointF(0, 0));
        setStackStep(kDefaultStackStep);
    }

Q_SIGNALS:
    void changed();

private:
    QPointF location_{0, 0};
    qreal stackStep_ = kDefaultStackStep;
};

} // namespace murvane
