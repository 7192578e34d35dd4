#pragma once
#include <cstdint>
#include <random>

// A restless player, seeded: every step it may press or release the fire
// key and the arrows, tap an option or game-flow key, click or move the
// pointer, through the same handlers the GLUT callbacks call. It never
// presses 'q'. Its own generator leaves the game's rand() sequence alone.
class RandomInput {
public:
    explicit RandomInput(std::uint32_t seed);

    // Sends one step's events; call between two frames.
    void sendStepEvents(int windowWidth, int windowHeight);

    // How often each kind of event was sent.
    struct Counts {
        long keyTaps = 0;
        long fullScreenTaps = 0;
        long skipTaps = 0;
        long restartTaps = 0;
        long pauseTaps = 0;
        long clicks = 0;
        long clickBolts = 0;
    };
    const Counts& counts() const { return sent; }

private:
    bool chance(double probability);
    int below(int limit);
    void flipHeldKeys();
    void tapKeys();
    void useMouse(int windowWidth, int windowHeight);

    std::mt19937 generator;
    bool fireHeld = false;
    bool arrowHeld[4] = {};
    bool buttonHeld = false;
    Counts sent;
};
