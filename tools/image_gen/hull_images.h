#pragma once
#include <string>

// Turret-block plating: "square.ppm" (the painted, grimy surface) and
// "cubebump.ppm" (its grey relief: grooves dark, rivets bright). Both tile.
bool writeHullImages(const std::string& outDir);

// "title_square.ppm": the polished deck tile under the ship on the title screen.
bool writeTitleFloorImage(const std::string& outDir);

// "particle.ppm": a soft white glow fading to black at the rim.
bool writeParticleImage(const std::string& outDir);
