#include "board/KeyboardNavigation.h"

#include "board/BoardContext.h"
#include "engine/SolitaireGame.h"

#include <QKeyEvent>

#include <algorithm>

namespace murvane::board {

namespace {

template <size_t N>
int indexIn(const std::array<BoardFocus, N>& row, const BoardFocus& focus)
{
    const auto it = std::find(row.begin(), row.end(), focus);
    return it == row.end() ? -1 : int(it - row.begin());
}

// index × (to − 1) / (from − 1), rounded half away from zero (all values
// are non-negative, so adding half the divisor does it exactly).
int mapAcrossRows(int index, int fromCount, int toCount)
{
    const int num = index * (toCount - 1);
    const int den = fromCount - 1;
    return (2 * num + den) / (2 * den);
}

std::optional<FocusMove> arrowOf(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return FocusMove::up;
    case Qt::Key_Down:
        return FocusMove::down;
    case Qt::Key_Left:
        return FocusMove::left;
    case Qt::Key_Right:
        return FocusMove::right;
    default:
        return std::nullopt;
    }
}

// The keypad flag says where a key sits, not that a modifier is held.
bool hasModifiers(const QKeyEvent& event)
{
    return (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier;
}

} // namespace

const std::array<BoardFocus, 6>& topRowFocusOrder()
{
    static const std::array<BoardFocus, 6> order = {BoardFocus::stock(),         BoardFocus::waste(),
                                                    BoardFocus::foundation(0),   BoardFocus::foundation(1),
                                                    BoardFocus::foundation(2),   BoardFocus::foundation(3)};
    return order;
}

const std::array<BoardFocus, 7>& bottomRowFocusOrder()
{
    static const std::array<BoardFocus, 7> order = {BoardFocus::tableau(0), BoardFocus::tableau(1),
                                                    BoardFocus::tableau(2), BoardFocus::tableau(3),
                                                    BoardFocus::tableau(4), BoardFocus::tableau(5),
                                                    BoardFocus::tableau(6)};
    return order;
}

BoardFocus focusAfterMove(const std::optional<BoardFocus>& from, FocusMove move)
{
    if (!from)
        return BoardFocus::stock();
    const auto& top = topRowFocusOrder();
    const auto& bottom = bottomRowFocusOrder();
    const int topCount = int(top.size());
    const int bottomCount = int(bottom.size());
    if (const int d = indexIn(top, *from); d >= 0) {
        switch (move) {
        case FocusMove::left:
            return d > 0 ? top[size_t(d - 1)] : *from;
        case FocusMove::right:
            return d + 1 < topCount ? top[size_t(d + 1)] : *from;
        case FocusMove::down:
            return bottom[size_t(mapAcrossRows(d, topCount, bottomCount))];
        case FocusMove::up:
            return *from;
        }
    }
    if (const int j = indexIn(bottom, *from); j >= 0) {
        switch (move) {
        case FocusMove::left:
            return j > 0 ? bottom[size_t(j - 1)] : *from;
        case FocusMove::right:
            return j + 1 < bottomCount ? bottom[size_t(j + 1)] : *from;
        case FocusMove::up:
            return top[size_t(mapAcrossRows(j, bottomCount, topCount))];
        case FocusMove::down:
            return *from;
        }
    }
    return BoardFocus::stock(); // out-of-range index: start over
}

void playFocusedPile(BoardContext& board)
{
    const SolitaireGame& game = board.game();
    const auto focus = board.focusedSlot();
    if (!focus || !board.takesInput(InputChannel::playKey))
        return;
    switch (focus->kind) {
    case BoardFocus::Kind::stock:
        board.drawFromStock();
        return;
    case BoardFocus::Kind::waste:
        if (!game.play().waste().isEmpty())
            board.moveToBestSpot(game.play().waste().last());
        return;
    case BoardFocus::Kind::tableau: {
        const Pile& column = game.play().tableau()[size_t(focus->index)];
        if (!column.isEmpty() && column.last().isFaceUp)
            board.moveToBestSpot(column.last());
        return;
    }
    case BoardFocus::Kind::foundation: {
        const Pile& pile = game.play().foundations()[size_t(focus->index)];
        if (!pile.isEmpty())
            board.moveToBestSpot(pile.last());
        return;
    }
    }
}

bool handleBoardKey(BoardContext& board, const QKeyEvent& event, const std::function<void()>& requestHint)
{
    const int key = event.key();
    const auto channel = [&]() -> std::optional<InputChannel> {
        if (arrowOf(key))
            return InputChannel::focusKey;
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
            return InputChannel::playKey;
        if (key == Qt::Key_H)
            return InputChannel::hint;
        if (key >= Qt::Key_1 && key <= Qt::Key_7)
            return InputChannel::digitKey;
        return std::nullopt;
    }();
    // A key the gate does not leave with the board (anything under a screen
    // or a dialog) goes on to whoever holds the keyboard there.
    if (!channel || hasModifiers(event) || !board.takesKey(*channel))
        return false;

    switch (*channel) {
    case InputChannel::focusKey:
        if (board.takesInput(InputChannel::focusKey)) {
            board.setShowKeyboardFocus(true);
            board.setFocusedSlot(focusAfterMove(board.focusedSlot(), *arrowOf(key)));
        }
        return true;
    case InputChannel::playKey:
        if (!board.focusedSlot())
            return false;
        board.setShowKeyboardFocus(true);
        playFocusedPile(board);
        return true; // handled even when nothing could be played
    case InputChannel::hint:
        requestHint(); // the hint asks the gate itself: the menu item also goes there
        return true;
    case InputChannel::digitKey: {
        // Taken only when it can act (takesKey), unlike Space.
        const auto focus = board.focusedSlot();
        if (!focus)
            return false;
        board.setShowKeyboardFocus(true);
        board.moveFocusedPile(*focus, key - Qt::Key_1);
        return true;
    }
    default:
        return false;
    }
}

} // namespace murvane::board
