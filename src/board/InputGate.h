#pragma once
// The one answer to "may the board take this input now?". What is showing
// is one value, the layer; a win, a running auto-complete, a drag in
// progress and Watch Solution playing are the other states that hold input
// back. Every way of playing
// the board asks inputTaken() with its channel; nothing else decides it.

namespace murvane::board {

// What covers the board, front-most wins: a screen hides everything; the
// abandon-game question and the Play Deal dialog each cover the piles, the
// header and the win card.
enum class BoardLayer { board, abandonDialog, playDealDialog, screen };

enum class InputChannel {
    pointer,             // presses, clicks, double-clicks and drags on the piles
    focusKey,            // arrows moving the keyboard focus between piles
    playKey,             // Space/Return playing the focused pile
    digitKey,            // 1-7 sending the focused pile to a column
    accessibilityAction, // default and named actions of piles and cards
    hint,                // the H key and the menu's Show Hint and Watch Solution
    undoRedo,            // the undo button and the undo/redo shortcuts
    restartDeal,         // the menu's Restart Deal and Ctrl+R
    openLayer,           // new deal, Play Deal… and the menu's screens (they open a layer)
    copyDealCode,        // the menu's Copy Deal Code
    playAgain,           // the win card's Play Again
};

struct BoardInputState {
    BoardLayer layer = BoardLayer::board;
    bool won = false;
    bool autoCompleting = false;
    bool dragging = false;
    // Watch Solution plays: the board is the game's until it stops. The
    // press or key that stops it is spent on stopping (the board's event
    // watch does that before any channel is asked).
    bool watching = false;
    // A deal played by number is on its way: the cards on the board are
    // about to go, so nothing plays them; the keyboard focus, the menu and
    // the layers (a new request cancels the one on its way) still answer.
    bool dealing = false;
    friend bool operator==(const BoardInputState&, const BoardInputState&) = default;
};

// Whether `channel` acts in `state`. Only the board's own conditions are
// here; what the engine refuses by itself (a move after a win, an undo
// during auto-complete) it keeps refusing.
bool inputTaken(InputChannel channel, const BoardInputState& state);

// Whether the board keeps a key of a key channel (focusKey, playKey,
// digitKey, hint) from the widgets around it, acted on or not. While the
// board holds the keyboard it takes its own keys, so Space on a pile never
// reaches a button; a digit it cannot act on now goes on. Under a dialog or
// a screen it takes none.
bool keyTaken(InputChannel channel, const BoardInputState& state);

} // namespace murvane::board
