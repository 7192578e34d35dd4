#pragma once
// Everything a game's course depends on, apart from the random generator
// (saved beside it): the world's flags and score, the player's ship, every
// slot of every pool, the explosions' particles, the enemies, the overlay's
// menu and animation, and the game-flow globals (options, camera, fog, held
// keys and presses). A recording starts with one, so it replays exactly from
// the moment it began whatever the world held before: World::restart() keeps
// bolts in flight, explosions, trails and ring indices.
//
// Layout: a version byte, then the fields in a fixed order, little-endian
// through ByteWriter; floats by their exact bits.
#include <cstdint>

#include "world/byte_stream.h"

class Overlay;
class World;

inline constexpr std::uint8_t kGameSnapshotVersion = 1;

void writeGameSnapshot(ByteWriter& out, const World& world, const Overlay& overlay);

// Overwrites every field the snapshot holds in an existing world and overlay
// (of the same level: the enemies' layout comes from the level, not the
// snapshot). False on anything a snapshot of ours cannot hold: a short read,
// another version, a state word, ring index, menu item or count out of range.
// The world may then be half written and is to be thrown away.
bool readGameSnapshot(ByteReader& in, World& world, Overlay& overlay);
