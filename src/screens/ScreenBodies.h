#pragma once
// The screen bodies shown inside ModalScreenView's scroll area. The host
// calls makeScreenBody once per text scale (and again when it changes);
// each body reads the game through host.game(), sizes itself by
// host.textScale(), and raises the rules-change question through
// host.requestRulesChange().

#include "cards/Settings.h"

class QBoxLayout;
class QWidget;

namespace murvane::screens {

class ModalScreenView;

// Builds the body for host.screen(), parented to `parent`.
QWidget* makeScreenBody(ModalScreenView& host, QWidget* parent);

// The outer container of a body: Preferences and How to Play stack their
// blocks centred with a fixed spacing of 14, About stacks centred at 4 across
// the full width, Statistics uses a single column (its rows go in a group
// box). Returns the container; `layout` receives its column.
QWidget* makeBodyContainer(ModalScreen screen, QWidget* parent, QBoxLayout** layout);

} // namespace murvane::screens
