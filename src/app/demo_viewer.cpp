#include "app/demo_viewer.h"

#include <cstdlib>
#include <optional>

#include "app/frame_loop.h"
#include "app/records_keeper.h"
#include "app/remembered_settings.h"
#include "gfx/overlay.h"
#include "state/sound_cues.h"
#include "world/command_queue.h"
#include "world/demo_playback.h"
#include "world/game_snapshot.h"
#include "world/game_tick.h"
#include "world/input_commands.h"
#include "state/options.h"
#include "world/render_pass.h"
#include "world/world.h"

namespace {
struct Viewer {
    Demo demo;
    DemoPlayback playback;
    // The title the viewer returns to at the end.
    ByteWriter titleState;
    GameRandomState titleRandom{};
    bool frozen = false;
};
std::optional<Viewer> viewer;

void endPlayback() {
    ByteReader in(viewer->titleState.bytes.data(), viewer->titleState.bytes.size());
    readGameSnapshot(in, *getWorld(), *getOverlay());
    setGameRandomState(viewer->titleRandom);
    viewer.reset();
    clearQueuedCommands();
    shutOutLiveInput(false);
    fullScreenOverride.reset();
    for (const char* music : {"stop background0.mp3", "stop gamebeat.mp3", "stop gameover.mp3"}) sendSoundCommand(music);
    sendSoundCommand("play title.mp3 repeat from 0");
}
}  // namespace

bool startDemoViewer(Demo demo) {
    viewer.emplace();
    viewer->demo = std::move(demo);
    writeGameSnapshot(viewer->titleState, *getWorld(), *getOverlay());
    viewer->titleRandom = gameRandomState();
    if (!viewer->playback.begin(viewer->demo)) {
        viewer.reset();
        return false;
    }
    shutOutLiveInput(true);
    fullScreenOverride = false;
    // A recording that starts at a restart starts in play.
    if (gameState == 1) stopTitleMusic();
    return true;
}

bool demoViewerActive() { return viewer.has_value(); }
bool demoViewerFrozen() { return viewer && viewer->frozen; }

bool demoViewerKey(unsigned char key) {
    if (!viewer) return false;
    if (key == 'p') viewer->frozen = !viewer->frozen;
    if (key == 'q') std::exit(0);
    return true;
}

bool demoViewerSpecialKey(int key) {
    if (!viewer) return false;
    if (key == KeyF1) fullScreenOverride = !fullScreenOverride.value_or(false);
    return true;
}

bool runNextTick() {
    if (!viewer) {
        runTick();
        // What outlasts the run: the player's choices of settings, and the
        // records of a game that ended.
        saveSettingsIfChosen();
        keepRecordsOfEndedGames();
        return true;
    }
    if (viewer->frozen) return false;
    viewer->playback.playTick();
    if (viewer->playback.finished()) {
        viewer->playback.finish();
        endPlayback();
    }
    return true;
}
