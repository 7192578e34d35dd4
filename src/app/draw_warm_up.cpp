#include "app/draw_warm_up.h"

#include <GL/gl.h>

#include <functional>

#include "app/frame_loop.h"
#include "gfx/overlay.h"
#include "state/input_flags.h"
#include "state/options.h"
#include "world/render_pass.h"
#include "world/world.h"

namespace {
constexpr GLbitfield kAllBuffers = GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;
constexpr int kWorldWarmUpPasses = 8;
// The world passes run so far since start-up; none are due before it.
int worldPassesRun = kWorldWarmUpPasses;

// Runs `draw` with everything it may change saved and put back afterwards.
void drawAndPutBack(int width, int height, const std::function<void()>& draw) {
    Overlay& overlay = *getOverlay();
    World& world = *getWorld();
    const float hue = overlay.hue;
    const bool titleMode = overlay.titleMode;
    const float creditScroll = overlay.creditScroll;
    const int menuIndex = overlay.menuIndex;
    const bool wireframeWas = wireframe;
    const bool cockpitWas = optView;
    const int cameraWas = cameraMode;
    const bool pausedWas = world.paused;
    // The next frame starts from the GL state it would have had without the warm-up.
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glViewport(0, 0, width, height);
    draw();
    glFinish();
    glClear(kAllBuffers);
    glPopAttrib();
    wireframe = wireframeWas;
    optView = cockpitWas;
    cameraMode = cameraWas;
    world.paused = pausedWas;
    overlay.hue = hue;
    overlay.titleMode = titleMode;
    overlay.creditScroll = creditScroll;
    overlay.menuIndex = menuIndex;
}

void drawOverlayOnly(int width, int height, bool titleFlag) {
    setOverlayProjection(width, height);
    getOverlay()->drawOverlay(width, height, titleFlag);
}

// Pass 0 to 7: bit 2 the chase view, bit 1 fog, bit 0 wireframe.
void warmUpWorldPass(int width, int height, int pass) {
    const bool cockpit = (pass & 4) == 0;
    const bool fog = (pass & 2) != 0;
    const bool lines = (pass & 1) != 0;
    World& world = *getWorld();
    drawAndPutBack(width, height, [&] {
        optView = cockpit;
        chooseCameraMode();
        wireframe = lines;
        // Three frames: the first frame of play starts from the state the
        // title or start-up left, a later one from the state the frame before
        // left. The middle one shows the pause menu and the last meets the
        // state the menu leaves. The fog covers the HUD too, as the nebula does.
        for (const bool menu : {false, true, false}) {
            world.paused = menu;
            glClear(kAllBuffers);
            if (fog) glEnable(GL_FOG);
            drawWorldView(WorldDraw::WithEffectSamples);
            drawOverlayOnly(width, height, false);
            if (fog) glDisable(GL_FOG);
        }
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    });
}
}  // namespace

void warmUpTitle(int width, int height) {
    drawAndPutBack(width, height, [&] {
        glClear(kAllBuffers);
        drawOverlayOnly(width, height, true);
    });
}

void beginWorldWarmUp() { worldPassesRun = 0; }

bool warmUpNextWorldPass(int width, int height) {
    if (worldPassesRun >= kWorldWarmUpPasses) return false;
    warmUpWorldPass(width, height, worldPassesRun++);
    return true;
}

void finishWorldWarmUp(int width, int height) {
    while (warmUpNextWorldPass(width, height)) continue;
}

int worldWarmUpPassesRun() { return worldPassesRun; }
