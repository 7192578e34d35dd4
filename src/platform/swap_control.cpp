#include "platform/swap_control.h"

#include <GL/gl.h>
#include <GL/glx.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "platform/gl_multitexture.h"

namespace {
using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
using SwapIntervalMesa = int (*)(unsigned int);
using SwapIntervalSgi = int (*)(int);

constexpr const char* kExt = "GLX_EXT_swap_control";
constexpr const char* kMesa = "GLX_MESA_swap_control";
constexpr const char* kSgi = "GLX_SGI_swap_control";
constexpr int kTimedSwaps = 9;

template <typename Function>
Function fetch(const char* name) {
    return reinterpret_cast<Function>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

const char* offeredExtensions(Display* display) {
    if (display == nullptr) return nullptr;
    return glXQueryExtensionsString(display, DefaultScreen(display));
}

std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

const char* swapControlExtension() {
    const char* extensions = offeredExtensions(glXGetCurrentDisplay());
    // In order of preference: EXT names the drawable, MESA and SGI act on the current one.
    for (const char* name : {kExt, kMesa, kSgi})
        if (glmt::hasExtension(extensions, name)) return name;
    return "";
}

bool setSwapInterval(int interval) {
    Display* display = glXGetCurrentDisplay();
    const char* extensions = offeredExtensions(display);
    if (glmt::hasExtension(extensions, kExt)) {
        if (auto function = fetch<SwapIntervalExt>("glXSwapIntervalEXT")) {
            function(display, glXGetCurrentDrawable(), interval);
            return true;
        }
    }
    if (glmt::hasExtension(extensions, kMesa)) {
        if (auto function = fetch<SwapIntervalMesa>("glXSwapIntervalMESA"))
            return function(static_cast<unsigned int>(interval)) == 0;
    }
    if (glmt::hasExtension(extensions, kSgi) && interval > 0) {
        if (auto function = fetch<SwapIntervalSgi>("glXSwapIntervalSGI")) return function(interval) == 0;
    }
    return false;
}

SwapWait measureSwapWait(double refreshHz) {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (display == nullptr || drawable == 0 || refreshHz <= 0.0) return {};
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    std::vector<std::int64_t> intervals;
    std::int64_t last = 0;
    // The first swap only lines the loop up with the display; it is not timed.
    for (int swap = 0; swap <= kTimedSwaps; ++swap) {
        glClear(GL_COLOR_BUFFER_BIT);
        glXSwapBuffers(display, drawable);
        glFinish();
        const std::int64_t now = nowNs();
        if (swap > 0) intervals.push_back(now - last);
        last = now;
    }
    std::nth_element(intervals.begin(), intervals.begin() + intervals.size() / 2, intervals.end());
    SwapWait wait;
    wait.medianSwapNs = intervals[intervals.size() / 2];
    const double refreshNs = 1e9 / refreshHz;
    wait.waits = static_cast<double>(wait.medianSwapNs) >= 0.5 * refreshNs;
    return wait;
}
