#include <SDL.h>

#include <memory>
#include <vector>

#include "app/gamepads.h"
#include "app/input.h"
#include "app/ship_rumble.h"
#include "world/render_pass.h"
#include "world_fixture.h"

namespace {

constexpr int kStickPushed = 30000;

// A controller without hardware: SDL's virtual joystick in the standard layout; unplugged when destroyed.
class VirtualPad {
public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        joystick = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    }
    ~VirtualPad() {
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
        SDL_JoystickClose(joystick);
        for (int device = 0; device < SDL_NumJoysticks(); ++device)
            if (SDL_JoystickGetDeviceInstanceID(device) == id) SDL_JoystickDetachVirtual(device);
    }
    VirtualPad& button(SDL_GameControllerButton which, bool down) { SDL_JoystickSetVirtualButton(joystick, which, down); return *this; }
    VirtualPad& axis(SDL_GameControllerAxis which, int value) { SDL_JoystickSetVirtualAxis(joystick, which, value); return *this; }

private:
    SDL_Joystick* joystick = nullptr;
};

// Frames as the display callback runs them, without drawing.
class Gamepad : public OverlayWorldTest {
protected:
    void SetUp() override { OverlayWorldTest::SetUp(); openGamepads(); }
    void TearDown() override { pads.clear(); closeGamepads(); OverlayWorldTest::TearDown(); }
    VirtualPad& plug() { return *pads.emplace_back(std::make_unique<VirtualPad>()); }
    void frame(int count = 1) {
        for (int i = 0; i < count; ++i) {
            pollGamepads();
            if (gameState == 1) {
                applyControls();
                world->update();
            }
            overlay->navigateMenu(pressUp, pressDown, pressRight, pressLeft);
            clearPresses();
        }
    }
    void tap(VirtualPad& pad, SDL_GameControllerButton which) { pad.button(which, true); frame(); pad.button(which, false); frame(); }

    std::vector<std::unique_ptr<VirtualPad>> pads;
};

TEST_F(Gamepad, StickAndDpadSteerForExactlyTheFramesHeldAndFollowInvert) {
    VirtualPad& pad = plug();
    gameState = 1;
    // Inside the dead zone (-8000) the stick is not held.
    int pitchedFrames = 0;
    for (int y : {0, -kStickPushed, -kStickPushed, -kStickPushed, -8000, 0}) {
        pad.axis(SDL_CONTROLLER_AXIS_LEFTY, y);
        world->pitchedThisFrame = false;
        frame();
        EXPECT_EQ(keyUp, y == -kStickPushed);
        pitchedFrames += world->pitchedThisFrame;
    }
    EXPECT_EQ(pitchedFrames, 3);
    handleKeyDown('c');
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, kStickPushed).button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
    frame();
    EXPECT_TRUE(keyRight && keyDown && !keyUp) << "rolls right; inverted, up pitches down";
}

TEST_F(Gamepad, AFiresVolleysWithTheSpaceBarsCoolDown) {
    VirtualPad& pad = plug();
    gameState = 1;
    // The frames of a 12-frame hold on which a volley leaves, then a rest that outlasts the cool-down.
    auto volleyFrames = [&](auto hold) {
        std::vector<int> fired;
        hold(true);
        for (int i = 0; i < 12; ++i) {
            const int before = laserShots();
            frame();
            if (laserShots() > before) fired.push_back(i);
        }
        hold(false);
        frame(10);
        return fired;
    };
    const auto space = volleyFrames([](bool down) { down ? handleKeyDown(' ') : handleKeyUp(' '); });
    ASSERT_GE(space.size(), 2u);
    EXPECT_EQ(volleyFrames([&](bool down) { pad.button(SDL_CONTROLLER_BUTTON_A, down); }), space);
}

TEST_F(Gamepad, ButtonsRunTheGameFlow) {
    VirtualPad& pad = plug();
    for (SDL_GameControllerButton begin : {SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_A}) {
        gameState = 0;
        tap(pad, begin);
        EXPECT_EQ(gameState, 1) << "begins on the title screen";
        EXPECT_FALSE(world->paused || keyFire);
    }
    tap(pad, SDL_CONTROLLER_BUTTON_START);
    ASSERT_TRUE(world->paused);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, kStickPushed);
    frame(4);  // held, a push moves the cursor once
    pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
    frame();
    tap(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(overlay->menuIndex, 2);
    tap(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_TRUE(optInvert) << "left switches the selected option on";
    tap(pad, SDL_CONTROLLER_BUTTON_START);
    EXPECT_FALSE(world->paused);
    world->gameOver = true;
    tap(pad, SDL_CONTROLLER_BUTTON_START);
    EXPECT_FALSE(world->gameOver || world->paused) << "Start restarts after a game over";
}

TEST_F(Gamepad, PluggedMidHoldAndPulledOutLeavesNothingHeld) {
    gameState = 1;
    plug().axis(SDL_CONTROLLER_AXIS_LEFTY, -kStickPushed).button(SDL_CONTROLLER_BUTTON_A, true);
    frame();
    EXPECT_TRUE(keyUp && keyFire) << "plugged in during play, it acts at once";
    plug().axis(SDL_CONTROLLER_AXIS_LEFTY, -kStickPushed).button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    frame();
    EXPECT_TRUE(keyUp && keyRight && keyFire) << "two controllers act as one";
    pads.erase(pads.begin());
    frame();
    EXPECT_TRUE(keyUp && keyRight && !keyFire) << "pulling one out releases only what it held";
    pads.clear();
    frame();
    EXPECT_FALSE(keyUp || keyDown || keyLeft || keyRight || keyFire) << "nothing is left held";
}

TEST_F(Gamepad, RumbleIsShortOnAHitAndLongOnceOnDeath) {
    ShipRumble rumble;
    for (auto [damage, expected] : {std::pair{0.0f, Rumble::None}, {0.1f, Rumble::Hit}, {0.0f, Rumble::None},
                                    {2.0f, Rumble::Death}, {0.0f, Rumble::None}}) {
        world->player->takeDamage(damage);
        EXPECT_EQ(rumble.watch(*world), expected) << damage;
    }
}

}  // namespace
