#include "world/render_pass.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glut.h>

#include "gfx/draw_path.h"
#include "state/input_flags.h"
#include "state/options.h"
#include "world/hsv_to_rgb.h"
#include "world/world.h"

int cameraMode = 1;
float fogHue = 200.0f;
double savedProjection[16] = {};
double savedModelview[16] = {};
int renderViewportWidth = 500;
int renderViewportHeight = 500;

namespace {
constexpr float kFogHueStep = 0.1f;
constexpr double kFieldOfView = 45.0;
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 10000.0;
}  // namespace

void chooseCameraMode() { cameraMode = optView ? 1 : 2; }

void advanceFogColour(float rgb[3]) {
    fogHue += kFogHueStep;
    if (fogHue > 360.0f) fogHue = 0.0f;
    hsvToRgb(fogHue, 0.5f, 0.5f, &rgb[0], &rgb[1], &rgb[2]);
}

void applyControls() {
    World* world = getWorld();
    if (world->gameOver) {
        cameraMode = 3;  // the death view; no control applies
        return;
    }
    if (world->paused) return;
    PlayerShip& ship = *world->player;
    const float step = world->turnStep;
    // Opposite keys held together both apply and cancel out.
    if (keyUp) {
        ship.pitch(step);
        world->pitchedThisFrame = true;
    }
    if (keyDown) {
        ship.pitch(-step);
        world->pitchedThisFrame = true;
    }
    if (keyLeft) ship.roll(-step);
    if (keyRight) ship.roll(step);
    if (keyFire) ship.fire();
    ship.advance();
}

void renderWorldPass() {
    World* world = getWorld();

    chooseCameraMode();
    // The HUD draws its own cross-hair in the chase view.
    glutSetCursor(optView ? GLUT_CURSOR_LEFT_ARROW : GLUT_CURSOR_NONE);

    float fog[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    advanceFogColour(fog);
    glFogfv(GL_FOG_COLOR, fog);

    applyControls();
    world->update();
    drawWorldView();
}

void drawWorldView(WorldDraw how) {
    World* world = getWorld();
    noteDrawKind((cameraMode != 1 ? DrawChaseView : 0u) | (glIsEnabled(GL_FOG) ? DrawFog : 0u) |
                 (wireframe ? DrawWireframe : 0u) | (world->paused ? DrawPauseMenu : 0u));
    glPolygonMode(GL_FRONT_AND_BACK, wireframe ? GL_LINE : GL_FILL);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double aspect = renderViewportHeight > 0
                              ? static_cast<double>(renderViewportWidth) / renderViewportHeight
                              : 1.0;
    gluPerspective(kFieldOfView, aspect, kNearPlane, kFarPlane);
    glGetDoublev(GL_PROJECTION_MATRIX, savedProjection);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The weak head light sits at the eye.
    const float headLight[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, headLight);
    glEnable(GL_LIGHT0);

    const PlayerShip& ship = *world->player;
    const Vec3 eye = cameraMode == 1   ? ship.cockpitEye()
                     : cameraMode == 2 ? ship.chaseEye()
                                       : ship.deathEye();
    const Vec3 centre = eye + ship.getForward();
    const Vec3 up = ship.getUp();
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, up.x, up.y, up.z);
    glGetDoublev(GL_MODELVIEW_MATRIX, savedModelview);

    if (how == WorldDraw::WithEffectSamples) {
        world->drawWithEffectSamples();
    } else {
        world->draw();
    }
}
