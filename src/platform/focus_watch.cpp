#include "platform/focus_watch.h"

#include <X11/Xlib.h>

namespace {
// The focus window can be destroyed between two questions about it: the
// answer is then "not ours", not Xlib's default of ending the program.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

class IgnoredXErrors {
public:
    IgnoredXErrors() : previous(XSetErrorHandler(ignoreXError)) {}
    ~IgnoredXErrors() { XSetErrorHandler(previous); }
    IgnoredXErrors(const IgnoredXErrors&) = delete;
    IgnoredXErrors& operator=(const IgnoredXErrors&) = delete;

private:
    int (*previous)(Display*, XErrorEvent*);
};
}  // namespace

FocusWatch::~FocusWatch() { stop(); }

bool FocusWatch::start(const char* displayName, unsigned long watched) {
    stop();
    display = XOpenDisplay(displayName);
    if (display == nullptr) return false;
    window = watched;
    lastForeignFocus = 0;
    pollsWithoutFocus = 0;
    focused = focusIsOurs();
    lostNow = gainedNow = false;
    return true;
}

void FocusWatch::stop() {
    if (display != nullptr) XCloseDisplay(display);
    display = nullptr;
    focused = true;
    lostNow = gainedNow = false;
}

void FocusWatch::poll() {
    lostNow = gainedNow = false;
    if (display == nullptr) return;
    if (focusIsOurs()) {
        pollsWithoutFocus = 0;
        gainedNow = !focused;
        focused = true;
    } else if (focused && ++pollsWithoutFocus >= kPollsToLoseFocus) {
        lostNow = true;
        focused = false;
    }
}

bool FocusWatch::focusIsOurs() {
    // Every question below waits for its answer, so its error arrives while this is in force.
    const IgnoredXErrors ignored;
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(display, &focus, &revertTo);
    if (focus == None) return false;
    if (focus == PointerRoot) {
        // No window manager, no explicit focus: the keys go to the window under the pointer.
        Window root = None, child = None;
        int rootX = 0, rootY = 0, x = 0, y = 0;
        unsigned int buttons = 0;
        if (!XQueryPointer(display, window, &root, &child, &rootX, &rootY, &x, &y, &buttons)) return false;
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display, window, &attributes)) return false;
        return x >= 0 && y >= 0 && x < attributes.width && y < attributes.height;
    }
    if (focus == lastForeignFocus) return false;
    if (isInsideWindow(focus)) return true;
    lastForeignFocus = focus;
    return false;
}

// The focus may sit on a child of the window, which still types into it.
bool FocusWatch::isInsideWindow(unsigned long candidate) {
    Window current = candidate;
    while (current != None) {
        if (current == window) return true;
        Window root = None, parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, current, &root, &parent, &children, &count)) return false;
        if (children != nullptr) XFree(children);
        if (current == root) return false;
        current = parent;
    }
    return false;
}
