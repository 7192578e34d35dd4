#pragma once
#include <memory>

#include "entities/player_ship.h"

// How one picture of the overlay is drawn: by default as the last tick left
// the game (the warm-up asks for other kinds of picture).
struct OverlayPicture {
    bool title = false;
    bool pauseMenu = false;
    bool crossHair = false;  // the chase view's own pointer
    float fraction = 1.0f;   // of the step since the last tick, for the title ship
};

// The 2D screens over the game: the title screen before the first game, and
// the HUD with its pause menu and credits afterwards. It also holds the menu
// cursor and the ship model shown on the title screen. The ticks move them
// on (world/overlay_step.h); drawing only shows them.
class Overlay {
public:
    static constexpr int kMenuItems = 5;
    static constexpr int kMenuVariants = 4;

    Overlay();

    void loadTextures();
    // Draws the title screen or the HUD; changes nothing.
    void drawOverlay(int width, int height, const OverlayPicture& picture) const;
    void drawHud(int width, int height, const OverlayPicture& picture) const;
    void drawMenuQuad(float width, float height) const;
    void drawTitle(int width, int height, float fraction) const;
    void drawTitleShip(float fraction) const;
    void drawFloor() const;

    unsigned titleTexture = 0;
    unsigned creditTexture = 0;
    float hue = 0.0f;
    float hueStep = 0.5f;
    float creditScroll = 0.0f;
    float creditScrollShown = 0.0f;  // the offset this tick's pictures show
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
