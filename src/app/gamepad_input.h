#pragma once

#include "app/gamepad_controls.h"

// Turns what the controllers hold into the keyboard's events: a control that
// goes down or up between two polls calls the handler of its key, so a
// controller writes the same flags, with the same inversion and the same
// one-press-per-push menu events, as the keys.
class GamepadInput {
public:
    void update(const GamepadControls& now);

private:
    GamepadControls held;
};
