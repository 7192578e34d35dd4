#include "app/demo_timing.h"

#include <GL/gl.h>
#include <GL/freeglut.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/demo_verify.h"
#include "app/draw_warm_up.h"
#include "app/frame_loop.h"
#include "app/frame_pacing.h"
#include "app/picture.h"
#include "app/quit_signals.h"
#include "platform/swap_control.h"
#include "state/sound_cues.h"
#include "world/command_queue.h"
#include "world/demo_playback.h"
#include "state/options.h"
#include "world/render_pass.h"

namespace {
double milliseconds(std::int64_t ticks) { return static_cast<double>(ticks) * 1000.0 / kFrameClockTicksPerSecond; }

double percentile(std::vector<std::int64_t> values, double fraction) {
    if (values.empty()) return 0.0;
    const std::size_t at = std::min(values.size() - 1, static_cast<std::size_t>(fraction * static_cast<double>(values.size())));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(at), values.end());
    return milliseconds(values[at]);
}
}  // namespace

int timeDemo(const Demo& demo, const char* path) {
    fullScreenOverride = false;
    setSwapInterval(0);
    // The loop below draws every picture: input is not for the game, and the
    // window's own redraws must not run a tick of their own.
    shutOutLiveInput(true);
    glutDisplayFunc([] {});
    // The window mapped and every draw path compiled before the clock starts.
    for (int i = 0; i < 10; ++i) glutMainLoopEvent();
    finishWorldWarmUp(viewportWidth, viewportHeight);
    DemoPlayback playback;
    if (!playback.begin(demo)) return refuseStartingState(path);
    if (gameState == 1) stopTitleMusic();
    std::vector<std::int64_t> work;
    work.reserve(static_cast<std::size_t>(demo.tickCount));
    const std::int64_t started = frameClockTicks();
    while (!playback.finished() && quitSignal() == 0) {
        glutMainLoopEvent();
        if (glutGetWindow() == 0) break;  // closed
        syncFullScreen();
        const std::int64_t start = frameClockTicks();
        playback.playTick();
        drawPicture(1.0f);
        glFinish();
        work.push_back(frameClockTicks() - start);
        glutSwapBuffers();
    }
    const double seconds = milliseconds(frameClockTicks() - started) / 1000.0;
    const auto worstAt = std::max_element(work.begin(), work.end());
    const auto worst = work.empty() ? 0 : *worstAt;
    std::printf("%s: %zu ticks in %.2f s at %dx%d: %.1f pictures a second; frame work median %.2f ms, p99 %.2f ms, "
                "worst %.2f ms (tick %td)\n",
                path, work.size(), seconds, viewportWidth, viewportHeight,
                seconds > 0.0 ? static_cast<double>(work.size()) / seconds : 0.0, percentile(work, 0.5),
                percentile(work, 0.99), milliseconds(worst), worstAt - work.begin() + 1);
    // Stopped before the end (a signal, a closed window): no figures to trust.
    return playback.finished() ? kDemoMatches : 1;
}
