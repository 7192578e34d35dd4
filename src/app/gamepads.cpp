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

void pollGamepads() {
    if (!controllers.isOpen()) return;
    input.update(readGamepadControls(controllers.poll()));
    const World* world = getWorld();
    if (world == nullptr) return;
    switch (shipRumble.watch(*world)) {
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
