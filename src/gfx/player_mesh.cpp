#include "gfx/player_mesh.h"

#include <GL/gl.h>

#include "assets/player_mesh_tables.h"

void applyPlayerMaterial(int index) {
    const PlayerMaterial& m = playerMaterials[index];
    const float ambient[4] = {m.ambient[0], m.ambient[1], m.ambient[2], m.alpha};
    const float diffuse[4] = {m.diffuse[0], m.diffuse[1], m.diffuse[2], m.alpha};
    const float specular[4] = {m.specular[0], m.specular[1], m.specular[2], m.alpha};
    const float emission[4] = {m.emission[0], m.emission[1], m.emission[2], m.alpha};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, emission);
    // No record carries an image: the fighter's colour comes from lighting alone.
    glDisable(GL_TEXTURE_2D);
}

void drawPlayerMesh() {
    glDisable(GL_COLOR_MATERIAL);
    // Left on the caller's matrix on purpose; the caller pops it.
    glScaled(kPlayerMeshScale[0], kPlayerMeshScale[1], kPlayerMeshScale[2]);
    glMultMatrixf(kPlayerMeshPlacement);

    glEnableClientState(GL_VERTEX_ARRAY);
    glPushMatrix();
    // The stored normals already allow for the mesh's scale, so the GL need not rescale them.
    glDisable(GL_NORMALIZE);
    glFrontFace(GL_CCW);
    glVertexPointer(3, GL_DOUBLE, sizeof playerVertices[0], playerVertices);
    for (int i = 0; i < kPlayerTriangleCount; ++i) {
        applyPlayerMaterial(playerTriangleMaterials[i]);
        glBegin(GL_TRIANGLES);
        for (int corner = 0; corner < 3; ++corner) {
            glNormal3fv(playerNormals[playerTriangles[i][corner * 2 + 1]]);
            glArrayElement(playerTriangles[i][corner * 2]);
        }
        glEnd();
    }
    glPopMatrix();
    glDisableClientState(GL_VERTEX_ARRAY);
    glEnable(GL_COLOR_MATERIAL);
}
