#pragma once

// The camera of the tick: 1 cockpit, 2 chase, 3 death view. Rechosen every tick.
extern int cameraMode;
// The fog's hue in degrees; it moves on every tick of play.
extern float fogHue;
// The viewport a world picture projects into (its aspect ratio keeps the picture unstretched).
extern int renderViewportWidth;
extern int renderViewportHeight;

// The world's half of a tick: camera mode, fog hue, the held keys applied to
// the ship, one game step, then what the world's pictures show of it. No GL.
void stepWorldPass();
// The cockpit or chase camera, as the view option says.
void chooseCameraMode();
// The held keys applied to the ship for one step; after game over it
// switches to the death view instead.
void applyControls();
// Moves the fog hue on by one tick.
void advanceFogHue();
// The fog colour of a hue.
void fogColour(float hue, float rgb[3]);

// The matrices and viewport a world picture was drawn with: what a click on
// that picture is unprojected through.
struct ViewMatrices {
    double projection[16] = {};
    double modelview[16] = {};
    int viewport[4] = {};
};
// The last world picture's (a click before any picture unprojects through zeros and fires nowhere useful).
extern ViewMatrices lastPictureView;

// How a picture of the world is drawn: by default as the last tick left it,
// at the given fraction of the step since the tick before.
struct WorldPicture {
    float fraction = 1.0f;
    int cameraMode = 1;
    bool cockpitOption = true;  // the view option: the glow shows in the chase view only
    bool wireframe = false;
    bool pauseMenu = false;
    bool effectSamples = false;  // the warm-up's extra bolt of each kind and spark
    int glowLevel = -1;          // -1: the level the tick left for its pictures
};
WorldPicture currentWorldPicture(float fraction);

// Sets projection, head light and camera for the picture and returns them
// with the viewport (the soak and tests aim with them without drawing).
ViewMatrices setWorldView(const WorldPicture& picture);
// Projection, head light, camera and the world's drawing; changes nothing in the game.
void drawWorldView(const WorldPicture& picture);
