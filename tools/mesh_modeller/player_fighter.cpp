#include "player_fighter.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kBodySegments = 12;
constexpr int kNacelleSegments = 10;
constexpr int kGunSegments = 6;

// A rounded-box section across the fuselage at depth z.
std::vector<Vec3d> bodySection(double z, double cy, double halfWidth, double top, double bottom) {
    constexpr double kExponent = 2.6;
    std::vector<Vec3d> ring;
    for (int j = 0; j < kBodySegments; ++j) {
        const double angle = 2.0 * std::numbers::pi * j / kBodySegments;
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        const double x = std::copysign(std::pow(std::fabs(c), 2.0 / kExponent), c) * halfWidth;
        const double y = std::copysign(std::pow(std::fabs(s), 2.0 / kExponent), s) * (s >= 0.0 ? top : bottom);
        ring.push_back({x, cy + y, z});
    }
    return ring;
}

// A thin lens-shaped section: leading edge at `lead`, chord running along
// `back`, thickness along `side`.
std::vector<Vec3d> airfoil(Vec3d lead, Vec3d back, double chord, Vec3d side, double thickness) {
    return {
        lead,
        lead + back * (0.3 * chord) + side * thickness,
        lead + back * (0.7 * chord) + side * (0.6 * thickness),
        lead + back * chord,
        lead + back * (0.7 * chord) - side * (0.5 * thickness),
        lead + back * (0.3 * chord) - side * (0.8 * thickness),
    };
}

std::vector<Vec3d> lerpRing(const std::vector<Vec3d>& a, const std::vector<Vec3d>& b, double f) {
    std::vector<Vec3d> ring;
    for (size_t i = 0; i < a.size(); ++i) ring.push_back(a[i] + (b[i] - a[i]) * f);
    return ring;
}

Vec3d centreOf(const std::vector<Vec3d>& ring) {
    Vec3d sum;
    for (const Vec3d& p : ring) sum = sum + p;
    return sum * (1.0 / static_cast<double>(ring.size()));
}

void fuselage(MeshBuilder& mesh) {
    // Depth, centre height, half width, height above and below the centre line.
    struct Station { double z, cy, w, top, bottom; };
    const Station stations[] = {
        {0.84, 0.09, 0.035, 0.03, 0.025},
        {0.68, 0.11, 0.10, 0.075, 0.06},
        {0.50, 0.14, 0.155, 0.11, 0.09},
        {0.44, 0.15, 0.17, 0.12, 0.10},
        {0.10, 0.18, 0.23, 0.17, 0.13},
        {-0.45, 0.21, 0.27, 0.19, 0.16},
        {-1.05, 0.22, 0.25, 0.18, 0.15},
        {-1.45, 0.22, 0.17, 0.13, 0.11},
        {-1.62, 0.22, 0.09, 0.07, 0.06},
    };
    std::vector<std::vector<Vec3d>> rings;
    for (const Station& s : stations) rings.push_back(bodySection(s.z, s.cy, s.w, s.top, s.bottom));
    // A white band just behind the nose.
    mesh.setMaterialChooser([](Vec3d centre, Vec3d) {
        return centre.z < 0.50 && centre.z > 0.44 ? kFighterMarking : kFighterHull;
    });
    mesh.loft(rings, true);
    mesh.setMaterialChooser(nullptr);
    mesh.setMaterial(kFighterHull);
    mesh.fan(rings.front(), {0.0, 0.09, 0.9}, {0.0, 0.1, 0.0});
    mesh.fan(rings.back(), {0.0, 0.22, -1.66}, {0.0, 0.2, 0.0});
}

void canopy(MeshBuilder& mesh) {
    const Vec3d centre{0.0, 0.27, 0.02};
    const double rx = 0.13;
    const double ry = 0.17;
    const double rz = 0.42;
    std::vector<std::vector<Vec3d>> rings;
    for (double latitude : {0.0, 35.0, 65.0}) {
        const double phi = latitude * std::numbers::pi / 180.0;
        std::vector<Vec3d> ring;
        for (int j = 0; j < kBodySegments; ++j) {
            const double theta = 2.0 * std::numbers::pi * j / kBodySegments;
            ring.push_back({centre.x + rx * std::cos(phi) * std::cos(theta), centre.y + ry * std::sin(phi),
                            centre.z + rz * std::cos(phi) * std::sin(theta)});
        }
        rings.push_back(ring);
    }
    mesh.setMaterial(kFighterCanopy);
    mesh.loft(rings, true);
    mesh.fan(rings.back(), centre + Vec3d{0.0, ry, 0.0}, centre);
}

