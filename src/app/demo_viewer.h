#pragma once
#include "world/demo_format.h"

// --playdemo: the window plays a recording at the game's speed, with smooth
// pictures. Only the viewer's keys act: p stops and resumes the playback
// (the game's own pause is the recording's), F1 switches full screen for the
// viewer, q quits. Nothing else reaches the game, as every other key would
// change what the rules do. At the end the title screen returns.

// Starts playing `demo` (kept) in the running game. False when its starting
// state cannot be taken.
bool startDemoViewer(Demo demo);
bool demoViewerActive();
bool demoViewerFrozen();
// A viewer's key; true when the viewer took it (while a recording plays, it
// takes them all).
bool demoViewerKey(unsigned char key);
bool demoViewerSpecialKey(int key);

// Runs the game's next tick: the recording's while one plays (none while it
// is stopped), else the player's. Whether a tick ran.
bool runNextTick();
