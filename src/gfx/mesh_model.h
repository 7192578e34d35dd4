#pragma once

// The capital ship's mesh compiled into one display list, textured with six bitmaps.
class MeshModel {
public:
    // Reads the six textures and compiles the display list (needs a GL context).
    void build();
    // Switches material and texture between runs of triangles while compiling.
    void applyMaterial(int index);
    // Draws the mesh at the current matrix.
    void draw() const;

    unsigned displayList = 0;
};
