#include "text_renderer.h"

#include <algorithm>
#include <cstdio>

#include <ft2build.h>
#include FT_FREETYPE_H

TextRenderer::TextRenderer(const std::string& fontPath, int pixelHeight)
{
    if (FT_Init_FreeType(&library) != 0) {
        library = nullptr;
        return;
    }
    if (FT_New_Face(library, fontPath.c_str(), 0, &face) != 0) {
        std::fprintf(stderr, "image_gen: cannot open font %s\n", fontPath.c_str());
        face = nullptr;
        return;
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelHeight));
}

TextRenderer::~TextRenderer()
{
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
}

int TextRenderer::measure(const std::string& text) const
{
    if (!face) return 0;
    long pen = 0;
    FT_UInt previous = 0;
    for (unsigned char ch : text) {
        const FT_UInt glyph = FT_Get_Char_Index(face, ch);
        if (previous && FT_HAS_KERNING(face)) {
            FT_Vector kern;
            FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
            pen += kern.x;
        }
        if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT) == 0) pen += face->glyph->advance.x + tracking * 64;
        previous = glyph;
    }
    return static_cast<int>((pen + 32) / 64 - tracking);
}

int TextRenderer::capHeight() const
{
    if (!face || FT_Load_Char(face, 'H', FT_LOAD_DEFAULT) != 0) return 0;
    return static_cast<int>(face->glyph->metrics.horiBearingY / 64);
}

void TextRenderer::draw(GrayMask& target, const std::string& text, int x, int baseline) const
{
    if (!face) return;
    long pen = static_cast<long>(x) * 64;
    FT_UInt previous = 0;
    for (unsigned char ch : text) {
        const FT_UInt glyph = FT_Get_Char_Index(face, ch);
        if (previous && FT_HAS_KERNING(face)) {
            FT_Vector kern;
            FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
            pen += kern.x;
        }
        previous = glyph;
        if (FT_Load_Glyph(face, glyph, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        const int left = static_cast<int>((pen + 32) / 64) + slot->bitmap_left;
        const int top = baseline - slot->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned col = 0; col < bitmap.width; ++col) {
                const int tx = left + static_cast<int>(col), ty = top + static_cast<int>(row);
                if (tx < 0 || ty < 0 || tx >= target.width() || ty >= target.height()) continue;
                const float coverage = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
                target.at(tx, ty) = std::max(target.at(tx, ty), coverage);
            }
        }
        pen += slot->advance.x + tracking * 64;
    }
}

void TextRenderer::drawCentred(GrayMask& target, const std::string& text, int centreX, int baseline) const
{
    draw(target, text, centreX - measure(text) / 2, baseline);
}
