#include "app/pointer_fire.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <limits>


PointerRay pointerRay(int x, int y, const ViewMatrices& view) {
    GLint viewport[4] = {view.viewport[0], view.viewport[1], view.viewport[2], view.viewport[3]};
    // GLUT counts y from the top, the GL from the bottom.
    const double windowY = static_cast<double>(viewport[3] - y);
    // A view that cannot be inverted (no picture drawn yet) gives no line:
    // NaN, which the queue drops.
    const double none = std::numeric_limits<double>::quiet_NaN();
    double nearX = none, nearY = none, nearZ = none, farX = none, farY = none, farZ = none;
    if (!gluUnProject(x, windowY, 0.0, view.modelview, view.projection, viewport, &nearX, &nearY, &nearZ) ||
        !gluUnProject(x, windowY, 1.0, view.modelview, view.projection, viewport, &farX, &farY, &farZ)) {
        nearX = none;
    }
    PointerRay ray;
    ray.start = Vec3(static_cast<float>(nearX), static_cast<float>(nearY), static_cast<float>(nearZ));
    ray.direction = Vec3(static_cast<float>(farX - nearX), static_cast<float>(farY - nearY),
                         static_cast<float>(farZ - nearZ));
    return ray;
}
