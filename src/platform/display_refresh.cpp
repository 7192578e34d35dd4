#include "platform/display_refresh.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace {
// A mode's refresh rate from its timings; 0 when the timings are missing.
double modeRate(const XRRModeInfo& mode) {
    if (mode.dotClock == 0 || mode.hTotal == 0 || mode.vTotal == 0) return 0.0;
    double lines = static_cast<double>(mode.vTotal);
    if (mode.modeFlags & RR_DoubleScan) lines *= 2.0;
    if (mode.modeFlags & RR_Interlace) lines /= 2.0;
    return static_cast<double>(mode.dotClock) / (static_cast<double>(mode.hTotal) * lines);
}

double crtcRate(Display* display, XRRScreenResources* resources, RRCrtc crtc) {
    if (crtc == None) return 0.0;
    XRRCrtcInfo* info = XRRGetCrtcInfo(display, resources, crtc);
    if (info == nullptr) return 0.0;
    double rate = 0.0;
    for (int i = 0; i < resources->nmode && info->mode != None; ++i)
        if (resources->modes[i].id == info->mode) rate = modeRate(resources->modes[i]);
    XRRFreeCrtcInfo(info);
    return rate;
}

// The CRTC that shows the point (x, y) of the root window; None when no monitor does.
RRCrtc crtcShowing(Display* display, XRRScreenResources* resources, int x, int y) {
    for (int i = 0; i < resources->ncrtc; ++i) {
        XRRCrtcInfo* info = XRRGetCrtcInfo(display, resources, resources->crtcs[i]);
        if (info == nullptr) continue;
        const bool shows = info->mode != None && x >= info->x && y >= info->y &&
                           x < info->x + static_cast<int>(info->width) && y < info->y + static_cast<int>(info->height);
        XRRFreeCrtcInfo(info);
        if (shows) return resources->crtcs[i];
    }
    return None;
}

RRCrtc primaryCrtc(Display* display, XRRScreenResources* resources, Window root) {
    const RROutput primary = XRRGetOutputPrimary(display, root);
    if (primary == None) return None;
    XRROutputInfo* output = XRRGetOutputInfo(display, resources, primary);
    if (output == nullptr) return None;
    const RRCrtc crtc = output->crtc;
    XRRFreeOutputInfo(output);
    return crtc;
}

// The rate of the monitor under the window's centre, else of the primary
// monitor, else of the first one lit; 0 when the modes carry no timings.
double monitorRate(Display* display, Window root, Window window) {
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    if (resources == nullptr) return 0.0;
    double rate = 0.0;
    XWindowAttributes attributes;
    int centreX = 0;
    int centreY = 0;
    Window child = None;
    if (window != None && XGetWindowAttributes(display, window, &attributes) &&
        XTranslateCoordinates(display, window, root, attributes.width / 2, attributes.height / 2, &centreX, &centreY,
                              &child))
        rate = crtcRate(display, resources, crtcShowing(display, resources, centreX, centreY));
    if (rate <= 0.0) rate = crtcRate(display, resources, primaryCrtc(display, resources, root));
    for (int i = 0; i < resources->ncrtc && rate <= 0.0; ++i) rate = crtcRate(display, resources, resources->crtcs[i]);
    XRRFreeScreenResources(resources);
    return rate;
}

// The older, screen-wide answer, in whole hertz.
double configRate(Display* display, Window root) {
    XRRScreenConfiguration* config = XRRGetScreenInfo(display, root);
    if (config == nullptr) return 0.0;
    const short rate = XRRConfigCurrentRate(config);
    XRRFreeScreenConfigInfo(config);
    return rate > 0 ? rate : 0.0;
}
}  // namespace

DisplayRefresh readDisplayRefresh() {
    DisplayRefresh refresh;
    Display* display = glXGetCurrentDisplay();
    int eventBase = 0;
    int errorBase = 0;
    if (display == nullptr || !XRRQueryExtension(display, &eventBase, &errorBase)) return refresh;
    const Window root = DefaultRootWindow(display);
    int major = 0;
    int minor = 0;
    double rate = 0.0;
    // Screen resources and the primary output came with RandR 1.2 and 1.3.
    if (XRRQueryVersion(display, &major, &minor) && (major > 1 || (major == 1 && minor >= 3)))
        rate = monitorRate(display, root, glXGetCurrentDrawable());
    if (rate <= 0.0) rate = configRate(display, root);
    if (rate > 0.0) {
        refresh.hz = rate;
        refresh.fromXrandr = true;
    }
    return refresh;
}
