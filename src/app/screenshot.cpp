#include "app/screenshot.h"

#include <GL/gl.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "gfx/notice_line.h"
#include "platform/background_jobs.h"
#include "platform/pictures_dir.h"
#include "platform/png_write.h"
#include "platform/user_dirs.h"
#include "state/hud_notice.h"

namespace {
// Beyond this many pictures in one second something else is wrong.
constexpr int kMaxNameTries = 100;

bool screenshotAsked = false;

struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // bottom row first
    std::time_t taken = 0;
};

void reportFailure(const std::string& reason) {
    std::fprintf(stderr, "veltrane: screenshot failed: %s\n", reason.c_str());
    showNotice("Screenshot failed: " + reason);
}

// On the background thread: the folder, a free name, the file.
void saveScreenshot(const Screenshot& shot) {
    const std::string dir = screenshotDir();
    if (dir.empty()) return reportFailure("no home folder");
    if (!makeUserDir(dir)) {
        return reportFailure("cannot make " + withHomeAsTilde(dir) + ": " + std::strerror(errno));
    }
    for (int attempt = 1; attempt <= kMaxNameTries; ++attempt) {
        const std::string path = dir + "/" + screenshotFileName(shot.taken, attempt);
        std::string error;
        switch (writeNewPngRgb(path, shot.width, shot.height, shot.rgb, error)) {
            case PngWrite::Written: return showNotice("Screenshot saved: " + withHomeAsTilde(path));
            case PngWrite::NameTaken: continue;
            case PngWrite::Failed: return reportFailure(withHomeAsTilde(path) + ": " + error);
        }
    }
    reportFailure("no free name in " + withHomeAsTilde(dir));
}
}  // namespace

void requestScreenshot() {
    screenshotAsked = true;
    hideNoticeLine(true);
}

void takeRequestedScreenshot(int width, int height) {
    if (!screenshotAsked) return;
    screenshotAsked = false;
    hideNoticeLine(false);
    if (width <= 0 || height <= 0) return reportFailure("the window has no size");
    auto shot = std::make_shared<Screenshot>();
    shot->width = width;
    shot->height = height;
    shot->taken = std::time(nullptr);
    shot->rgb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    // Rows of three bytes need not be 4-byte aligned; the read state is put back.
    GLint alignment = 4;
    GLint readBuffer = GL_BACK;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    glGetIntegerv(GL_READ_BUFFER, &readBuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, shot->rgb.data());
    glReadBuffer(static_cast<GLenum>(readBuffer));
    glPixelStorei(GL_PACK_ALIGNMENT, alignment);
    runInBackground([shot] { saveScreenshot(*shot); });
}

std::string screenshotFileName(std::time_t when, int attempt) {
    std::tm local {};
    localtime_r(&when, &local);
    char stamp[32] = "";
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    std::string name = std::string("veltrane-") + stamp;
    if (attempt > 1) name += "-" + std::to_string(attempt);
    return name + ".png";
}
