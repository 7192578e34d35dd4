#include <gtest/gtest.h>

#include <set>

#include "assets/capital_mesh_tables.h"
#include "game_window.h"
#include "gfx/overlay.h"
#include "gfx/particle.h"
#include "gfx/skybox.h"
#include "world/world.h"

namespace {
GLint boundLevel0(unsigned name, GLenum parameter) {
    glBindTexture(GL_TEXTURE_2D, name);
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, parameter, &value);
    return value;
}
}  // namespace

TEST(TextureNames, EveryStartUpTextureIsDistinctAndHoldsAnImage) {
    startGameForTest();
    const World& world = *getWorld();
    const Overlay& overlay = *getOverlay();
    std::vector<unsigned> names = {particleTexture, world.glowTexture, titleSquareTexture, overlay.titleTexture, overlay.creditTexture};
    for (int i = 0; i < Skybox::kFaceCount; ++i) names.insert(names.end(), {world.skybox->faceTextures[i], world.skybox->touchedFaceTextures[i]});
    for (const auto& variant : overlay.menuItemTextures) names.insert(names.end(), std::begin(variant), std::end(variant));
    for (const MeshTexture& texture : meshTextureTable) names.push_back(texture.textureName);  // the capital ships'
    EXPECT_EQ(std::set<unsigned>(names.begin(), names.end()).size(), names.size());
    for (unsigned name : names) EXPECT_GT(name != 0 ? boundLevel0(name, GL_TEXTURE_WIDTH) : 0, 0) << "texture " << name;

    // The glow starts as a 32 x 32 four-component image of zeros.
    EXPECT_EQ(boundLevel0(world.glowTexture, GL_TEXTURE_WIDTH), 32);
    std::vector<unsigned char> texels(32 * 32 * 4, 99);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    EXPECT_EQ(texels, std::vector<unsigned char>(texels.size(), 0));
}
