#include "state/options.h"

int gameState = 0;
bool optFullScreen = false;
bool optNebula = false;
bool optInvert = false;
bool optInvincible = false;
bool optView = true;

namespace {
unsigned long choicesMade = 0;
}  // namespace

void setFullScreen(bool flag) { optFullScreen = flag; }

void setNebula(bool flag) { optNebula = flag; }

void toggleInvert() { optInvert = !optInvert; }

void setView(bool cockpit) { optView = cockpit; }

void noteOptionChosen() { choicesMade += 1; }

unsigned long optionChoicesMade() { return choicesMade; }
