#include "app/gamepad_input.h"

#include "world/command_queue.h"
#include "state/options.h"
#include "world/world.h"

namespace {

void updateArrow(bool was, bool now, int key) {
    if (now && !was) queueSpecialDown(key);
    if (was && !now) queueSpecialUp(key);
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
    if (now.fire && !held.fire) queueKeyDown(' ');
    if (held.fire && !now.fire) queueKeyUp(' ');
    if (now.start && !held.start) queueKeyDown(startKey());
    if (now.switchView && !held.switchView) queueKeyDown(optView ? '3' : '2');
    held = now;
}
