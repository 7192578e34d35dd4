#pragma once

// The camera of the frame: 1 cockpit, 2 chase, 3 death view. Rechosen every pass.
extern int cameraMode;
extern float fogHue;
// The matrices of the last pass, kept for aiming at the pointer.
extern double savedProjection[16];
extern double savedModelview[16];
// The viewport the pass projects into (its aspect ratio keeps the picture unstretched).
extern int renderViewportWidth;
extern int renderViewportHeight;

// The frame's world half: camera mode, fog colour, the held keys applied to
// the ship, one game step, then projection, camera and the world's drawing.
void renderWorldPass();
// How the world is drawn: as it stands, or with the warm-up's sample effects.
enum class WorldDraw { AsItStands, WithEffectSamples };
// The pass's drawing half alone: projection, head light, camera and the world.
// Benchmarks and picture tests draw a fixed scene with it, without stepping.
void drawWorldView(WorldDraw how = WorldDraw::AsItStands);

// The cockpit or chase camera, as the view option says.
void chooseCameraMode();
// The held keys applied to the ship for one step, without any GL (tests use it);
// after game over it switches to the death view instead.
void applyControls();
// Advances the fog hue by one frame and returns the fog colour.
void advanceFogColour(float rgb[3]);