void nacelle(MeshBuilder& mesh, double side) {
    const double x = 0.35 * side;
    const double y = 0.4;
    const Vec3d axis{0.0, 0.0, 1.0};
    struct Station { double z, r; };
    const Station stations[] = {{-0.28, 0.11}, {-0.40, 0.155}, {-0.75, 0.17}, {-1.40, 0.17}, {-1.64, 0.15},
                                {-1.77, 0.155}};
    std::vector<std::vector<Vec3d>> rings;
    for (const Station& s : stations) rings.push_back(ringAround({x, y, s.z}, axis, s.r, s.r, kNacelleSegments));
    mesh.setMaterial(kFighterHull);
    mesh.loft(rings, true);
    // Intake: a funnel into the nacelle.
    mesh.fan(rings.front(), {x, y, -0.40}, {x, y, -1.0});
    // Nozzle rim, then the glowing exhaust cone whose tip is the nozzle point.
    const std::vector<Vec3d> inner = ringAround({x, y, -1.76}, axis, 0.125, 0.125, kNacelleSegments);
    const std::vector<Vec3d> core = ringAround({x, y, -1.785}, axis, 0.07, 0.07, kNacelleSegments);
    mesh.setMaterialChooser(nullptr);
    mesh.loft({rings.back(), inner}, false);
    mesh.setMaterial(kFighterGlow);
    mesh.loft({inner, core}, true);
    mesh.fan(core, {x, y, -1.8}, {x, y, -1.0});
    mesh.setMaterial(kFighterHull);
}

// A swept wing from `root` to `tip` (leading-edge points); its outer
// quarter is white.
void wing(MeshBuilder& mesh, Vec3d root, double rootChord, Vec3d tip, double tipChord, double thickness) {
    const Vec3d back{0.0, 0.0, -1.0};
    const Vec3d up{0.0, 1.0, 0.0};
    const std::vector<Vec3d> a = airfoil(root, back, rootChord, up, thickness);
    const std::vector<Vec3d> b = airfoil(tip, back, tipChord, up, thickness * 0.6);
    const std::vector<std::vector<Vec3d>> rings = {a, lerpRing(a, b, 0.75), b};
    const double x0 = std::fabs(root.x + (tip.x - root.x) * 0.75);
    mesh.setMaterialChooser([x0](Vec3d centre, Vec3d) {
        return std::fabs(centre.x) > x0 ? kFighterMarking : kFighterHull;
    });
    mesh.loft(rings, false);
    mesh.setMaterialChooser(nullptr);
    mesh.setMaterial(kFighterHull);
    mesh.fan(b, centreOf(b), centreOf(a));
}

// Tail fin standing on a nacelle, leaning outwards; its top is white.
void fin(MeshBuilder& mesh, double side) {
    const Vec3d back{0.0, 0.0, -1.0};
    const Vec3d across{1.0, 0.0, 0.0};
    const std::vector<Vec3d> root = airfoil({0.35 * side, 0.52, -0.95}, back, 0.75, across, 0.03);
    const std::vector<Vec3d> tip = airfoil({0.47 * side, 0.93, -1.45}, back, 0.27, across, 0.018);
    const std::vector<std::vector<Vec3d>> rings = {root, lerpRing(root, tip, 0.78), tip};
    mesh.setMaterialChooser([](Vec3d centre, Vec3d) { return centre.y > 0.84 ? kFighterMarking : kFighterHull; });
    mesh.loft(rings, false);
    mesh.setMaterialChooser(nullptr);
    mesh.setMaterial(kFighterMarking);
    mesh.fan(tip, centreOf(tip), centreOf(root));
    mesh.setMaterial(kFighterHull);
}

// Gun pod with its barrel; the barrel's front face is centred on `muzzle`.
void gun(MeshBuilder& mesh, Vec3d muzzle, double podRadius, double podBack, double podFront) {
    const Vec3d axis{0.0, 0.0, 1.0};
    const Vec3d centre{muzzle.x, muzzle.y, 0.0};
    auto at = [&](double z) { return Vec3d{centre.x, centre.y, z}; };
    const double barrel = 0.022;
    const std::vector<Vec3d> podRear = ringAround(at(podBack), axis, podRadius * 0.8, podRadius * 0.8, kGunSegments);
    const std::vector<Vec3d> podFrontRing = ringAround(at(podFront), axis, podRadius, podRadius, kGunSegments);
    const std::vector<Vec3d> neck = ringAround(at(podFront + 0.06), axis, barrel, barrel, kGunSegments);
    const std::vector<Vec3d> band = ringAround(at(muzzle.z - 0.07), axis, barrel, barrel, kGunSegments);
    const std::vector<Vec3d> mouth = ringAround(muzzle, axis, barrel * 1.25, barrel * 1.25, kGunSegments);
    mesh.setMaterial(kFighterHull);
    mesh.loft({podRear, podFrontRing, neck, band}, true);
    mesh.fan(podRear, at(podBack - 0.03), at(podFront));
    mesh.setMaterial(kFighterMarking);
    mesh.loft({band, mouth}, true);
    mesh.fan(mouth, muzzle, at(podBack));
    mesh.setMaterial(kFighterHull);
}

}  // namespace

void buildPlayerFighter(MeshBuilder& mesh) {
    fuselage(mesh);
    canopy(mesh);
    for (double side : {1.0, -1.0}) {
        nacelle(mesh, side);
        wing(mesh, {0.40 * side, 0.40, -0.55}, 0.90, {0.68 * side, 0.41, -0.86}, 0.36, 0.045);
        wing(mesh, {0.18 * side, 0.10, 0.02}, 1.40, {0.58 * side, -0.09, -0.60}, 0.38, 0.05);
        fin(mesh, side);
        gun(mesh, {0.70 * side, 0.40, 0.0}, 0.05, -1.10, -0.45);
        gun(mesh, {0.60 * side, -0.10, 0.0}, 0.045, -1.00, -0.38);
    }
}
