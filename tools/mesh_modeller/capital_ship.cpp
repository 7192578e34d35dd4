#include "capital_ship.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kDeckY = -4.0;

// Half cross-section of the hull, deck edge first, down to the keel.
struct ProfilePoint { double z, y; };
constexpr ProfilePoint kHullProfile[] = {
    {46.0, kDeckY}, {58.0, -10.0}, {60.0, -22.0}, {50.0, -33.0}, {28.0, -42.0}, {10.0, -45.0},
};

// Hull section at `x`: the profile narrowed by `width` and its keel raised
// towards the deck by `depth` (both 1 amidships).
std::vector<Vec3d> hullSection(double x, double width, double depth) {
    std::vector<Vec3d> ring;
    for (const ProfilePoint& p : kHullProfile) ring.push_back({x, kDeckY + (p.y - kDeckY) * depth, p.z * width});
    for (int i = static_cast<int>(std::size(kHullProfile)) - 1; i >= 0; --i) {
        const ProfilePoint& p = kHullProfile[i];
        ring.push_back({x, kDeckY + (p.y - kDeckY) * depth, -p.z * width});
    }
    return ring;
}

int hullMaterial(Vec3d centre, Vec3d normal) {
    if (normal.y > 0.8) return kCapitalPlating;
    if (centre.y > -24.0) return kCapitalWindows;
    return kCapitalDarkHull;
}

void hull(MeshBuilder& mesh) {
    std::vector<std::vector<Vec3d>> rings;
    for (double x = -262.0; x < 200.0; x += 22.0) rings.push_back(hullSection(x, 1.0, 1.0));
    // The bow: narrowing to a raked prow.
    const double bow[][3] = {{200.0, 1.0, 1.0}, {228.0, 0.93, 0.94}, {252.0, 0.8, 0.85}, {272.0, 0.62, 0.74},
                             {287.0, 0.42, 0.62}, {296.0, 0.22, 0.5}, {300.0, 0.04, 0.4}};
    for (const auto& b : bow) rings.push_back(hullSection(b[0], b[1], b[2]));
    mesh.setTextureTile(32.0);
    mesh.setMaterialChooser(hullMaterial);
    mesh.loft(rings, false);
    mesh.setMaterialChooser(nullptr);
    mesh.setMaterial(kCapitalDarkHull);
    mesh.fan(rings.front(), {-262.0, -20.0, 0.0}, {0.0, -20.0, 0.0});
    mesh.fan(rings.back(), {300.0, -8.0, 0.0}, {0.0, -20.0, 0.0});
}

// Armour belts along both sides: they carry the hull out to its full beam.
void armourBelts(MeshBuilder& mesh) {
    for (double side : {1.0, -1.0}) {
        auto section = [side](double x, double reach) {
            return std::vector<Vec3d>{{x, -14.0, 58.0 * side},
                                      {x, -18.0, (58.0 + 17.0 * reach) * side},
                                      {x, -28.0, (58.0 + 17.0 * reach) * side},
                                      {x, -33.0, 58.0 * side}};
        };
        const std::vector<std::vector<Vec3d>> rings = {section(-200.0, 0.1), section(-175.0, 1.0),
                                                       section(-20.0, 1.0), section(-10.0, 0.85),
                                                       section(135.0, 0.85), section(165.0, 0.1)};
        mesh.setTextureTile(24.0);
        mesh.setMaterialChooser([](Vec3d, Vec3d normal) {
            return std::fabs(normal.y) > 0.5 ? kCapitalPlating : kCapitalDarkHull;
        });
        mesh.loft(rings, false);
        mesh.setMaterialChooser(nullptr);
        mesh.setMaterial(kCapitalDarkHull);
        const Vec3d inside{0.0, -20.0, 50.0 * side};
        for (const auto& end : {rings.front(), rings.back()}) {
            mesh.fan(end, (end[0] + end[1] + end[2] + end[3]) * 0.25, inside);
        }
    }
}

// Eight-sided block standing on `base`, its top shrunk by `shrink`.
void block(MeshBuilder& mesh, Vec3d base, double halfX, double halfZ, double height, double chamfer,
           double shrink) {
    auto ring = [&](double y, double k) {
        const double hx = halfX * k;
        const double hz = halfZ * k;
        const double c = chamfer * k;
        return std::vector<Vec3d>{{base.x + hx, y, base.z + hz - c}, {base.x + hx - c, y, base.z + hz},
                                  {base.x - hx + c, y, base.z + hz}, {base.x - hx, y, base.z + hz - c},
                                  {base.x - hx, y, base.z - hz + c}, {base.x - hx + c, y, base.z - hz},
                                  {base.x + hx - c, y, base.z - hz}, {base.x + hx, y, base.z - hz + c}};
    };
    const std::vector<Vec3d> bottom = ring(base.y, 1.0);
    const std::vector<Vec3d> top = ring(base.y + height, 1.0 - shrink);
    mesh.loft({bottom, top}, false);
    mesh.fan(top, {base.x, base.y + height, base.z}, base);
}

