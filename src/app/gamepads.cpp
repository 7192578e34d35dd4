#include "app/gamepads.h"

#include "app/gamepad_controls.h"
#include "app/gamepad_input.h"
#include "app/ship_rumble.h"
#include "platform/game_controllers.h"
#include "world/world.h"

namespace {

constexpr int kHitRumbleStrength = 0x6000;
constexpr int kHitRumbleMs = 150;
constexpr int kDeathRumbleStrength = 0xFFFF;
constexpr int kDeathRumbleMs = 1000;

GameControllers controllers;
GamepadInput input;
ShipRumble shipRumble;

}  // namespace

void openGamepads() {
    controllers.open();
    input = GamepadInput();
    shipRumble = ShipRumble();
}

void pollGamepads(bool windowFocused) {
    if (!controllers.isOpen()) return;
    const std::vector<ControllerState>& pads = controllers.poll();
    // Behind another window the pads hold nothing, and what they held is let go.
    input.update(windowFocused ? readGamepadControls(pads, input.controlsHeld()) : GamepadControls());
    const World* world = getWorld();
    if (world == nullptr) return;
    const Rumble rumble = shipRumble.watch(*world);
    if (!windowFocused) return;
    switch (rumble) {
        case Rumble::Hit: controllers.rumble(kHitRumbleStrength, kHitRumbleStrength, kHitRumbleMs); break;
        case Rumble::Death: controllers.rumble(kDeathRumbleStrength, kDeathRumbleStrength, kDeathRumbleMs); break;
        case Rumble::None: break;
    }
}

void closeGamepads() {
    if (!controllers.isOpen()) return;
    input.update(GamepadControls());
    controllers.close();
}
