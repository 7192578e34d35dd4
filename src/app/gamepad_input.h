#pragma once

#include "app/gamepad_controls.h"

// Turns what the controllers hold into the keyboard's events: a control that
// goes down or up between two polls calls the handler of its key, so a
// controller writes the same flags, with the same inversion and the same
// one-press-per-push menu events, as the keys. Its holds are the gamepads'
// own: a key held as well keeps its flag held when the pad lets go.
class GamepadInput {
public:
    void update(const GamepadControls& now);
    const GamepadControls& controlsHeld() const { return held; }

private:
    GamepadControls held;
};
