#include "world/game_tick.h"

#include "gfx/overlay.h"
#include "state/input_flags.h"
#include "state/options.h"
#include "world/command_queue.h"
#include "world/demo_recording.h"
#include "world/game_tally.h"
#include "world/overlay_step.h"
#include "world/render_pass.h"
#include "world/world.h"

namespace {
long long ticks = 0;
}  // namespace

void runTick() {
    World& world = *getWorld();
    Overlay& overlay = *getOverlay();
    world.rememberPlaces();
    overlay.titleShip->rememberFrame();

    applyQueuedCommands();
    // On the title screen the world neither moves nor is shown.
    const bool playing = gameState == 1;
    if (playing) stepWorldPass();
    // Navigation sees the title flag stored by the previous tick.
    navigateMenu(overlay, pressUp, pressDown, pressRight, pressLeft);
    stepOverlay(overlay, !playing);
    // Each press is seen by exactly one tick.
    clearPresses();
    ticks += 1;
    noteTickEnded();
    // Outside the rules: it only watches for games that begin and end.
    tallyTick();
}

long long ticksRun() { return ticks; }
