#include "state/options.h"

int gameState = 0;
bool optFullScreen = false;
bool optNebula = false;
bool optInvert = false;
bool optInvincible = false;
bool optView = true;

void setFullScreen(bool flag) { optFullScreen = flag; }

void setNebula(bool flag) { optNebula = flag; }

void toggleInvert() { optInvert = !optInvert; }

void setView(bool cockpit) { optView = cockpit; }
