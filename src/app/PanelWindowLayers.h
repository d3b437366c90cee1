#pragma once
// What Escape dismisses inside the game panel before the panel itself: the
// abandon-game dialog, a screen's own dialog, then the screen.

class QWidget;

namespace murvane::app {

// Dismisses the topmost of those layers on the board `content` and returns
// true; false when the board shows none (or `content` is no board).
bool dismissBoardLayer(QWidget* content);

} // namespace murvane::app
