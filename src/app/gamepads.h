#pragma once

// The game controllers: opened at start-up, polled once a frame by the display
// callback before the frame reads the input flags. Without a controller, or
// without joystick support on the machine, all of it does nothing.
void openGamepads();
// Reads every controller into the input flags, then rumbles them if the
// player's ship was hit or destroyed since the last poll. While the game's
// window lacks the keyboard focus the controllers are ignored: the player
// is using another program.
void pollGamepads(bool windowFocused);
// Releases whatever the controllers held and closes them.
void closeGamepads();
