#pragma once
#include "mesh_builder.h"

// Player mesh materials, by the role their colours give them.
constexpr int kFighterCanopy = 1;
constexpr int kFighterGlow = 2;
constexpr int kFighterMarking = 3;
constexpr int kFighterHull = 4;

// Models the player's fighter in its own frame: x right, y up, z forward,
// inside x ±0.8, y ±1.0, z −1.8..0.9, guns ending at the muzzles and the
// exhaust cones at the nozzle points.
void buildPlayerFighter(MeshBuilder& mesh);
