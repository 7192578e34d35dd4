#pragma once
#include <functional>
#include <map>
#include <tuple>
#include <vector>

#include "vec3d.h"

struct MeshCorner {
    int position = 0;
    int normal = 0;
    int texCoord = 0;
};

struct MeshTriangle {
    MeshCorner corners[3];
    int material = 0;
};

struct TexCoord {
    double s = 0.0;
    double t = 0.0;
};

// Collects a triangle mesh from simple solids. Positions, normals and texture
// coordinates are shared between triangles when they are bit-for-bit equal.
// Every face is wound counter-clockwise seen from outside (right-handed),
// with "outside" meaning away from an inside point each solid supplies.
class MeshBuilder {
public:
    // Picks a face's material from its centre and outward normal.
    using MaterialChooser = std::function<int(Vec3d centre, Vec3d normal)>;

    void setMaterial(int material) { currentMaterial = material; }
    // Texture coordinates are projected onto the axis plane a triangle faces
    // most, one repeat every `tile` units; 0 gives every corner (0, 0).
    void setTextureTile(double tile) { textureTile = tile; }
    void setMaterialChooser(MaterialChooser chooser) { materialChooser = std::move(chooser); }

    void triangle(Vec3d a, Vec3d b, Vec3d c, Vec3d na, Vec3d nb, Vec3d nc, Vec3d inside);
    void flatTriangle(Vec3d a, Vec3d b, Vec3d c, Vec3d inside);
    // Corners given in order around the rim.
    void flatQuad(Vec3d a, Vec3d b, Vec3d c, Vec3d d, Vec3d inside);
    void box(Vec3d low, Vec3d high);
    // Joins each ring to the next; all rings have the same number of points.
    // Faces turn away from the middle of their two rings' centres.
    void loft(const std::vector<std::vector<Vec3d>>& rings, bool smooth);
    // Closes a ring with a flat-shaded fan to `apex`.
    void fan(const std::vector<Vec3d>& ring, Vec3d apex, Vec3d inside);
    // Cylinder or cone from `from` to `to`, optionally closed with flat fans.
    void tube(Vec3d from, Vec3d to, double radiusFrom, double radiusTo, int segments,
              bool capFrom, bool capTo);

    const std::vector<Vec3d>& positions() const { return positionList; }
    const std::vector<Vec3d>& normals() const { return normalList; }
    const std::vector<TexCoord>& texCoords() const { return texCoordList; }
    const std::vector<MeshTriangle>& triangles() const { return triangleList; }

private:
    int addPosition(Vec3d p);
    int addNormal(Vec3d n);
    int addTexCoord(TexCoord t);
    TexCoord project(Vec3d p, Vec3d faceNormal) const;

    int currentMaterial = 0;
    double textureTile = 0.0;
    MaterialChooser materialChooser;
    std::vector<Vec3d> positionList;
    std::vector<Vec3d> normalList;
    std::vector<TexCoord> texCoordList;
    std::vector<MeshTriangle> triangleList;
    std::map<std::tuple<double, double, double>, int> positionIndex;
    std::map<std::tuple<double, double, double>, int> normalIndex;
    std::map<std::tuple<double, double>, int> texCoordIndex;
};

// Points around `centre` in the plane normal to `axis`: an ellipse with
// radius `ru` along the first side direction and `rv` along the second.
std::vector<Vec3d> ringAround(Vec3d centre, Vec3d axis, double ru, double rv, int segments);