void superstructure(MeshBuilder& mesh) {
    mesh.setTextureTile(20.0);
    mesh.setMaterial(kCapitalBridge);
    // A low spine along the deck breaks up its length.
    block(mesh, {-10.0, kDeckY, 0.0}, 240.0, 9.0, 3.0, 3.0, 0.0);
    block(mesh, {-70.0, kDeckY, 0.0}, 72.0, 32.0, 10.0, 8.0, 0.04);
    block(mesh, {-78.0, 6.0, 0.0}, 48.0, 24.0, 7.0, 7.0, 0.06);
    block(mesh, {-82.0, 13.0, 0.0}, 24.0, 15.0, 6.0, 5.0, 0.05);
    // Bridge: a wide deck with a row of windows, and the command dome.
    mesh.setMaterial(kCapitalWindows);
    block(mesh, {-72.0, 19.0, 0.0}, 8.0, 27.0, 3.0, 2.0, 0.1);
    mesh.setMaterial(kCapitalGunMetal);
    block(mesh, {-92.0, 19.0, 0.0}, 7.0, 7.0, 4.5, 2.5, 0.3);
    // Masts and a sensor dish, reaching the top of the hull box.
    mesh.setTextureTile(8.0);
    mesh.tube({-100.0, 19.0, 8.0}, {-100.0, 25.0, 8.0}, 0.9, 0.4, 6, false, true);
    mesh.tube({-100.0, 19.0, -8.0}, {-100.0, 25.0, -8.0}, 0.9, 0.4, 6, false, true);
    mesh.tube({-92.0, 23.5, 0.0}, {-92.0, 25.0, 0.0}, 4.0, 5.0, 12, true, true);
    // Aft deck house and its launch rails.
    mesh.setTextureTile(20.0);
    mesh.setMaterial(kCapitalBridge);
    block(mesh, {-185.0, kDeckY, 0.0}, 28.0, 20.0, 9.0, 5.0, 0.1);
    mesh.setMaterial(kCapitalDarkHull);
    block(mesh, {-185.0, 5.0, 0.0}, 22.0, 14.0, 2.0, 4.0, 0.05);
    // Forward fire-control tower.
    mesh.setMaterial(kCapitalBridge);
    block(mesh, {135.0, kDeckY, 0.0}, 16.0, 12.0, 13.0, 4.0, 0.2);
    mesh.setMaterial(kCapitalWindows);
    block(mesh, {133.0, 9.0, 0.0}, 8.0, 14.0, 3.5, 2.0, 0.1);
}

void engines(MeshBuilder& mesh) {
    // Engine block across the stern.
    auto section = [](double x, double k) {
        return std::vector<Vec3d>{{x, 0.0 * k, 40.0 * k},    {x, -8.0 * k, 52.0 * k},  {x, -34.0 * k, 52.0 * k},
                                  {x, -42.0 * k, 40.0 * k},  {x, -42.0 * k, -40.0 * k}, {x, -34.0 * k, -52.0 * k},
                                  {x, -8.0 * k, -52.0 * k},  {x, 0.0 * k, -40.0 * k}};
    };
    const std::vector<std::vector<Vec3d>> rings = {section(-250.0, 1.0), section(-286.0, 0.96)};
    mesh.setTextureTile(24.0);
    mesh.setMaterial(kCapitalDarkHull);
    mesh.loft(rings, false);
    mesh.fan(rings.back(), {-286.0, -20.16, 0.0}, {-250.0, -20.0, 0.0});
    // Glow strips along the block's flanks.
    mesh.setMaterial(kCapitalEngineGlow);
    for (double side : {1.0, -1.0}) {
        mesh.flatQuad({-282.0, -14.0, 52.2 * side}, {-256.0, -14.0, 52.2 * side}, {-256.0, -18.0, 52.2 * side},
                      {-282.0, -18.0, 52.2 * side}, {-270.0, -16.0, 0.0});
        mesh.flatQuad({-282.0, -24.0, 52.2 * side}, {-256.0, -24.0, 52.2 * side}, {-256.0, -28.0, 52.2 * side},
                      {-282.0, -28.0, 52.2 * side}, {-270.0, -26.0, 0.0});
    }
    // Six nozzles: bells of gun metal with a glowing core.
    const Vec3d axis{-1.0, 0.0, 0.0};
    for (double y : {-11.0, -31.0}) {
        for (double z : {-32.0, 0.0, 32.0}) {
            const std::vector<Vec3d> root = ringAround({-285.0, y, z}, axis, 8.0, 8.0, 16);
            const std::vector<Vec3d> bell = ringAround({-300.0, y, z}, axis, 10.0, 10.0, 16);
            const std::vector<Vec3d> lip = ringAround({-300.0, y, z}, axis, 8.5, 8.5, 16);
            mesh.setTextureTile(8.0);
            mesh.setMaterial(kCapitalGunMetal);
            mesh.loft({root, bell}, true);
            mesh.loft({bell, lip}, false);
            mesh.setTextureTile(10.0);
            mesh.setMaterial(kCapitalEngineGlow);
            mesh.fan(lip, {-293.0, y, z}, {-270.0, y, z});
        }
    }
}

