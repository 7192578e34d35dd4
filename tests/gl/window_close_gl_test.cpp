#include <gtest/gtest.h>

#include <cstdlib>

#include "game_window.h"
// X's headers define None and Bool as macros: after GoogleTest's.
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

namespace {
bool mainLoopReturned = false;

// What a window manager sends when the player closes the window.
void sendDeleteWindow() {
    Display* display = glXGetCurrentDisplay();
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = glXGetCurrentDrawable();
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XFlush(display);
}
}  // namespace

// Closing the window leaves the main loop, so main() ends the game as a quit
// signal does; an exit from inside GLUT's event handling fails the test.
TEST(WindowClose, ClosingTheWindowReturnsFromTheMainLoop) {
    std::atexit([] {
        if (!mainLoopReturned) std::_Exit(1);
    });
    startGameForTest();
    runFrames(2);
    sendDeleteWindow();
    glutMainLoop();
    mainLoopReturned = true;
}
