#include "app/window_focus.h"

#include <GL/glx.h>

#include "platform/focus_watch.h"

namespace {
FocusWatch focusWatch;
}  // namespace

void watchWindowFocus() {
    // The GLUT window is the current GLX drawable, on GLUT's display.
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    if (display == nullptr || window == 0) return;
    focusWatch.start(DisplayString(display), window);
}

void pollWindowFocus() { focusWatch.poll(); }
bool windowHasFocus() { return focusWatch.hasFocus(); }
bool windowLostFocus() { return focusWatch.lostFocus(); }
