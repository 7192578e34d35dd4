#include "gfx/player_mesh.h"

#include <GL/gl.h>

#include <vector>

#include "assets/player_mesh_tables.h"
#include "gfx/draw_path.h"
#include "gfx/material_colours.h"

void applyPlayerMaterial(int index) {
    const PlayerMaterial& m = playerMaterials[index];
    setMaterialColours(m.ambient, m.diffuse, m.specular, m.emission, m.alpha);
    // No record carries an image: the fighter's colour comes from lighting alone.
    glDisable(GL_TEXTURE_2D);
}

namespace {
// One triangle at a time, each with its own material and glBegin.
void drawTrianglesOneByOne() {
    for (int i = 0; i < kPlayerTriangleCount; ++i) {
        applyPlayerMaterial(playerTriangleMaterials[i]);
        glBegin(GL_TRIANGLES);
        for (int corner = 0; corner < 3; ++corner) {
            glNormal3fv(playerNormals[playerTriangles[i][corner * 2 + 1]]);
            glArrayElement(playerTriangles[i][corner * 2]);
        }
        glEnd();
    }
}

// Every triangle's three corners in draw order, position and normal side by
// side, built once. The positions are the table's doubles as floats, as the
// GL stores them when they are given one by one.
struct MeshCorners {
    std::vector<float> positions;
    std::vector<float> normals;
};

const MeshCorners& meshCorners() {
    static const MeshCorners corners = [] {
        MeshCorners built;
        for (const auto& triangle : playerTriangles) {
            for (int corner = 0; corner < 3; ++corner) {
                const double* v = playerVertices[triangle[corner * 2]];
                const float* n = playerNormals[triangle[corner * 2 + 1]];
                built.positions.insert(built.positions.end(), {static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2])});
                built.normals.insert(built.normals.end(), n, n + 3);
            }
        }
        return built;
    }();
    return corners;
}

// The same triangles in the same order, with one material change and one
// draw per run of triangles that share a material: setting a material to the
// values it already holds changes nothing. Drawn from arrays, the mesh never
// passes through the GL's buffer of one-by-one vertices, whose filling up in
// the middle of a run can make a software GL compile a new program mid-game.
void drawTrianglesByMaterialRuns() {
    const MeshCorners& corners = meshCorners();
    glVertexPointer(3, GL_FLOAT, 0, corners.positions.data());
    glNormalPointer(GL_FLOAT, 0, corners.normals.data());
    glEnableClientState(GL_NORMAL_ARRAY);
    int i = 0;
    while (i < kPlayerTriangleCount) {
        const int material = playerTriangleMaterials[i];
        const int first = i;
        while (i < kPlayerTriangleCount && playerTriangleMaterials[i] == material) ++i;
        applyPlayerMaterial(material);
        glDrawArrays(GL_TRIANGLES, first * 3, (i - first) * 3);
    }
    glDisableClientState(GL_NORMAL_ARRAY);
    // The last corner's normal stays current, as after giving it on its own.
    glNormal3fv(&corners.normals[corners.normals.size() - 3]);
}
}  // namespace

void drawPlayerMesh() {
    glDisable(GL_COLOR_MATERIAL);
    // Left on the caller's matrix on purpose; the caller pops it.
    glScaled(kPlayerMeshScale[0], kPlayerMeshScale[1], kPlayerMeshScale[2]);
    glMultMatrixf(kPlayerMeshPlacement);

    glEnableClientState(GL_VERTEX_ARRAY);
    glPushMatrix();
    // Normalisation stays off: the stored normals come out long on purpose,
    // the gain the game's faint lights are made for.
    glDisable(GL_NORMALIZE);
    glFrontFace(GL_CCW);
    if (drawPath == DrawPath::OneByOne) {
        glVertexPointer(3, GL_DOUBLE, sizeof playerVertices[0], playerVertices);
        drawTrianglesOneByOne();
    } else {
        drawTrianglesByMaterialRuns();
    }
    glPopMatrix();
    glDisableClientState(GL_VERTEX_ARRAY);
    glEnable(GL_COLOR_MATERIAL);
}
