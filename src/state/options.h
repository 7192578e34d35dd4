#pragma once

// Game-flow state and the player's options: plain globals by design, read
// by the frame loop, the render pass and the overlay, written by the input
// handlers and the options menu. They start at their defaults every run;
// the invincibility toggle and the reset, which also reach the player's
// ship, live in world/world_options.h. The remembered settings are applied
// over the defaults at start-up.

// 0 while the title screen is shown, 1 from the moment the game starts.
extern int gameState;
extern bool optFullScreen;
extern bool optNebula;
extern bool optInvert;
extern bool optInvincible;  // invincibility as the menu shows it
extern bool optView;        // true: cockpit view, false: chase view

// The window changes at the start of the next frame.
void setFullScreen(bool flag);
// Switches the coloured fog on or off from the next picture on.
void setNebula(bool flag);
void toggleInvert();
// The camera follows at the next frame.
void setView(bool cockpit);

// Counts the player's own changes of an option the game remembers between
// runs (keys and the menu; not invincibility). What the rules change by
// themselves (a restart's cockpit view) is not counted. The settings are
// saved when the count moves.
void noteOptionChosen();
unsigned long optionChoicesMade();
