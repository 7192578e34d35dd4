#pragma once

// Registers the game's GLUT callbacks on the current window.
void registerCallbacks();
