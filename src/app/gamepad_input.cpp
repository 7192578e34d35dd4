#include "app/gamepad_input.h"

#include "app/input.h"
#include "state/options.h"
#include "world/world.h"

namespace {

void updateArrow(bool was, bool now, int key) {
    if (now && !was) handleSpecialDown(key);
    if (was && !now) handleSpecialUp(key);
}

// Start is the one button for the whole game flow: it begins the game on the
// title screen, restarts after a win or a game over, and pauses otherwise.
char startKey() {
    if (gameState == 0) return ' ';
    const World* world = getWorld();
    if (world->gameOver || world->won) return 'r';
    return 'p';
}

}  // namespace

void GamepadInput::update(const GamepadControls& now) {
    const ScopedInputSource fromGamepads(InputSource::Gamepad);
    updateArrow(held.up, now.up, KeyUp);
    updateArrow(held.down, now.down, KeyDown);
    updateArrow(held.left, now.left, KeyLeft);
    updateArrow(held.right, now.right, KeyRight);
    if (now.fire && !held.fire) handleKeyDown(' ');
    if (held.fire && !now.fire) handleKeyUp(' ');
    if (now.start && !held.start) handleKeyDown(startKey());
    if (now.switchView && !held.switchView) handleKeyDown(optView ? '3' : '2');
    held = now;
}
