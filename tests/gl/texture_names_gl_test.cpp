#include <GL/gl.h>
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/overlay.h"
#include "game_window.h"
#include "gfx/particle.h"
#include "gfx/skybox.h"
#include "world/world.h"

namespace {
int textureWidth(unsigned name) {
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    return width;
}
}  // namespace

TEST(TextureNames, EveryStartUpTextureIsDistinctAndHoldsAnImage) {
    startGameForTest();
    const World& world = *getWorld();
    const Overlay& overlay = *getOverlay();

    std::vector<unsigned> names;
    for (int i = 0; i < Skybox::kFaceCount; ++i) {
        names.push_back(world.skybox->faceTextures[i]);
        names.push_back(world.skybox->touchedFaceTextures[i]);
    }
    names.push_back(particleTexture);
    names.push_back(world.glowTexture);
    names.push_back(titleSquareTexture);
    names.push_back(overlay.titleTexture);
    names.push_back(overlay.creditTexture);
    for (const auto& variant : overlay.menuItemTextures) {
        for (unsigned name : variant) names.push_back(name);
    }
    ASSERT_EQ(names.size(), 37u);
    EXPECT_EQ(std::set<unsigned>(names.begin(), names.end()).size(), names.size());
    for (unsigned name : names) {
        EXPECT_NE(name, 0u);
        EXPECT_GT(textureWidth(name), 0) << "texture " << name << " has no image";
    }

    // The glow starts as a 32 x 32 four-component image of zeros.
    glBindTexture(GL_TEXTURE_2D, world.glowTexture);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    EXPECT_EQ(width, 32);
    EXPECT_EQ(height, 32);
    std::vector<unsigned char> texels(32 * 32 * 4, 99);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    for (unsigned char texel : texels) ASSERT_EQ(texel, 0);

    // The skybox keeps its images after the upload.
    for (int i = 0; i < Skybox::kFaceCount; ++i) {
        EXPECT_EQ(world.skybox->faceImages[i]->width, 512);
        EXPECT_FALSE(world.skybox->touchedFaceImages[i]->empty());
    }
}
