#pragma once

// The option changes that reach the player's ship as well as the flags of
// state/options.h.

// Flips the ship's own flag and, independently, the menu's.
void toggleInvincible();
// Back to the start-up values (tests and start-up); the menu's invincibility
// follows the ship's.
void resetOptions();
