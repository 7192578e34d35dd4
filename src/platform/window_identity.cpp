#include "platform/window_identity.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "platform/png_read.h"

namespace {
// The sizes window managers, task bars and switchers ask for.
constexpr int kWindowIconSizes[] = {16, 32, 48, 64};

std::vector<RgbaImage> readWindowIcons() {
    std::vector<RgbaImage> icons;
    for (int size : kWindowIconSizes) {
        RgbaImage icon = readPngRgba("icon" + std::to_string(size) + ".png", size);
        if (icon.width == size && icon.height == size) icons.push_back(std::move(icon));
    }
    return icons;
}

void setCardinals(Display* display, Window window, const char* name, const std::vector<long>& values) {
    const Atom property = XInternAtom(display, name, False);
    XChangeProperty(display, window, property, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(values.data()), static_cast<int>(values.size()));
}

void setClientMachine(Display* display, Window window) {
    char host[HOST_NAME_MAX + 1] = {};
    if (gethostname(host, sizeof host - 1) != 0) return;
    char* names[] = {host};
    XTextProperty text{};
    if (XStringListToTextProperty(names, 1, &text) == 0) return;
    XSetWMClientMachine(display, window, &text);
    XFree(text.value);
}

// Waits, a second at most, until the window is viewable again, as GLUT did
// after mapping it first: what follows (the first picture, a test's first
// look at the window) finds it on screen. A window manager maps it in its own time.
void waitUntilViewable(Display* display, Window window) {
    for (int tries = 0; tries < 200; ++tries) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, window, &attributes) != 0 && attributes.map_state == IsViewable) return;
        usleep(5000);
    }
}

// _NET_WM_ICON's contents: for each picture its width, its height, then its
// pixels as 0xAARRGGBB, one value per C long (as Xlib takes format-32 data).
std::vector<long> netWmIconData(const std::vector<RgbaImage>& icons) {
    std::vector<long> data;
    for (const RgbaImage& icon : icons) {
        data.push_back(icon.width);
        data.push_back(icon.height);
        const std::uint8_t* p = icon.pixels.data();
        for (int i = 0; i < icon.width * icon.height; ++i, p += 4) {
            const unsigned long argb = static_cast<unsigned long>(p[3]) << 24 | static_cast<unsigned long>(p[0]) << 16 |
                                       static_cast<unsigned long>(p[1]) << 8 | p[2];
            data.push_back(static_cast<long>(argb));
        }
    }
    return data;
}
}  // namespace

void setWindowIdentity() {
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    if (display == nullptr || window == 0) return;

    // The class matches the desktop entry's StartupWMClass.
    char name[] = "veltrane";
    char resourceClass[] = "Veltrane";
    XClassHint classHint{name, resourceClass};
    XSetClassHint(display, window, &classHint);

    const std::vector<long> icon = netWmIconData(readWindowIcons());
    if (!icon.empty()) setCardinals(display, window, "_NET_WM_ICON", icon);
    setCardinals(display, window, "_NET_WM_PID", {static_cast<long>(getpid())});
    setClientMachine(display, window);

    // Withdrawn as ICCCM asks (unmapped, and the window manager told), then
    // mapped again: the window manager manages it anew and reads its class.
    XWithdrawWindow(display, window, DefaultScreen(display));
    XMapWindow(display, window);
    XSync(display, False);
    waitUntilViewable(display, window);
}
