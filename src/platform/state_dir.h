#pragma once
#include <string>

// The folder the game keeps its state in between runs, as the XDG base
// directory rules place it: $XDG_STATE_HOME/veltrane, or
// ~/.local/state/veltrane when that is unset, empty or not absolute. Made
// (owner only) if missing. Empty, with a message on stderr, when there is no
// home or the folder cannot be made: the game then keeps nothing.
std::string gameStateDir();
