#include "app/gamepad_controls.h"

namespace {
constexpr int kStickDeadZone = GameControllers::kAxisMax / 4;
constexpr int kTriggerDeadZone = GameControllers::kAxisMax / 4;
}  // namespace

GamepadControls readGamepadControls(const std::vector<ControllerState>& controllers) {
    GamepadControls held;
    for (const ControllerState& pad : controllers) {
        held.up = held.up || pad.dpadUp || pad.leftStickY < -kStickDeadZone;
        held.down = held.down || pad.dpadDown || pad.leftStickY > kStickDeadZone;
        held.left = held.left || pad.dpadLeft || pad.leftStickX < -kStickDeadZone;
        held.right = held.right || pad.dpadRight || pad.leftStickX > kStickDeadZone;
        held.fire = held.fire || pad.buttonA || pad.rightTrigger > kTriggerDeadZone;
        held.start = held.start || pad.buttonStart;
        held.switchView = held.switchView || pad.buttonY;
    }
    return held;
}
