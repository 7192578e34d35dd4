#pragma once

// Everything the game does before its main loop: the window, the fixed GL
// state, the world and the overlay with their textures, the sounds and the
// title music. Needs a display.
void startUp(int& argc, char** argv);
// Seeds the random numbers with `seed` instead of the clock (before startUp).
void useSeed(unsigned seed);
