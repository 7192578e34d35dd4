#pragma once

// Whether the game's window holds the keyboard focus, asked once a frame.
// Started once the window exists; until then, and where it cannot start,
// the window counts as focused.
void watchWindowFocus();
void pollWindowFocus();
bool windowHasFocus();
// True on the one frame on which the focus was lost.
bool windowLostFocus();
