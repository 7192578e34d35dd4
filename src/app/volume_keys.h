#pragma once

// The volume keys: '-' turns the master volume down a step, '=' (and '+',
// which the keypad's plus gives) turns it up. They act at once, shown on the
// screen for two seconds, and are not the game's input: no tick and no
// recording sees them.
bool isVolumeKey(unsigned char key);
// Steps the volume for a volume key; false for any other key.
bool handleVolumeKey(unsigned char key);
