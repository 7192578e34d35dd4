#include "gfx/player_mesh.h"

#include <GL/gl.h>

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

// The same triangles in the same order, with one material change and one
// glBegin per run of triangles that share a material: setting a material to
// the values it already holds changes nothing.
void drawTrianglesByMaterialRuns() {
    int i = 0;
    while (i < kPlayerTriangleCount) {
        const int material = playerTriangleMaterials[i];
        applyPlayerMaterial(material);
        glBegin(GL_TRIANGLES);
        for (; i < kPlayerTriangleCount && playerTriangleMaterials[i] == material; ++i) {
            for (int corner = 0; corner < 3; ++corner) {
                glNormal3fv(playerNormals[playerTriangles[i][corner * 2 + 1]]);
                glArrayElement(playerTriangles[i][corner * 2]);
            }
        }
        glEnd();
    }
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
    glVertexPointer(3, GL_DOUBLE, sizeof playerVertices[0], playerVertices);
    if (drawPath == DrawPath::OneByOne) {
        drawTrianglesOneByOne();
    } else {
        drawTrianglesByMaterialRuns();
    }
    glPopMatrix();
    glDisableClientState(GL_VERTEX_ARRAY);
    glEnable(GL_COLOR_MATERIAL);
}
