#pragma once
#include <vector>

#include "platform/game_controllers.h"

// The game's controls as all plugged-in controllers together hold them: a
// control is held while any controller holds it, so several act as one.
struct GamepadControls {
    bool up = false;
    bool down = false;
    bool left = false;
    bool right = false;
    bool fire = false;
    bool start = false;
    bool switchView = false;
};

// The stick counts as a d-pad: a direction is held past a quarter of its
// travel and, once held (in `was`, the last reading), until back under an
// eighth. The right trigger fires past a quarter of its pull.
GamepadControls readGamepadControls(const std::vector<ControllerState>& controllers, const GamepadControls& was);
