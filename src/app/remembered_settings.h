#pragma once
#include "app/command_line.h"
#include "state/settings.h"

// The player's settings kept in $XDG_CONFIG_HOME/veltrane/veltrane.conf. The
// command line's --fullscreen, --windowed, --mute, --fps and --classic-frames
// hold for one run, over the file's values, and are not saved unless the
// player then changes that same setting in the game.

// Reads the file (none: the defaults, silently; a bad line: a warning on
// stderr and that key's default) and sets the volumes. Called before
// start-up, so the mixer's first sound already has them. Only live play
// saves: watching or timing a recording loads and never writes.
void loadRememberedSettings(const CommandLine& line);
// Sets the option flags to the settings; start-up calls it right after
// resetting them. Nothing happens when no settings were loaded (tests).
void applyRememberedOptions();
// The settings in effect at start-up (the defaults when none were loaded).
Settings startingSettings();
// Whether losing the keyboard focus pauses a running game; off where no
// settings were loaded (tests, whose windows come and go).
bool pauseOnFocusLoss();

// Called after every tick of live play. When the player has chosen an option
// since the last call, the settings that changed go into the file, which is
// written in the background; a change the rules made alone is not saved.
void saveSettingsIfChosen();
// Saves a choice the last tick made and waits for the file (on every way out).
void finishSavingSettings();
