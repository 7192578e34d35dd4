#include "gfx/overlay.h"

#include "state/options.h"
#include "world/world.h"
#include "world/world_options.h"

namespace {
std::unique_ptr<Overlay> theOverlay;
constexpr float kTitleShipPitch = -20.0f;
constexpr float kTitleShipTurn = 2.0f;
}  // namespace

Overlay* createOverlay() {
    theOverlay = std::make_unique<Overlay>();
    return theOverlay.get();
}

Overlay* getOverlay() { return theOverlay.get(); }

void destroyOverlay() { theOverlay.reset(); }

Overlay::Overlay() : titleShip(std::make_unique<PlayerShip>()) { titleShip->pitch(kTitleShipPitch); }

void Overlay::navigateMenu(bool upPressed, bool downPressed, bool rightPressed, bool leftPressed) {
    if (getWorld()->paused) {
        if (downPressed) {
            menuIndex += 1;
            if (menuIndex == kMenuItems) menuIndex = 0;
        }
        if (upPressed) {
            menuIndex -= 1;
            if (menuIndex < 0) menuIndex = kMenuItems - 1;
        }
        // Right always switches the selected option off, left always on.
        if (rightPressed) {
            switch (menuIndex) {
                case 0: setFullScreen(false); break;
                case 1: setNebula(false); break;
                case 2: if (optInvert) toggleInvert(); break;
                case 3: if (optInvincible) toggleInvincible(); break;
                case 4: setView(false); break;
                default: break;
            }
        }
        if (leftPressed) {
            switch (menuIndex) {
                case 0: setFullScreen(true); break;
                case 1: setNebula(true); break;
                case 2: if (!optInvert) toggleInvert(); break;
                case 3: if (!optInvincible) toggleInvincible(); break;
                case 4: setView(true); break;
                default: break;
            }
        }
    }
    if (titleMode) {
        if (leftPressed) titleShip->roll(-kTitleShipTurn);
        if (rightPressed) titleShip->roll(kTitleShipTurn);
        if (downPressed) titleShip->pitch(-kTitleShipTurn);
        if (upPressed) titleShip->pitch(kTitleShipTurn);
    }
}

void Overlay::drawOverlay(int width, int height, bool titleFlag) {
    titleMode = titleFlag;
    if (titleFlag) {
        drawTitle(width, height);
    } else {
        drawHud(width, height);
    }
}
