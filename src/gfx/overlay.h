#pragma once
#include <memory>

#include "entities/player_ship.h"

// The 2D screens over the game: the title screen before the first game, and
// the HUD with its pause menu and credits afterwards. It also holds the menu
// cursor and the ship model shown on the title screen.
class Overlay {
public:
    static constexpr int kMenuItems = 5;
    static constexpr int kMenuVariants = 4;

    Overlay();

    void loadTextures();
    // Moves the menu cursor and switches options while paused; turns the
    // title ship on the title screen. Arguments are this frame's key presses.
    void navigateMenu(bool upPressed, bool downPressed, bool rightPressed, bool leftPressed);
    // Stores the title flag, then draws the title screen or the HUD.
    void drawOverlay(int width, int height, bool titleFlag);
    void drawHud(int width, int height);
    void drawMenuQuad(float width, float height);
    void drawTitle(int width, int height);
    void drawTitleShip();
    void drawFloor();

    unsigned titleTexture = 0;
    unsigned creditTexture = 0;
    float hue = 0.0f;
    float hueStep = 0.5f;
    float creditScroll = 0.0f;
    float creditScrollStep = 0.001f;
    int menuIndex = 0;
    unsigned menuItemTextures[kMenuVariants][kMenuItems] = {};
    std::unique_ptr<PlayerShip> titleShip;
    bool titleMode = false;
};

// The floor of the title screen.
extern unsigned titleSquareTexture;

Overlay* createOverlay();
Overlay* getOverlay();
void destroyOverlay();
