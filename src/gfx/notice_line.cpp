#include "gfx/notice_line.h"

#include <GL/gl.h>
#include <GL/glut.h>

#include <algorithm>
#include <string>

#include "gfx/bitmap_text.h"
#include "state/hud_notice.h"

namespace {
// Under "Score" (Helvetica 18 on y 25) and "Enemies Left" (y 20).
constexpr float kBandTop = 32.0f;
constexpr float kBandBottom = 52.0f;
constexpr float kTextBaseline = 46.0f;
constexpr float kBandPadding = 8.0f;
constexpr float kBandAlpha = 0.6f;

bool noticeHidden = false;
}  // namespace

void hideNoticeLine(bool hidden) { noticeHidden = hidden; }

void drawNoticeLine(int width, int height) {
    if (noticeHidden) return;
    const std::string text = noticeNow();
    if (text.empty()) return;

    // The overlay's screens leave lighting, fog, depth and blending as they
    // like; the notice sets its own and gives them all back.
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT | GL_TRANSFORM_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_CLIP_PLANE0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    const auto* bytes = reinterpret_cast<const unsigned char*>(text.c_str());
    const float textWidth = static_cast<float>(glutBitmapLength(smallFont(), bytes));
    // A line wider than the window starts at its left edge: a raster
    // position outside the window would draw nothing at all.
    const float textLeft = std::max(kBandPadding, (static_cast<float>(width) - textWidth) * 0.5f);
    const float bandLeft = std::max(0.0f, textLeft - kBandPadding);
    const float bandRight = std::min(static_cast<float>(width), textLeft + textWidth + kBandPadding);
    glColor4f(0.0f, 0.0f, 0.0f, kBandAlpha);
    glRectf(bandLeft, kBandTop, bandRight, kBandBottom);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    drawBitmapText(textLeft, kTextBaseline, 0.0f, smallFont(), text.c_str());

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}
