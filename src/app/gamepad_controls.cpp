#include "app/gamepad_controls.h"

namespace {
constexpr int kStickHoldPast = GameControllers::kAxisMax / 4;
constexpr int kStickLetGoUnder = GameControllers::kAxisMax / 8;
constexpr int kTriggerDeadZone = GameControllers::kAxisMax / 4;

// How far the stick must lean for a direction: past a quarter of its travel
// to take hold, and back under an eighth to let go, so a stick resting near
// a quarter neither flickers the steering nor repeats menu moves.
bool stickHolds(int lean, bool wasHeld) { return lean > (wasHeld ? kStickLetGoUnder : kStickHoldPast); }
}  // namespace

GamepadControls readGamepadControls(const std::vector<ControllerState>& controllers, const GamepadControls& was) {
    GamepadControls held;
    for (const ControllerState& pad : controllers) {
        held.up = held.up || pad.dpadUp || stickHolds(-pad.leftStickY, was.up);
        held.down = held.down || pad.dpadDown || stickHolds(pad.leftStickY, was.down);
        held.left = held.left || pad.dpadLeft || stickHolds(-pad.leftStickX, was.left);
        held.right = held.right || pad.dpadRight || stickHolds(pad.leftStickX, was.right);
        held.fire = held.fire || pad.buttonA || pad.rightTrigger > kTriggerDeadZone;
        held.start = held.start || pad.buttonStart;
        held.switchView = held.switchView || pad.buttonY;
    }
    return held;
}
