#pragma once
// Makes popup windows reachable by screen readers. Qt leaves every popup out
// of the application's accessible children, and the game's panel is a popup;
// this factory gives the application object an accessible interface that also
// lists the popups that are currently visible.

namespace murvane {

// Call before the QApplication is constructed; later calls do nothing.
void installPopupAwareAccessibility();

} // namespace murvane
