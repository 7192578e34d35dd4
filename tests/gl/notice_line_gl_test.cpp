#include <gtest/gtest.h>

#include "gfx/notice_line.h"
#include "state/hud_notice.h"
#include "test_window.h"

namespace {
constexpr int kSize = 500;
constexpr int kBandTop = 32, kBandBottom = 52;  // window rows, y down

// A scene that leans on state it sets only once: the colour, additive
// blending, the depth test and both matrices. A notice that leaks any of
// them changes how the scene draws afterwards.
void setSceneState() {
    glViewport(0, 0, kSize, kSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(20.0f, 0.0f, 0.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glColor4f(0.3f, 0.1f, 0.0f, 0.5f);
}

std::vector<std::uint8_t> drawScene(bool notice) {
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glRectf(-0.5f, -0.9f, 0.5f, 0.9f);
    if (notice) drawNoticeLine(kSize, kSize);
    return readBackBuffer(kSize, kSize);
}

// Bytes of the window rows [top, bottom), y down.
std::vector<std::uint8_t> rows(const std::vector<std::uint8_t>& rgb, int top, int bottom) {
    const auto row = [](int y) { return static_cast<std::size_t>(kSize - y) * kSize * 3; };
    return {rgb.begin() + static_cast<std::ptrdiff_t>(row(bottom)), rgb.begin() + static_cast<std::ptrdiff_t>(row(top))};
}
}  // namespace

TEST(NoticeLine, ShowsInItsBandOnlyAndLeavesTheStateAsItWas) {
    openTestWindow(kSize, kSize);
    setSceneState();
    const auto before = drawScene(false);

    showNotice("Screenshot saved: ~/Pictures/Veltrane/veltrane-2026-12-08_22-41-07.png");
    const auto shown = drawScene(true);
    EXPECT_EQ(rows(shown, 0, kBandTop), rows(before, 0, kBandTop));
    EXPECT_EQ(rows(shown, kBandBottom, kSize), rows(before, kBandBottom, kSize));
    int white = 0, darker = 0;
    const auto band = rows(shown, kBandTop, kBandBottom), plain = rows(before, kBandTop, kBandBottom);
    for (std::size_t i = 0; i < band.size(); i += 3) {
        white += band[i] > 220 && band[i + 1] > 220 && band[i + 2] > 220;
        darker += band[i] + band[i + 1] + band[i + 2] + 60 < plain[i] + plain[i + 1] + plain[i + 2];
    }
    EXPECT_GT(white, 200);
    EXPECT_GT(darker, 4000);

    // The scene draws afterwards as it did before, and a picture kept for a
    // screenshot shows no notice.
    EXPECT_EQ(drawScene(false), before);
    hideNoticeLine(true);
    EXPECT_EQ(drawScene(true), before);
    hideNoticeLine(false);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
