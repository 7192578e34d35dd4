#pragma once
#include <string>

#include "rgb_image.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

// Antialiased text through FreeType: glyph coverage is drawn into a GrayMask
// (each texel keeps the larger of its old value and the glyph's coverage).
class TextRenderer {
public:
    TextRenderer(const std::string& fontPath, int pixelHeight);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    bool ok() const { return face != nullptr; }
    // Extra pixels added after every character.
    void setTracking(int pixels) { tracking = pixels; }

    int measure(const std::string& text) const;
    // Height of a capital letter above the baseline.
    int capHeight() const;
    void draw(GrayMask& target, const std::string& text, int x, int baseline) const;
    void drawCentred(GrayMask& target, const std::string& text, int centreX, int baseline) const;

private:
    FT_LibraryRec_* library = nullptr;
    FT_FaceRec_* face = nullptr;
    int tracking = 0;
};
