#pragma once

// Pieces of the HUD shared between its source files and its tests.
#include <string>

class Overlay;
class World;

// The image variants of a menu item, the first index of `menuItemTextures`.
enum MenuVariant { MenuOn = 0, MenuOff = 1, MenuOnSelected = 2, MenuOffSelected = 3 };
int menuVariant(bool optionOn, bool selected);

// A texture name that never receives an image. Binding it leaves the texture
// incomplete, so the menu's spacer rows show the plain current colour.
extern unsigned menuSpacerTexture;

// The counters at the top of the HUD, as drawn: the world's score and the
// enemies it counted alive in its last step.
std::string hudScoreText(const World& world);
std::string hudEnemiesLeftText(const World& world);

// The pause screen's options menu: seven rows centred under the window's
// middle, the five items with their current state and the cursor.
void drawOptionsMenu(const Overlay& overlay, int width, int height);
