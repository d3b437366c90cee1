#pragma once
// The Preferences body: APP (tray icon, game size, launch at login),
// GAMEPLAY (deal mode, scoring, unlimited redeals under Vegas, auto-complete)
// and CARDS (corner suit, card backs). Controls write the game's settings;
// a rule change that would abandon a deal in progress is asked first through
// the host's rules-change dialog.

#include "engine/Settings.h"

#include <QString>

#include <cstdint>
#include <functional>

class QWidget;

namespace murvane {

class SolitaireGame;

namespace screens {

class ModalScreenView;

// The settings whose change deals a new game.
enum class RuleSetting { drawCount, scoringMode, unlimitedRedeals };

// Whether a change of `setting` now abandons a deal in progress and so must
// be confirmed: a deal has started and not been won, and the change really
// deals anew (draw count only while passes are limited, unlimited redeals
// only under Vegas).
bool ruleChangeNeedsConfirmation(const SolitaireGame& game, RuleSetting setting);

// Writes through the confirmation rule: an unchanged value does nothing, a
// change that needs confirmation becomes the host's pending rules change,
// anything else is assigned at once.
void requestDrawCount(ModalScreenView& host, std::int64_t drawCount);
void requestScoringMode(ModalScreenView& host, ScoringMode mode);
void requestUnlimitedRedeals(ModalScreenView& host, bool unlimited);

// Localized names shown by the controls.
QString displayName(MenuBarIconOption option);
QString displayName(BoardSize size);
QString displayName(ScoringMode mode);
QString drawCountTitle(std::int64_t drawCount); // "Draw 1", anything else "Draw 3"

// The approval hint under Launch at Login while the desktop keeps our
// autostart entry switched off.
QString launchAtLoginApprovalText();

QWidget* makePreferencesBody(ModalScreenView& host, QWidget* parent);

} // namespace screens
} // namespace murvane
