#include "random_input.h"

#include "app/input.h"
#include "state/options.h"
#include "world/world.h"

namespace {
constexpr int kArrows[4] = {KeyUp, KeyDown, KeyLeft, KeyRight};
constexpr double kFireFlip = 0.05;   // held for about a second
constexpr double kArrowFlip = 0.06;
constexpr double kClick = 0.03;
constexpr double kPointerMove = 0.2;

// Option keys and harmless ones, each tried every step with its chance.
struct Tap {
    unsigned char key;
    double chance;
};
constexpr Tap kOptionTaps[] = {
    {'0', 0.002}, {'2', 0.004}, {'3', 0.004}, {'c', 0.002},
    {'f', 0.003}, {'i', 0.002}, {'x', 0.001}, {'Q', 0.001},  // the last two do nothing
};
// Full screen draws five times the pixels: it is left sooner than entered.
constexpr double kFullScreenOn = 0.001;
constexpr double kFullScreenOff = 0.02;
// Pauses last a second or two, long enough to walk the menu.
constexpr double kPause = 0.003;
constexpr double kResume = 0.03;
// The skip key about once a minute; 'r' a few seconds after a game ends,
// and now and then while it runs, where it must do nothing.
constexpr double kSkip = 0.0008;
constexpr double kRestartAfterEnd = 0.02;
constexpr double kRestartInPlay = 0.001;
}  // namespace

RandomInput::RandomInput(std::uint32_t seed) : generator(seed) {}

bool RandomInput::chance(double probability) {
    return generator() < probability * 4294967296.0;
}

int RandomInput::below(int limit) {
    return static_cast<int>(generator() % static_cast<std::uint32_t>(limit));
}

void RandomInput::sendStepEvents(int windowWidth, int windowHeight) {
    flipHeldKeys();
    tapKeys();
    useMouse(windowWidth, windowHeight);
}

void RandomInput::flipHeldKeys() {
    if (chance(kFireFlip)) {
        fireHeld = !fireHeld;
        if (fireHeld) {
            handleKeyDown(' ');
        } else {
            handleKeyUp(' ');
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (!chance(kArrowFlip)) continue;
        arrowHeld[i] = !arrowHeld[i];
        if (arrowHeld[i]) {
            handleSpecialDown(kArrows[i]);
        } else {
            handleSpecialUp(kArrows[i]);
        }
    }
}

void RandomInput::tapKeys() {
    const World& world = *getWorld();
    auto tap = [this](unsigned char key) {
        handleKeyDown(key);
        handleKeyUp(key);
        sent.keyTaps += 1;
    };
    for (const Tap& option : kOptionTaps) {
        if (chance(option.chance)) tap(option.key);
    }
    if (chance(optFullScreen ? kFullScreenOff : kFullScreenOn)) {
        // F1 acts on its release.
        handleSpecialDown(KeyF1);
        handleSpecialUp(KeyF1);
        sent.fullScreenTaps += 1;
    }
    if (chance(world.paused ? kResume : kPause)) {
        tap('p');
        sent.pauseTaps += 1;
    }
    if (chance(kSkip)) {
        tap('\\');
        sent.skipTaps += 1;
    }
    const bool ended = world.gameOver || world.won;
    if (chance(ended ? kRestartAfterEnd : kRestartInPlay)) {
        tap('r');
        sent.restartTaps += 1;
    }
}

void RandomInput::useMouse(int windowWidth, int windowHeight) {
    if (buttonHeld) {
        handleMouseButton(true, false, below(windowWidth), below(windowHeight));
        buttonHeld = false;
    }
    if (chance(kPointerMove)) handlePointerMotion(below(windowWidth), below(windowHeight));
    if (chance(kClick)) {
        // Mostly the left button; the right one must do nothing.
        const bool left = below(4) != 0;
        if (handleMouseButton(left, true, below(windowWidth), below(windowHeight))) {
            sent.clickBolts += 1;
        }
        buttonHeld = left;
        if (!left) handleMouseButton(false, false, 0, 0);
        sent.clicks += 1;
    }
}
