#pragma once
#include <string>

// The folder screenshots go to: "Veltrane" inside the player's pictures
// folder as `xdg-user-dir PICTURES` names it, else inside ~/Pictures. Not
// made (makeUserDir does). Empty when there is no home folder. It runs a
// program: call it off the game thread.
std::string screenshotDir();

// What `xdg-user-dir PICTURES` prints, run without a shell. Empty when the
// program is missing, prints nothing or no absolute path, or names the home
// folder itself (its answer when no pictures folder is configured).
std::string xdgPicturesDir();
