#include "gfx/mesh_model.h"

#include <GL/gl.h>

#include "assets/capital_mesh_tables.h"
#include "gfx/bmp_reader.h"
#include "gfx/material_colours.h"

void MeshModel::build() {
    for (MeshTexture& texture : meshTextureTable) {
        GLuint name = 0;
        glGenTextures(1, &name);
        texture.textureName = name;
        glBindTexture(GL_TEXTURE_2D, name);
        loadBmpTexture(texture.fileName);
    }

    displayList = glGenLists(1);
    glNewList(displayList, GL_COMPILE);
    glBegin(GL_TRIANGLES);
    int runLeft = 0;
    int nextGroup = 0;
    for (const auto& triangle : meshTriangles) {
        if (runLeft == 0) {
            applyMaterial(meshMaterialGroups[nextGroup].material);
            runLeft = meshMaterialGroups[nextGroup].count;
            ++nextGroup;
        }
        --runLeft;
        for (int corner = 0; corner < 3; ++corner) {
            glNormal3fv(meshNormals[triangle[3 + corner]]);
            glTexCoord2fv(meshTexCoords[triangle[6 + corner]]);
            glVertex3fv(meshVertices[triangle[corner]]);
        }
    }
    glEnd();
    glEndList();
}

void MeshModel::applyMaterial(int index) {
    const MeshMaterial& m = meshMaterials[index];
    // Material changes are not allowed between glBegin and glEnd.
    glEnd();
    setMaterialColours(m.ambient, m.diffuse, m.specular, m.emission, m.alpha);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, m.shininess);
    if (m.textureIndex >= 0) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, meshTextureTable[m.textureIndex].textureName);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
    glBegin(GL_TRIANGLES);
}

void MeshModel::draw() const {
    glEnable(GL_TEXTURE_2D);
    glPushMatrix();
    glScalef(kCapitalMeshScale, kCapitalMeshScale, kCapitalMeshScale);
    glRotatef(kCapitalMeshTurn, 1.0f, 0.0f, 0.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glCallList(displayList);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
    // The list leaves a full-white emissive material behind; clear it so it
    // does not light up whatever is drawn next.
    const float black[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
}
