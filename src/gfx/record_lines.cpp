#include "gfx/record_lines.h"

#include <GL/gl.h>
#include <GL/glut.h>

#include <algorithm>
#include <string>

#include "gfx/bitmap_text.h"
#include "state/record_news.h"

namespace {
// Baselines. The title's prompt (Helvetica 18) sits at H/2 + 0.4 H; the
// line goes a small line below it, and never off the window's bottom.
constexpr float kBelowTitlePrompt = 22.0f;
constexpr float kAboveWindowBottom = 6.0f;
// Game over: between "Game Over" (H/2) and its restart line (H/2 + 50).
constexpr float kGameOverBelowMiddle = 25.0f;
// Won: between the restart line (H/2 - 20) and the credits' top (H/2 + 25).
constexpr float kWinBelowMiddle = 5.0f;
constexpr float kTextDepth = 100.0f;
constexpr float kLeftMargin = 4.0f;

// Small text centred on the window's middle column; a line wider than the
// window starts near its left edge (a raster position outside draws nothing).
void drawCentred(int width, float baseline, const std::string& text, float red, float green, float blue) {
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    // Lit, the raster colour would be the lamps' and not the one asked for.
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glColor3f(red, green, blue);
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.c_str());
    const int textWidth = glutBitmapLength(smallFont(), bytes);
    const float left = std::max(kLeftMargin, static_cast<float>(width / 2 - textWidth / 2));
    drawBitmapText(left, baseline, kTextDepth, smallFont(), text.c_str());
    glPopAttrib();
}
}  // namespace

void drawTitleRecordsLine(int width, int height) {
    if (recordNews.titleLine.empty()) return;
    const float prompt = static_cast<float>(height / 2) + 0.4f * static_cast<float>(height);
    const float baseline = std::min(prompt + kBelowTitlePrompt, static_cast<float>(height) - kAboveWindowBottom);
    drawCentred(width, baseline, recordNews.titleLine, 0.85f, 0.85f, 0.85f);
}

void drawRecordNewsLine(int width, int height, bool won) {
    const std::string line = recordNewsLine(recordNews);
    if (line.empty()) return;
    const float middle = static_cast<float>(height / 2);
    drawCentred(width, middle + (won ? kWinBelowMiddle : kGameOverBelowMiddle), line, 1.0f, 0.85f, 0.3f);
}
