#include "app/pointer_fire.h"

#include <GL/gl.h>
#include <GL/glu.h>


PointerRay pointerRay(int x, int y, const ViewMatrices& view) {
    GLint viewport[4] = {view.viewport[0], view.viewport[1], view.viewport[2], view.viewport[3]};
    // GLUT counts y from the top, the GL from the bottom.
    const double windowY = static_cast<double>(viewport[3] - y);
    double nearX, nearY, nearZ, farX, farY, farZ;
    gluUnProject(x, windowY, 0.0, view.modelview, view.projection, viewport, &nearX, &nearY, &nearZ);
    gluUnProject(x, windowY, 1.0, view.modelview, view.projection, viewport, &farX, &farY, &farZ);
    PointerRay ray;
    ray.start = Vec3(static_cast<float>(nearX), static_cast<float>(nearY), static_cast<float>(nearZ));
    ray.direction = Vec3(static_cast<float>(farX - nearX), static_cast<float>(farY - nearY),
                         static_cast<float>(farZ - nearZ));
    return ray;
}
