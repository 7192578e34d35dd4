// The screen glow: a 32 x 32 grey capture of the frame's ship, laid over the
// whole screen as zoomed, fading copies while the ship pitches in the chase view.
#include <GL/gl.h>

#include "world/glow_copies.h"
#include "world/world.h"

namespace {
constexpr int kGlowSize = 32;
// The copies are drawn in a fixed 640 x 480 space that covers any viewport.
constexpr double kGlowSpaceWidth = 640.0;
constexpr double kGlowSpaceHeight = 480.0;
}  // namespace

void World::captureGlow() {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glViewport(0, 0, kGlowSize, kGlowSize);
    player->draw();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, glowTexture);
    glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, 0, 0, kGlowSize, kGlowSize, 0);
    glDisable(GL_TEXTURE_2D);
    // This clear is the frame's real start: the world is drawn after it.
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, viewport[2], viewport[3]);
}

void World::drawGlow(int level, float step) {
    glBindTexture(GL_TEXTURE_2D, glowTexture);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, kGlowSpaceWidth, kGlowSpaceHeight, 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GlowCopies copies = glowCopies(level, step);
    const float w = static_cast<float>(kGlowSpaceWidth);
    const float h = static_cast<float>(kGlowSpaceHeight);
    glBegin(GL_QUADS);
    for (int i = 0; i < copies.count; ++i) {
        const float a = copies.copy[i].inset;
        glColor4f(1.0f, 1.0f, 1.0f, copies.copy[i].alpha);
        glTexCoord2f(a, 1.0f - a);
        glVertex2f(0.0f, 0.0f);
        glTexCoord2f(a, a);
        glVertex2f(0.0f, h);
        glTexCoord2f(1.0f - a, a);
        glVertex2f(w, h);
        glTexCoord2f(1.0f - a, 1.0f - a);
        glVertex2f(w, 0.0f);
    }
    glEnd();
}
