// The screen glow: a 32 x 32 grey capture of the frame's ship, laid over the
// whole screen as zoomed, fading copies while the ship pitches in the chase view.
#include <GL/gl.h>

#include "gfx/draw_path.h"
#include "world/glow_copies.h"
#include "world/world.h"

namespace {
constexpr int kGlowSize = 32;
// The copies are drawn in a fixed 640 x 480 space that covers any viewport.
constexpr double kGlowSpaceWidth = 640.0;
constexpr double kGlowSpaceHeight = 480.0;
}  // namespace

void World::captureGlow(float fraction) const {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glViewport(0, 0, kGlowSize, kGlowSize);
    player->drawAt(fraction);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, glowTexture);
    glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, 0, 0, kGlowSize, kGlowSize, 0);
    glDisable(GL_TEXTURE_2D);
    // This clear is the frame's real start: the world is drawn after it.
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, viewport[2], viewport[3]);
}

namespace {
void drawCopy(const GlowCopy& copy, float w, float h) {
    const float a = copy.inset;
    glColor4f(1.0f, 1.0f, 1.0f, copy.alpha);
    glTexCoord2f(a, 1.0f - a);
    glVertex2f(0.0f, 0.0f);
    glTexCoord2f(a, a);
    glVertex2f(0.0f, h);
    glTexCoord2f(1.0f - a, a);
    glVertex2f(w, h);
    glTexCoord2f(1.0f - a, 1.0f - a);
    glVertex2f(w, 0.0f);
}

// Each copy clipped to the pixels it can change: the lit part of the capture
// is small, and the black rest of each screen-size copy would add nothing.
// Reading the capture back costs no wait: its copy already finished the GL's
// work up to the capture.
void drawReachingCopies(const GlowCopies& copies, float w, float h) {
    unsigned char luminance[kGlowSize * kGlowSize];
    glGetTexImage(GL_TEXTURE_2D, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE, luminance);
    const LitTexels lit = findLitTexels(luminance, kGlowSize);
    if (lit.empty) return;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glEnable(GL_SCISSOR_TEST);
    for (int i = 0; i < copies.count; ++i) {
        const PixelRect reach =
            glowCopyReach(copies.copy[i], lit, kGlowSize, viewport[2], viewport[3]);
        if (reach.width == 0 || reach.height == 0) continue;
        glScissor(viewport[0] + reach.x, viewport[1] + reach.y, reach.width, reach.height);
        glBegin(GL_QUADS);
        drawCopy(copies.copy[i], w, h);
        glEnd();
    }
    glDisable(GL_SCISSOR_TEST);
}
}  // namespace

void World::drawGlow(int level, float step) const {
    glBindTexture(GL_TEXTURE_2D, glowTexture);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, kGlowSpaceWidth, kGlowSpaceHeight, 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GlowCopies copies = glowCopies(level, step);
    const float w = static_cast<float>(kGlowSpaceWidth);
    const float h = static_cast<float>(kGlowSpaceHeight);
    if (drawPath == DrawPath::Batched) {
        drawReachingCopies(copies, w, h);
        return;
    }
    glBegin(GL_QUADS);
    for (int i = 0; i < copies.count; ++i) drawCopy(copies.copy[i], w, h);
    glEnd();
}
