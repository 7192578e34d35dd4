#include "app/draw_warm_up.h"

#include <GL/gl.h>

#include <functional>

#include "app/frame_loop.h"
#include "gfx/overlay.h"
#include "state/input_flags.h"
#include "world/render_pass.h"

namespace {
constexpr GLbitfield kAllBuffers = GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT;

// Runs `draw` with everything it may change saved and put back afterwards.
void drawAndPutBack(int width, int height, const std::function<void()>& draw) {
    Overlay& overlay = *getOverlay();
    const float hue = overlay.hue;
    const bool titleMode = overlay.titleMode;
    const bool wireframeWas = wireframe;
    // The next frame starts from the GL state it would have had without the warm-up.
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glViewport(0, 0, width, height);
    draw();
    glFinish();
    glClear(kAllBuffers);
    glPopAttrib();
    wireframe = wireframeWas;
    overlay.hue = hue;
    overlay.titleMode = titleMode;
}

void drawOverlayOnly(int width, int height, bool titleFlag) {
    setOverlayProjection(width, height);
    getOverlay()->drawOverlay(width, height, titleFlag);
}
}  // namespace

void warmUpTitle(int width, int height) {
    drawAndPutBack(width, height, [&] {
        glClear(kAllBuffers);
        drawOverlayOnly(width, height, true);
    });
}

void warmUpWorld(int width, int height) {
    drawAndPutBack(width, height, [&] {
        for (const bool fog : {false, true}) {
            for (const bool lines : {false, true}) {
                glClear(kAllBuffers);
                wireframe = lines;
                if (fog) glEnable(GL_FOG);
                drawWorldView();
                if (fog) glDisable(GL_FOG);
                drawOverlayOnly(width, height, false);
            }
        }
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    });
}
