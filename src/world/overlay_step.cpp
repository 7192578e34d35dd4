#include "world/overlay_step.h"

#include "gfx/overlay.h"
#include "gfx/title_screen.h"
#include "state/options.h"
#include "world/world.h"
#include "world/world_options.h"

namespace {
constexpr float kTitleShipTurn = 2.0f;
}  // namespace

void navigateMenu(Overlay& overlay, bool upPressed, bool downPressed, bool rightPressed, bool leftPressed) {
    int& menuIndex = overlay.menuIndex;
    if (getWorld()->paused) {
        if (downPressed) {
            menuIndex += 1;
            if (menuIndex == Overlay::kMenuItems) menuIndex = 0;
        }
        if (upPressed) {
            menuIndex -= 1;
            if (menuIndex < 0) menuIndex = Overlay::kMenuItems - 1;
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
        // Invincibility is not a remembered option.
        constexpr int kInvincibleItem = 3;
        if ((leftPressed || rightPressed) && menuIndex != kInvincibleItem) noteOptionChosen();
    }
    // The title flag is the one the previous tick stored.
    if (overlay.titleMode) {
        PlayerShip& ship = *overlay.titleShip;
        if (leftPressed) ship.roll(-kTitleShipTurn);
        if (rightPressed) ship.roll(kTitleShipTurn);
        if (downPressed) ship.pitch(-kTitleShipTurn);
        if (upPressed) ship.pitch(kTitleShipTurn);
    }
}

void updateHudState(Overlay& overlay, const World& world) {
    overlay.creditScrollShown = overlay.creditScroll;
    if (!world.paused) overlay.menuIndex = 0;
    if (world.won) {
        overlay.creditScroll += overlay.creditScrollStep;
    } else {
        overlay.creditScroll = 0.0f;
    }
}

void stepOverlay(Overlay& overlay, bool titleFlag) {
    overlay.titleMode = titleFlag;
    if (titleFlag) {
        overlay.hue = nextTitleHue(overlay.hue, overlay.hueStep);
    } else {
        updateHudState(overlay, *getWorld());
    }
}

OverlayPicture currentOverlayPicture(float fraction) {
    OverlayPicture picture;
    picture.title = gameState != 1;
    picture.pauseMenu = getWorld()->paused;
    picture.crossHair = !optView;
    picture.fraction = fraction;
    return picture;
}
