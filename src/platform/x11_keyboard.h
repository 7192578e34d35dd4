#pragma once
#include <bitset>

// Asks the X server not to fake a release before every auto-repeated press
// of a held key, for the current GL context's display connection. Returns
// whether the server supports it. Without it, a held key arrives as a stream
// of release/press pairs that cannot always be told from real ones.
bool enableDetectableAutoRepeat();

// GLUT reports characters and special keys, not the keys themselves. These
// name the physical key behind one, so that a press and its release match
// even when Shift changes the character in between ('0' goes down, ')' comes
// up): the lowest X keycode that types it, with or without Shift. Keys the X
// server does not know, and every key when there is no display, get a stable
// stand-in number instead.
constexpr int kPhysicalKeyCount = 1024;
int physicalKeyForChar(unsigned char key);
int physicalKeyForSpecial(int key);

// The X keycodes held down right now, whichever window has the focus; none
// when there is no display.
using KeysDown = std::bitset<256>;
KeysDown keysDownNow();
// Whether any key that types this character or special key (the keypad's
// included) is among `keysDown`. True when there is no display to ask, or the
// key is not one the X server can name.
bool charKeyDown(const KeysDown& keysDown, unsigned char key);
bool specialKeyDown(const KeysDown& keysDown, int key);
