#pragma once

// A software GL such as Mesa's llvmpipe compiles a program the first time it
// meets each combination of GL state: on llvmpipe that cost the game's thread
// 40 ms in the first title frame, 65 ms in the first frame of play and 130 ms
// in the first frame with the nebula on. The warm-up draws each kind of frame
// once into the back buffer, which is cleared and never shown, so no frame of
// the game pays for the compiling: the world in both views, fogged and plain,
// filled and in wireframe, with a bolt of each kind, a spark and the glow.
// It draws the real world and overlay as they stand, asking for each kind of
// picture instead of setting the game's flags: drawing changes nothing in the
// game, the samples belong to no pool, and the GL state is put back.

// The title screen: cheap enough to run before the first frame.
void warmUpTitle(int width, int height);
// The world with its HUD, in 8 passes: each draws one kind of frame (the
// cockpit or chase view, fog or none, filled or wireframe). They run once the
// title is up, a pass between two title frames, so neither the window's first
// picture nor any one title frame waits for all the compiling: the next one,
// while any is left (and whether one ran), or all that are left, before the
// first frame of play. Start-up begins them.
void beginWorldWarmUp();
bool warmUpNextWorldPass(int width, int height);
void finishWorldWarmUp(int width, int height);
// The world passes run since start-up began them (tests watch it).
int worldWarmUpPassesRun();
