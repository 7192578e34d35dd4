#include "app/picture.h"

#include <GL/gl.h>
#include <GL/freeglut.h>

#include "app/frame_loop.h"
#include "gfx/overlay.h"
#include "state/options.h"
#include "world/overlay_step.h"
#include "world/render_pass.h"

void setOverlayProjection(int width, int height) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void drawPicture(float fraction) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glShadeModel(GL_SMOOTH);
    glViewport(0, 0, viewportWidth, viewportHeight);
    renderViewportWidth = viewportWidth;
    renderViewportHeight = viewportHeight;
    // The nebula option is the fog, over the title screen too.
    if (optNebula) {
        glEnable(GL_FOG);
    } else {
        glDisable(GL_FOG);
    }

    if (gameState == 1) {
        // The HUD draws its own cross-hair in the chase view. Set only when it
        // changes: each call is a request to the X server, 60 pictures a second.
        static int cursor = -1;
        const int wanted = optView ? GLUT_CURSOR_LEFT_ARROW : GLUT_CURSOR_NONE;
        if (wanted != cursor) glutSetCursor(cursor = wanted);
        float fog[4] = {0.0f, 0.0f, 0.0f, 1.0f};
        fogColour(fogHue, fog);
        glFogfv(GL_FOG_COLOR, fog);
        drawWorldView(currentWorldPicture(fraction));
    }
    setOverlayProjection(viewportWidth, viewportHeight);
    getOverlay()->drawOverlay(viewportWidth, viewportHeight, currentOverlayPicture(fraction));
}
