#include <SDL.h>

#include <memory>
#include <utility>
#include <vector>

#include "app/gamepads.h"
#include "app/input.h"
#include "platform/game_controllers.h"
#include "unit/virtual_pad.h"
#include "world/overlay_step.h"
#include "world/render_pass.h"
#include "world_fixture.h"

namespace {

constexpr int kStickPushed = 30000;
constexpr int kJustBelowAQuarter = GameControllers::kAxisMax / 4 - 300;
constexpr int kJustAboveAQuarter = GameControllers::kAxisMax / 4 + 300;

// Polls and the ticks that apply what the pads queued, without the pictures.
class Gamepad : public OverlayWorldTest {
protected:
    void SetUp() override { OverlayWorldTest::SetUp(); clearQueuedCommands(); openGamepads(); }
    void TearDown() override { pads.clear(); closeGamepads(); OverlayWorldTest::TearDown(); }
    VirtualPad& plug() { return *pads.emplace_back(std::make_unique<VirtualPad>()); }
    VirtualPad& plugInPlay() { gameState = 1; return plug(); }
    void frame(int count = 1, bool focused = true) {
        for (int i = 0; i < count; ++i) {
            pollGamepads(focused);
            applyQueuedCommands();
            if (gameState == 1) applyControls(), world->update();
            navigateMenu(*overlay, pressUp, pressDown, pressRight, pressLeft);
            clearPresses();
        }
    }
    void tap(VirtualPad& pad, SDL_GameControllerButton which) { pad.button(which, true); frame(); pad.button(which, false); frame(); }

    std::vector<std::unique_ptr<VirtualPad>> pads;
};

TEST_F(Gamepad, StickAndDpadSteerForExactlyTheFramesHeldAndFollowInvert) {
    VirtualPad& pad = plugInPlay();
    int pitchedFrames = 0;
    for (int y : {0, -kStickPushed, -kStickPushed, -kStickPushed, 0}) {
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

TEST_F(Gamepad, ButtonsRunTheGameFlow) {
    VirtualPad& pad = plug();
    for (SDL_GameControllerButton begin : {SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_A}) {
        gameState = 0;
        tap(pad, begin);
        EXPECT_EQ(gameState, 1) << "begins on the title screen";
        EXPECT_FALSE(world->paused || keyFire);
    }
    tap(pad, SDL_CONTROLLER_BUTTON_Y);
    EXPECT_FALSE(optView) << "Y switches the view";
    tap(pad, SDL_CONTROLLER_BUTTON_START);
    ASSERT_TRUE(world->paused);
    for (auto button : {SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_LEFT})
        tap(pad, button);
    EXPECT_TRUE(overlay->menuIndex == 2 && optInvert) << "down twice to invert, left switches it on";
    tap(pad, SDL_CONTROLLER_BUTTON_START);
    EXPECT_FALSE(world->paused);
    world->gameOver = true;
    tap(pad, SDL_CONTROLLER_BUTTON_START);
    EXPECT_FALSE(world->gameOver || world->paused) << "Start restarts after a game over";
}

TEST_F(Gamepad, RightTriggerFiresPastAQuarter) {
    VirtualPad& pad = plugInPlay();
    for (int pull : {kJustBelowAQuarter, kJustAboveAQuarter}) {
        pad.axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, pull);
        frame();
        EXPECT_EQ(laserShots(), pull == kJustAboveAQuarter) << pull;
    }
}

TEST_F(Gamepad, PluggedMidHoldAndPulledOutLeavesNothingHeld) {
    plugInPlay().axis(SDL_CONTROLLER_AXIS_LEFTY, -kStickPushed).button(SDL_CONTROLLER_BUTTON_A, true);
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

TEST_F(Gamepad, AStickRestingNearAQuarterMovesTheMenuOnce) {
    VirtualPad& pad = plugInPlay();
    world->togglePause();
    // Held from past a quarter until back under an eighth; from rest, just below a quarter is nothing.
    for (auto [y, held] : {std::pair{kJustBelowAQuarter, false}, {kJustAboveAQuarter, true}, {kJustBelowAQuarter, true},
                           {kJustAboveAQuarter, true}, {kJustBelowAQuarter, true}, {0, false}}) {
        pad.axis(SDL_CONTROLLER_AXIS_LEFTY, y);
        frame();
        EXPECT_EQ(keyDown, held) << y;
    }
    EXPECT_EQ(overlay->menuIndex, 1) << "one move for the whole wavering rest";
}

// A control held on the keyboard and a pad stays held until both let go.
TEST_F(Gamepad, AKeyStillHeldOutlastsThePadAndThePadOutlastsTheKey) {
    VirtualPad& pad = plugInPlay();
    handleKeyDown(' ');
    handleSpecialDown(KeyLeft);
    pad.button(SDL_CONTROLLER_BUTTON_A, true).button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    frame();
    pad.button(SDL_CONTROLLER_BUTTON_A, false).button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    frame();
    EXPECT_TRUE(keyFire && keyLeft) << "Space and Left are still down";
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    frame();
    handleKeyUp(' ');
    handleSpecialUp(KeyLeft);
    EXPECT_TRUE(keyFire && !keyLeft) << "A is still down";
    pad.button(SDL_CONTROLLER_BUTTON_A, false);
    frame();
    EXPECT_FALSE(keyFire);
}

TEST_F(Gamepad, BehindAnotherWindowThePadsAreIgnoredAndLetGo) {
    VirtualPad& pad = plugInPlay();
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    frame();
    ASSERT_TRUE(keyFire);
    frame(1, false);
    EXPECT_FALSE(keyFire) << "what the pad held is let go when the focus goes";
    pad.button(SDL_CONTROLLER_BUTTON_START, true);
    world->player->takeDamage(0.1f);
    frame(3, false);
    EXPECT_TRUE(!keyFire && !world->paused && pad.motors.empty()) << "no start and no rumble behind another window";
    pad.button(SDL_CONTROLLER_BUTTON_START, false);
    frame();
    EXPECT_TRUE(keyFire) << "back in front, the held A fires";
}

TEST_F(Gamepad, RumbleReachesTheDeviceOnceOnAHitAndFullOnceOnDeath) {
    VirtualPad& pad = plugInPlay();
    using Motors = std::vector<std::pair<int, int>>;
    const std::pair hit{0x6000, 0x6000}, death{0xFFFF, 0xFFFF};
    for (const auto& [damage, expected] : {std::pair{0.0f, Motors{}}, {0.1f, Motors{hit}}, {0.0f, Motors{hit}},
                                           {2.0f, Motors{hit, death}}, {0.0f, Motors{hit, death}}}) {
        world->player->takeDamage(damage);
        frame();
        std::erase(pad.motors, std::pair{0, 0});  // SDL stops a rumble itself when its time is up: only starts count
        EXPECT_EQ(pad.motors, expected) << damage;
    }
}

TEST_F(Gamepad, APadPluggedInBeforeStartUpActsOnTheFirstFrame) {
    closeGamepads();
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    plug().button(SDL_CONTROLLER_BUTTON_A, true);
    openGamepads();
    gameState = 1;
    frame();
    EXPECT_TRUE(keyFire);
    pads.clear();
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

}  // namespace
