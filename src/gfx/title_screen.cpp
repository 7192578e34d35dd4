#include "gfx/title_screen.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "gfx/bitmap_text.h"
#include "gfx/hud.h"
#include "gfx/overlay.h"
#include "gfx/record_lines.h"
#include "gfx/texture_upload.h"
#include "world/hsv_to_rgb.h"

unsigned titleSquareTexture = 0;

namespace {
constexpr float kFloorHalfSide = 3.0f;
constexpr float kFloorOverReflectionAlpha = 0.8f;
constexpr float kWrapHue = 360.0f;
// Helvetica 12: about 7 pixels a character on average, 15 pixels a line.
constexpr int kNoticeCharWidth = 7;
constexpr int kNoticeLineHeight = 15;
constexpr int kNoticeMargin = 10;
std::string titleNotice;
const char* const kMenuFileWords[Overlay::kMenuItems] = {"fullScreen", "nebula", "invert",
                                                         "invincible", "view"};

// The title's own lamp: bright ambient and a whisper of diffuse from straight
// above the viewer, set under the caller's identity modelview.
void lightTitleLamp() {
    const float ambient[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    const float diffuse[4] = {0.012f, 0.012f, 0.012f, 1.0f};
    const float specular[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    const float position[4] = {0.0f, 10.0f, 0.0f, 0.0f};
    glLightfv(GL_LIGHT3, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT3, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT3, GL_SPECULAR, specular);
    glLightfv(GL_LIGHT3, GL_POSITION, position);
    glEnable(GL_LIGHT3);
}

// The notice in lines of at most `columns` characters, broken after a space
// where one falls in the line's second half (paths have none).
void drawNotice(int width) {
    const std::size_t columns = static_cast<std::size_t>(std::max(8, (width - 2 * kNoticeMargin) / kNoticeCharWidth));
    glDisable(GL_LIGHTING);
    glColor3f(1.0f, 1.0f, 1.0f);
    float y = static_cast<float>(kNoticeMargin + kNoticeLineHeight);
    std::size_t start = 0;
    while (start < titleNotice.size()) {
        std::size_t end = std::min(titleNotice.size(), start + columns);
        if (end < titleNotice.size()) {
            const std::size_t space = titleNotice.rfind(' ', end);
            if (space != std::string::npos && space > start + columns / 2) end = space + 1;
        }
        drawBitmapText(static_cast<float>(kNoticeMargin), y, 100.0f, smallFont(), titleNotice.substr(start, end - start).c_str());
        y += static_cast<float>(kNoticeLineHeight);
        start = end;
    }
    glEnable(GL_LIGHTING);
}
}  // namespace

void setTitleNotice(const std::string& text) { titleNotice = text; }

float nextTitleHue(float hue, float step) {
    hue += step;
    return hue > kWrapHue ? 0.0f : hue;
}

const char* menuFileName(int variant, int item, char* name, int size) {
    std::snprintf(name, static_cast<std::size_t>(size), "menu_%s%d.ppm", kMenuFileWords[item], variant);
    return name;
}

void Overlay::loadTextures() {
    glEnable(GL_TEXTURE_2D);
    titleSquareTexture = loadPpmTexture("title_square.ppm");
    titleTexture = loadPpmTexture("title.ppm");
    creditTexture = loadPpmTexture("credit.ppm");
    char name[32];
    for (int variant = 0; variant < kMenuVariants; ++variant) {
        for (int item = 0; item < kMenuItems; ++item) {
            menuItemTextures[variant][item] = loadPpmTexture(menuFileName(variant, item, name, sizeof name));
        }
    }
    // Never given an image: the menu's spacer rows bind it.
    glGenTextures(1, &menuSpacerTexture);
    glDisable(GL_TEXTURE_2D);
}

void Overlay::drawTitle(int width, int height, float fraction) const {
    lightTitleLamp();

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<float>(width) / static_cast<float>(height), 0.1, 600.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.0, 3.0, -7.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glTranslatef(-1.0f, -0.2f, 0.0f);

    // Mark the floor's pixels in the stencil buffer (cleared to 0 each frame).
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, 1, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
    glDisable(GL_DEPTH_TEST);
    drawFloor();
    glEnable(GL_DEPTH_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glStencilFunc(GL_EQUAL, 1, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);

    // The mirror image, only on the floor and only what lies at or below it.
    const double belowFloor[4] = {0.0, -1.0, 0.0, 0.0};
    glClipPlane(GL_CLIP_PLANE0, belowFloor);
    glEnable(GL_CLIP_PLANE0);
    glPushMatrix();
    glScalef(1.0f, -1.0f, 1.0f);
    drawTitleShip(fraction);
    glPopMatrix();
    glDisable(GL_CLIP_PLANE0);
    glDisable(GL_STENCIL_TEST);

    // The floor over its reflection, letting a fifth of it show through.
    glEnable(GL_BLEND);
    glDisable(GL_LIGHTING);
    glColor4f(1.0f, 1.0f, 1.0f, kFloorOverReflectionAlpha);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawFloor();
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);

    drawTitleShip(fraction);

    glDisable(GL_LIGHT3);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, width, height, 0.0, -1000.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    float red = 0.0f, green = 0.0f, blue = 0.0f;
    hsvToRgb(hue, 1.0f, 0.5f, &red, &green, &blue);
    glColor3f(red, green, blue);
    drawBitmapText(static_cast<float>(width / 2 - 99), static_cast<float>(height / 2) + 0.4f * height,
                   100.0f, largeFont(), "Press 'Spacebar' to begin");
    drawTitleRecordsLine(width, height);

    // The title image is added over the scene: its black leaves the scene as it is.
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBindTexture(GL_TEXTURE_2D, titleTexture);
    // Without its file (no data) the texture has no image, and the GL would
    // add plain white over the whole window instead.
    GLint imageWidth = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &imageWidth);
    if (imageWidth > 0) {
        glColor3f(1.0f, 1.0f, 1.0f);
        const float w = static_cast<float>(width);
        const float h = static_cast<float>(height);
        glBegin(GL_QUADS);
        glTexCoord2f(0.0f, 0.0f);
        glVertex3f(0.0f, 0.0f, 100.0f);
        glTexCoord2f(0.0f, 1.0f);
        glVertex3f(0.0f, h, 100.0f);
        glTexCoord2f(1.0f, 1.0f);
        glVertex3f(w, h, 100.0f);
        glTexCoord2f(1.0f, 0.0f);
        glVertex3f(w, 0.0f, 100.0f);
        glEnd();
    }

    glDisable(GL_TEXTURE_2D);
    if (!titleNotice.empty()) drawNotice(width);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

void Overlay::drawTitleShip(float fraction) const {
    glPushMatrix();
    glTranslatef(-0.5f, 1.0f, 0.0f);
    glRotatef(-45.0f, 0.0f, 1.0f, 0.0f);
    glScalef(0.7f, 0.7f, 0.7f);
    titleShip->drawAt(fraction);
    glPopMatrix();
}

void Overlay::drawFloor() const {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, titleSquareTexture);
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 1.0f, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-kFloorHalfSide, 0.0f, kFloorHalfSide);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-kFloorHalfSide, 0.0f, -kFloorHalfSide);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(kFloorHalfSide, 0.0f, -kFloorHalfSide);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(kFloorHalfSide, 0.0f, kFloorHalfSide);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}
