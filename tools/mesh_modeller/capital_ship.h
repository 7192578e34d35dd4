#pragma once
#include "mesh_builder.h"

// Capital-ship materials; material i shows texture capital.p_<i>.bmp.
constexpr int kCapitalPlating = 0;
constexpr int kCapitalWindows = 1;
constexpr int kCapitalEngineGlow = 2;
constexpr int kCapitalBridge = 3;
constexpr int kCapitalDarkHull = 4;
constexpr int kCapitalGunMetal = 5;

// Models the battleship in the ship's model frame: x along the keel (bow at
// +x), y up, z across; inside x ±300, y −45..25, z ±75, with the six
// broadside guns' muzzles at (35|50|70, 10, ±50) pointing along ±z.
void buildCapitalShip(MeshBuilder& mesh);
