#include "mesh_builder.h"

#include <cmath>
#include <numbers>

namespace {

// Two directions perpendicular to `axis` and to each other.
void sideDirections(Vec3d axis, Vec3d& u, Vec3d& v) {
    const Vec3d a = normalized(axis);
    const Vec3d helper = std::fabs(a.y) < 0.9 ? Vec3d{0.0, 1.0, 0.0} : Vec3d{1.0, 0.0, 0.0};
    u = normalized(cross(helper, a));
    v = cross(a, u);
}

Vec3d ringCentre(const std::vector<Vec3d>& ring) {
    Vec3d sum;
    for (const Vec3d& p : ring) sum = sum + p;
    return sum * (1.0 / static_cast<double>(ring.size()));
}

}  // namespace

std::vector<Vec3d> ringAround(Vec3d centre, Vec3d axis, double ru, double rv, int segments) {
    Vec3d u;
    Vec3d v;
    sideDirections(axis, u, v);
    std::vector<Vec3d> ring;
    for (int i = 0; i < segments; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / segments;
        ring.push_back(centre + u * (ru * std::cos(angle)) + v * (rv * std::sin(angle)));
    }
    return ring;
}

int MeshBuilder::addPosition(Vec3d p) {
    const auto key = std::make_tuple(p.x, p.y, p.z);
    auto [it, inserted] = positionIndex.try_emplace(key, static_cast<int>(positionList.size()));
    if (inserted) positionList.push_back(p);
    return it->second;
}

int MeshBuilder::addNormal(Vec3d n) {
    n = normalized(n);
    const auto key = std::make_tuple(n.x, n.y, n.z);
    auto [it, inserted] = normalIndex.try_emplace(key, static_cast<int>(normalList.size()));
    if (inserted) normalList.push_back(n);
    return it->second;
}

int MeshBuilder::addTexCoord(TexCoord t) {
    const auto key = std::make_tuple(t.s, t.t);
    auto [it, inserted] = texCoordIndex.try_emplace(key, static_cast<int>(texCoordList.size()));
    if (inserted) texCoordList.push_back(t);
    return it->second;
}

TexCoord MeshBuilder::project(Vec3d p, Vec3d n) const {
    if (textureTile <= 0.0) return {};
    const double ax = std::fabs(n.x);
    const double ay = std::fabs(n.y);
    const double az = std::fabs(n.z);
    const double k = 1.0 / textureTile;
    if (ax >= ay && ax >= az) return {p.z * k, p.y * k};
    if (ay >= az) return {p.x * k, p.z * k};
    return {p.x * k, p.y * k};
}

void MeshBuilder::triangle(Vec3d a, Vec3d b, Vec3d c, Vec3d na, Vec3d nb, Vec3d nc, Vec3d inside) {
    Vec3d face = cross(b - a, c - a);
    if (length(face) == 0.0) return;  // a sliver adds nothing and has no normal
    const Vec3d centre = (a + b + c) * (1.0 / 3.0);
    if (dot(face, centre - inside) < 0.0) {
        std::swap(b, c);
        std::swap(nb, nc);
        face = face * -1.0;
    }
    face = normalized(face);
    MeshTriangle t;
    t.material = materialChooser ? materialChooser(centre, face) : currentMaterial;
    const Vec3d points[3] = {a, b, c};
    const Vec3d norms[3] = {na, nb, nc};
    for (int i = 0; i < 3; ++i) {
        t.corners[i].position = addPosition(points[i]);
        t.corners[i].normal = addNormal(norms[i]);
        t.corners[i].texCoord = addTexCoord(project(points[i], face));
    }
    triangleList.push_back(t);
}

void MeshBuilder::flatTriangle(Vec3d a, Vec3d b, Vec3d c, Vec3d inside) {
    Vec3d n = normalized(cross(b - a, c - a));
    if (dot(n, (a + b + c) * (1.0 / 3.0) - inside) < 0.0) n = n * -1.0;
    triangle(a, b, c, n, n, n, inside);
}

void MeshBuilder::flatQuad(Vec3d a, Vec3d b, Vec3d c, Vec3d d, Vec3d inside) {
    Vec3d n = normalized(cross(c - a, d - b));
    if (dot(n, (a + b + c + d) * 0.25 - inside) < 0.0) n = n * -1.0;
    triangle(a, b, c, n, n, n, inside);
    triangle(a, c, d, n, n, n, inside);
}

