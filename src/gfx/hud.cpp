#include <GL/gl.h>

#include <string>

#include "gfx/bitmap_text.h"
#include "gfx/hud.h"
#include "gfx/overlay.h"
#include "gfx/record_lines.h"
#include "state/input_flags.h"
#include "world/world.h"

namespace {
constexpr float kBarLeft = 80.0f;
constexpr float kBarLength = 100.0f;  // pixels at full health
constexpr float kBarTopAboveBottom = 27.5f;
constexpr float kBarBottomAboveBottom = 7.5f;
constexpr float kCrossHairArm = 15.0f;
constexpr float kCrossHairThickness = 1.0f;
constexpr float kCreditsHalfWidth = 150.0f;
constexpr float kCreditsHalfHeight = 75.0f;
constexpr float kCreditsVisibleShare = 0.2f;  // of the credit image's height

const char* const kRestartText = "Press 'r' to restart game";

// An axis-aligned quad in window pixels at depth z.
void drawRect(float left, float top, float right, float bottom, float z) {
    glBegin(GL_QUADS);
    glVertex3f(left, top, z);
    glVertex3f(left, bottom, z);
    glVertex3f(right, bottom, z);
    glVertex3f(right, top, z);
    glEnd();
}

void drawCredits(const Overlay& overlay, int width, int height) {
    glColor4f(1.0f, 1.0f, 1.0f, 0.5f);
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBindTexture(GL_TEXTURE_2D, overlay.creditTexture);
    const float c = overlay.creditScrollShown;
    glPushMatrix();
    glTranslatef(static_cast<float>(width / 2), static_cast<float>(height / 2 + 100), 100.0f);
    // The window shows a fifth of the image; the texture repeats, so the scroll wraps.
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, c);
    glVertex3f(-kCreditsHalfWidth, -kCreditsHalfHeight, 0.0f);
    glTexCoord2f(0.0f, c + kCreditsVisibleShare);
    glVertex3f(-kCreditsHalfWidth, kCreditsHalfHeight, 0.0f);
    glTexCoord2f(1.0f, c + kCreditsVisibleShare);
    glVertex3f(kCreditsHalfWidth, kCreditsHalfHeight, 0.0f);
    glTexCoord2f(1.0f, c);
    glVertex3f(kCreditsHalfWidth, -kCreditsHalfHeight, 0.0f);
    glEnd();
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

void drawHealthBar(const PlayerShip& ship, int height) {
    glColor3f(1.0f, 1.0f, 1.0f);
    drawBitmapText(16.0f, static_cast<float>(height - 10), 1000.0f, largeFont(), "Health: ");
    const float top = static_cast<float>(height) - kBarTopAboveBottom;
    const float bottom = static_cast<float>(height) - kBarBottomAboveBottom;
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    drawRect(kBarLeft, top, kBarLeft + kBarLength, bottom, 998.5f);
    // Nearer than the red background, so it wins the depth test.
    if (ship.invincible) {
        glColor3f(0.0f, 0.0f, 1.0f);
    } else {
        glColor3f(0.0f, 1.0f, 0.0f);
    }
    drawRect(kBarLeft, top, kBarLeft + ship.health * kBarLength, bottom, 999.5f);
}

// Two one-pixel bars, 30 pixels long, both centred on the pointer.
void drawCrossHair() {
    const float x = static_cast<float>(pointerX);
    const float y = static_cast<float>(pointerY);
    const float halfThickness = kCrossHairThickness * 0.5f;
    glColor3f(1.0f, 0.0f, 0.0f);
    drawRect(x - halfThickness, y - kCrossHairArm, x + halfThickness, y + kCrossHairArm, 999.5f);
    drawRect(x - kCrossHairArm, y - halfThickness, x + kCrossHairArm, y + halfThickness, 999.5f);
}
}  // namespace

std::string hudScoreText(const World& world) { return "Score: " + std::to_string(world.score); }

std::string hudEnemiesLeftText(const World& world) { return "Enemies Left: " + std::to_string(world.enemiesLeft()); }

void Overlay::drawHud(int width, int height, const OverlayPicture& picture) const {
    const World& world = *getWorld();
    const float midX = static_cast<float>(width / 2);
    const float midY = static_cast<float>(height / 2);

    glColor3f(1.0f, 1.0f, 1.0f);
    drawBitmapText(16.0f, 25.0f, 100.0f, largeFont(), hudScoreText(world).c_str());
    drawBitmapText(static_cast<float>(width - 114), 20.0f, 100.0f, smallFont(), hudEnemiesLeftText(world).c_str());

    if (world.isGameOver()) {
        drawBitmapText(midX - 49.0f, midY, 100.0f, largeFont(), "Game Over");
        drawBitmapText(midX - 66.0f, midY + 50.0f, 100.0f, smallFont(), kRestartText);
    }

    if (picture.pauseMenu) {
        drawBitmapText(midX - 19.0f, midY, 100.0f, largeFont(), "Pause");
        drawOptionsMenu(*this, width, height);
    }

    if (world.won) {
        // The menu leaves the colour black; the win texts are white whether paused or not.
        glColor3f(1.0f, 1.0f, 1.0f);
        drawBitmapText(midX - 149.0f, midY - 60.0f, 100.0f, largeFont(),
                       "Congratulation!  You've beat the game");
        drawBitmapText(midX - 66.0f, midY - 20.0f, 0.0f, smallFont(), kRestartText);
        drawCredits(*this, width, height);
    }
    // Not over the pause menu, which the win screen may show.
    if ((world.won || world.isGameOver()) && !picture.pauseMenu) drawRecordNewsLine(width, height, world.won);
    drawHealthBar(*world.player, height);
    if (picture.crossHair) drawCrossHair();
}
