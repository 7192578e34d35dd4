#include "world/render_pass.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "gfx/draw_path.h"
#include "state/input_flags.h"
#include "state/options.h"
#include "world/hsv_to_rgb.h"
#include "world/world.h"

int cameraMode = 1;
float fogHue = 200.0f;
int renderViewportWidth = 500;
int renderViewportHeight = 500;
ViewMatrices lastPictureView;

namespace {
constexpr float kFogHueStep = 0.1f;
constexpr double kFieldOfView = 45.0;
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 10000.0;
}  // namespace

void chooseCameraMode() { cameraMode = optView ? 1 : 2; }

void advanceFogHue() {
    fogHue += kFogHueStep;
    if (fogHue > 360.0f) fogHue = 0.0f;
}

void fogColour(float hue, float rgb[3]) { hsvToRgb(hue, 0.5f, 0.5f, &rgb[0], &rgb[1], &rgb[2]); }

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

void stepWorldPass() {
    World* world = getWorld();
    chooseCameraMode();
    advanceFogHue();
    applyControls();
    world->update();
    world->advancePictureState();
}

WorldPicture currentWorldPicture(float fraction) {
    WorldPicture picture;
    picture.fraction = fraction;
    picture.cameraMode = cameraMode;
    picture.cockpitOption = optView;
    picture.wireframe = wireframe;
    picture.pauseMenu = getWorld()->paused;
    return picture;
}

ViewMatrices setWorldView(const WorldPicture& picture) {
    ViewMatrices view;
    glGetIntegerv(GL_VIEWPORT, view.viewport);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double aspect = renderViewportHeight > 0
                              ? static_cast<double>(renderViewportWidth) / renderViewportHeight
                              : 1.0;
    gluPerspective(kFieldOfView, aspect, kNearPlane, kFarPlane);
    glGetDoublev(GL_PROJECTION_MATRIX, view.projection);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The weak head light sits at the eye.
    const float headLight[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, headLight);
    glEnable(GL_LIGHT0);

    const PlayerShip& ship = *getWorld()->player;
    const ShipFrame frame = ship.frameAt(picture.fraction);
    const Vec3 eye = PlayerShip::eyeOf(frame, picture.cameraMode);
    const Vec3 centre = eye + frame.forward;
    const Vec3& up = frame.up;
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, up.x, up.y, up.z);
    glGetDoublev(GL_MODELVIEW_MATRIX, view.modelview);
    return view;
}

void drawWorldView(const WorldPicture& picture) {
    const World& world = *getWorld();
    noteDrawKind((picture.cameraMode != 1 ? DrawChaseView : 0u) | (glIsEnabled(GL_FOG) ? DrawFog : 0u) |
                 (picture.wireframe ? DrawWireframe : 0u) | (picture.pauseMenu ? DrawPauseMenu : 0u));
    glPolygonMode(GL_FRONT_AND_BACK, picture.wireframe ? GL_LINE : GL_FILL);
    lastPictureView = setWorldView(picture);
    world.draw(picture);
}