void MeshBuilder::box(Vec3d lo, Vec3d hi) {
    const Vec3d mid = (lo + hi) * 0.5;
    auto p = [&](int i) {
        return Vec3d{(i & 1) ? hi.x : lo.x, (i & 2) ? hi.y : lo.y, (i & 4) ? hi.z : lo.z};
    };
    flatQuad(p(0), p(1), p(3), p(2), mid);  // z low
    flatQuad(p(4), p(5), p(7), p(6), mid);  // z high
    flatQuad(p(0), p(1), p(5), p(4), mid);  // y low
    flatQuad(p(2), p(3), p(7), p(6), mid);  // y high
    flatQuad(p(0), p(2), p(6), p(4), mid);  // x low
    flatQuad(p(1), p(3), p(7), p(5), mid);  // x high
}

void MeshBuilder::loft(const std::vector<std::vector<Vec3d>>& rings, bool smooth) {
    const int count = static_cast<int>(rings.size());
    if (count < 2) return;
    const int around = static_cast<int>(rings[0].size());
    std::vector<Vec3d> centres;
    for (const auto& ring : rings) centres.push_back(ringCentre(ring));

    // Outward face normal of the quad from (i, j) to (i + 1, j + 1).
    auto faceNormal = [&](int i, int j) {
        const int k = (j + 1) % around;
        const Vec3d& a = rings[i][j];
        const Vec3d& b = rings[i][k];
        const Vec3d& c = rings[i + 1][k];
        const Vec3d& d = rings[i + 1][j];
        Vec3d n = cross(c - a, d - b);
        const Vec3d inside = (centres[i] + centres[i + 1]) * 0.5;
        if (dot(n, (a + b + c + d) * 0.25 - inside) < 0.0) n = n * -1.0;
        return normalized(n);
    };

    std::vector<std::vector<Vec3d>> vertexNormals(count, std::vector<Vec3d>(around));
    if (smooth) {
        for (int i = 0; i + 1 < count; ++i) {
            for (int j = 0; j < around; ++j) {
                const Vec3d n = faceNormal(i, j);
                const int k = (j + 1) % around;
                vertexNormals[i][j] = vertexNormals[i][j] + n;
                vertexNormals[i][k] = vertexNormals[i][k] + n;
                vertexNormals[i + 1][j] = vertexNormals[i + 1][j] + n;
                vertexNormals[i + 1][k] = vertexNormals[i + 1][k] + n;
            }
        }
    }
    for (int i = 0; i + 1 < count; ++i) {
        const Vec3d inside = (centres[i] + centres[i + 1]) * 0.5;
        for (int j = 0; j < around; ++j) {
            const int k = (j + 1) % around;
            const Vec3d& a = rings[i][j];
            const Vec3d& b = rings[i][k];
            const Vec3d& c = rings[i + 1][k];
            const Vec3d& d = rings[i + 1][j];
            if (smooth) {
                triangle(a, b, c, vertexNormals[i][j], vertexNormals[i][k], vertexNormals[i + 1][k], inside);
                triangle(a, c, d, vertexNormals[i][j], vertexNormals[i + 1][k], vertexNormals[i + 1][j], inside);
            } else {
                // Each half gets its own normal: a twisted quad is not flat.
                flatTriangle(a, b, c, inside);
                flatTriangle(a, c, d, inside);
            }
        }
    }
}

void MeshBuilder::fan(const std::vector<Vec3d>& ring, Vec3d apex, Vec3d inside) {
    const int around = static_cast<int>(ring.size());
    for (int j = 0; j < around; ++j) flatTriangle(ring[j], ring[(j + 1) % around], apex, inside);
}

void MeshBuilder::tube(Vec3d from, Vec3d to, double radiusFrom, double radiusTo, int segments,
                       bool capFrom, bool capTo) {
    const Vec3d axis = to - from;
    const std::vector<Vec3d> ringFrom = ringAround(from, axis, radiusFrom, radiusFrom, segments);
    const std::vector<Vec3d> ringTo = ringAround(to, axis, radiusTo, radiusTo, segments);
    loft({ringFrom, ringTo}, true);
    const Vec3d mid = (from + to) * 0.5;
    if (capFrom) fan(ringFrom, from, mid);
    if (capTo) fan(ringTo, to, mid);
}
