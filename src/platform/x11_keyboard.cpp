#include "platform/x11_keyboard.h"

#include <GL/glx.h>
#include <X11/XKBlib.h>

bool enableDetectableAutoRepeat() {
    Display* display = glXGetCurrentDisplay();
    if (display == nullptr) return false;
    Bool supported = False;
    XkbSetDetectableAutoRepeat(display, True, &supported);
    return supported == True;
}
