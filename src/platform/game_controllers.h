#pragma once
#include <vector>

struct _SDL_GameController;  // SDL's own tag, so no SDL header is needed here

// What the game reads from one game controller, in the standard layout that
// SDL's mapping database gives every pad it knows.
struct ControllerState {
    bool dpadUp = false;
    bool dpadDown = false;
    bool dpadLeft = false;
    bool dpadRight = false;
    bool buttonA = false;
    bool buttonY = false;
    bool buttonStart = false;
    int leftStickX = 0;    // -32768 (left) to 32767 (right)
    int leftStickY = 0;    // -32768 (up) to 32767 (down)
    int rightTrigger = 0;  // 0 (released) to 32767 (pulled)
};

// The seam to SDL's game controllers. It needs no window: every poll refreshes
// the controllers itself. Where SDL has no joystick support, open() fails and
// everything else does nothing.
class GameControllers {
public:
    static constexpr int kAxisMax = 32767;

    GameControllers() = default;
    GameControllers(const GameControllers&) = delete;
    GameControllers& operator=(const GameControllers&) = delete;
    ~GameControllers();

    bool open();
    void close();
    bool isOpen() const { return opened; }
    // Opens the controllers plugged in since the last poll, closes the ones
    // pulled out, and returns the state of every one still present.
    const std::vector<ControllerState>& poll();
    // Rumbles every controller for the given time; strengths run from 0 to
    // 65535. A controller without a motor ignores it.
    void rumble(int lowStrength, int highStrength, int milliseconds);

private:
    void openNewControllers();
    void closeDetached();

    bool opened = false;
    std::vector<_SDL_GameController*> handles;
    std::vector<ControllerState> states;
};
