#include "app/draw_warm_up.h"

#include <GL/gl.h>

#include <functional>

#include "app/frame_loop.h"
#include "app/picture.h"
#include "gfx/overlay.h"
#include "world/render_pass.h"

namespace {
constexpr GLbitfield kAllBuffers = GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;
constexpr int kWorldWarmUpPasses = 8;
// The world passes run so far since start-up; none are due before it.
int worldPassesRun = kWorldWarmUpPasses;

// Runs `draw` and leaves the GL as it found it, the back buffer cleared.
// Drawing changes nothing in the game, so nothing else needs putting back.
void drawAndPutBack(int width, int height, const std::function<void()>& draw) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glViewport(0, 0, width, height);
    renderViewportWidth = width;
    renderViewportHeight = height;
    draw();
    glFinish();
    glClear(kAllBuffers);
    glPopAttrib();
}

void drawOverlayOnly(int width, int height, const OverlayPicture& picture) {
    setOverlayProjection(width, height);
    getOverlay()->drawOverlay(width, height, picture);
}

// Pass 0 to 7: bit 2 the chase view, bit 1 fog, bit 0 wireframe.
void warmUpWorldPass(int width, int height, int pass) {
    const bool cockpit = (pass & 4) == 0;
    const bool fog = (pass & 2) != 0;
    const bool lines = (pass & 1) != 0;
    drawAndPutBack(width, height, [&] {
        // Three pictures: the first picture of play starts from the state the
        // title or start-up left, a later one from the state the picture
        // before left. The middle one shows the pause menu and the last meets
        // the state the menu leaves. The fog covers the HUD too, as the nebula does.
        for (const bool menu : {false, true, false}) {
            WorldPicture world;
            world.cameraMode = cockpit ? 1 : 2;
            world.cockpitOption = cockpit;
            world.wireframe = lines;
            world.pauseMenu = menu;
            world.effectSamples = true;
            world.glowLevel = 1;  // the glow shows too, where the view shows it, at its lowest level
            OverlayPicture hud;
            hud.pauseMenu = menu;
            hud.crossHair = !cockpit;
            glClear(kAllBuffers);
            if (fog) glEnable(GL_FOG);
            drawWorldView(world);
            drawOverlayOnly(width, height, hud);
            if (fog) glDisable(GL_FOG);
        }
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    });
}
}  // namespace

void warmUpTitle(int width, int height) {
    drawAndPutBack(width, height, [&] {
        glClear(kAllBuffers);
        OverlayPicture title;
        title.title = true;
        drawOverlayOnly(width, height, title);
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
