#include "app/pointer_fire.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "world/render_pass.h"
#include "world/world.h"

void firePlayerBoltAtPointer(int x, int y) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    // GLUT counts y from the top, the GL from the bottom.
    const double windowY = static_cast<double>(viewport[3] - y);
    double nearX, nearY, nearZ, farX, farY, farZ;
    gluUnProject(x, windowY, 0.0, savedModelview, savedProjection, viewport, &nearX, &nearY, &nearZ);
    gluUnProject(x, windowY, 1.0, savedModelview, savedProjection, viewport, &farX, &farY, &farZ);
    getWorld()->firePlayerBoltAt(static_cast<float>(nearX), static_cast<float>(nearY),
                                 static_cast<float>(nearZ), static_cast<float>(farX - nearX),
                                 static_cast<float>(farY - nearY), static_cast<float>(farZ - nearZ));
}
