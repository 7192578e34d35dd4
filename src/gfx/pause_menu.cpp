#include <GL/gl.h>

#include "gfx/hud.h"
#include "gfx/overlay.h"
#include "state/options.h"

unsigned menuSpacerTexture = 0;

namespace {
constexpr float kRowWidth = 256.0f;
constexpr float kRowHeight = 23.0f;
constexpr int kFirstRowBelowMiddle = 50;
constexpr int kSpacer = -1;
// The item shown on each row, top to bottom; the gaps set the three groups apart.
constexpr int kRowItems[] = {0, kSpacer, 1, kSpacer, 2, 3, 4};

bool optionOn(int item) {
    switch (item) {
        case 0: return optFullScreen;
        case 1: return optNebula;
        case 2: return optInvert;
        case 3: return optInvincible;
        default: return optView;
    }
}
}  // namespace

int menuVariant(bool optionOn, bool selected) {
    if (selected) return optionOn ? MenuOnSelected : MenuOffSelected;
    return optionOn ? MenuOn : MenuOff;
}

void Overlay::drawMenuQuad(float width, float height) const {
    const float halfWidth = width / 2.0f;
    const float halfHeight = height / 2.0f;
    // With y pointing down, t = 0 (the image's first row) is at the top.
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-halfWidth, -halfHeight, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-halfWidth, halfHeight, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(halfWidth, halfHeight, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(halfWidth, -halfHeight, 0.0f);
    glEnd();
}

void drawOptionsMenu(const Overlay& overlay, int width, int height) {
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glColor3f(0.0f, 0.0f, 0.0f);
    const int rowCount = static_cast<int>(sizeof kRowItems / sizeof kRowItems[0]);
    for (int row = 0; row < rowCount; ++row) {
        const int item = kRowItems[row];
        if (item == kSpacer) {
            glBindTexture(GL_TEXTURE_2D, menuSpacerTexture);
        } else {
            const int variant = menuVariant(optionOn(item), overlay.menuIndex == item);
            glBindTexture(GL_TEXTURE_2D, overlay.menuItemTextures[variant][item]);
        }
        glPushMatrix();
        glTranslatef(static_cast<float>(width / 2),
                     static_cast<float>(height / 2 + kFirstRowBelowMiddle) + kRowHeight * row, 0.0f);
        overlay.drawMenuQuad(kRowWidth, kRowHeight);
        glPopMatrix();
    }
    glDisable(GL_TEXTURE_2D);
}
