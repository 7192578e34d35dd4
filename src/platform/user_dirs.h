#pragma once
#include <string>

// The folders the game keeps things in between runs, as the XDG base
// directory rules place them: settings under $XDG_CONFIG_HOME, records under
// $XDG_DATA_HOME, recordings of the last game under $XDG_STATE_HOME, each in
// a folder "veltrane" of its own. A variable that is unset, empty or not
// absolute means its default under the home folder.
enum class UserDir { Config, Data, State };

// The game's folder of that kind, not made. Empty when there is no home.
std::string gameUserDir(UserDir which);
// Makes `dir` and any missing parent, owner only, as mkdir -p does. False
// (errno set) when it cannot be made or is not a folder.
bool makeUserDir(const std::string& dir);

// The state folder, made if missing. Empty, with a message on stderr, when
// there is no home or the folder cannot be made: the game then keeps nothing.
std::string gameStateDir();

// `path` with the home folder written as "~", for messages to the player.
std::string withHomeAsTilde(const std::string& path);
