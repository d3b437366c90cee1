#pragma once
// The Preferences body: APP (tray icon, game size, launch at login),
// GAMEPLAY (deal mode, scoring, unlimited redeals under Vegas, auto-complete)
// and CARDS (corner suit, four-colour suits, card backs). Controls write the game's settings;
// a rule change that would abandon a deal in progress is asked first through
// the host's rules-change dialog.

#include "cards/Settings.h"

#include <QString>

#include <cstdint>
#include <functional>

class QWidget;

namespace murvane {

class SolitaireGame;

namespace screens {

class ModalScreenView;

// Writes a rule setting: an unchanged value does nothing, anything else goes
// through the host's rules question (asked only when the change abandons
// the deal in progress).
void requestDrawMode(ModalScreenView& host, DrawMode mode);
void requestScoringMode(ModalScreenView& host, ScoringMode mode);
void requestUnlimitedRedeals(ModalScreenView& host, bool unlimited);

// Localized names shown by the controls.
QString displayName(MenuBarIconOption option);
QString displayName(BoardSize size);
QString displayName(ScoringMode mode);
QString displayName(DrawMode mode); // "Draw 1", "Draw 3"

// The approval hint under Launch at Login while the desktop keeps our
// autostart entry switched off.
QString launchAtLoginApprovalText();

QWidget* makePreferencesBody(ModalScreenView& host, QWidget* parent);

} // namespace screens
} // namespace murvane