// A gun turret on the deck at (x, z) whose barrel runs along `aim` (±1 in z)
// and ends at `muzzle`.
void mainTurret(MeshBuilder& mesh, Vec3d muzzle, double aim) {
    const double cx = muzzle.x;
    const double cz = muzzle.z - 10.0 * aim;
    mesh.setTextureTile(8.0);
    mesh.setMaterial(kCapitalGunMetal);
    mesh.tube({cx, kDeckY - 1.0, cz}, {cx, 6.5, cz}, 6.4, 6.0, 12, false, true);
    // Gun house, sloping down towards the barrel.
    const double back = cz - 5.0 * aim;
    const double front = cz + 5.5 * aim;
    const std::vector<Vec3d> houseBottom = {{cx - 5.0, 6.5, back}, {cx + 5.0, 6.5, back},
                                            {cx + 5.0, 6.5, front}, {cx - 5.0, 6.5, front}};
    const std::vector<Vec3d> houseTop = {{cx - 4.2, 13.0, back + 0.5 * aim}, {cx + 4.2, 13.0, back + 0.5 * aim},
                                         {cx + 4.2, 12.0, front - 2.0 * aim}, {cx - 4.2, 12.0, front - 2.0 * aim}};
    mesh.loft({houseBottom, houseTop}, false);
    mesh.flatQuad(houseTop[0], houseTop[1], houseTop[2], houseTop[3], {cx, 9.0, cz});
    // Barrel with a muzzle brake; the muzzle face is centred on the gun point.
    const Vec3d along{0.0, 0.0, aim};
    const Vec3d barrelRoot{cx, muzzle.y, front - 0.5 * aim};
    const Vec3d brake = muzzle - along * 2.0;
    mesh.tube(barrelRoot, brake, 1.5, 1.2, 10, false, false);
    mesh.tube(brake, muzzle, 1.7, 1.7, 10, true, true);
}

// Small twin-barrelled defence turret on the deck.
void defenceTurret(MeshBuilder& mesh, Vec3d base, double aimX) {
    mesh.setTextureTile(6.0);
    mesh.setMaterial(kCapitalGunMetal);
    mesh.tube(base, base + Vec3d{0.0, 3.0, 0.0}, 3.6, 3.2, 10, false, true);
    for (double dz : {-1.2, 1.2}) {
        const Vec3d root = base + Vec3d{0.0, 2.2, dz};
        mesh.tube(root, root + Vec3d{7.0 * aimX, 1.2, 0.0}, 0.55, 0.45, 5, false, true);
    }
}

}  // namespace

void buildCapitalShip(MeshBuilder& mesh) {
    hull(mesh);
    armourBelts(mesh);
    superstructure(mesh);
    engines(mesh);
    for (double x : {35.0, 50.0, 70.0}) {
        mainTurret(mesh, {x, 10.0, 50.0}, 1.0);
        mainTurret(mesh, {x, 10.0, -50.0}, -1.0);
    }
    for (double x : {-230.0, -150.0, -125.0}) {
        defenceTurret(mesh, {x, kDeckY, 30.0}, -1.0);
        defenceTurret(mesh, {x, kDeckY, -30.0}, -1.0);
    }
    for (double x : {100.0, 165.0, 195.0}) {
        defenceTurret(mesh, {x, kDeckY, 24.0}, 1.0);
        defenceTurret(mesh, {x, kDeckY, -24.0}, 1.0);
    }
}
