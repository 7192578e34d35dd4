#pragma once
#include <cstdint>

// A digest of one fixed, scripted game (a set seed and set input through a
// capital ship's death, wins, a restart and the player's death), made at build
// time by tools/rules_fingerprint. Almost any change to the game's rules
// changes it, so a recording made under other rules can be refused rather
// than replayed into nonsense: a tripwire, not a proof.
std::uint64_t rulesFingerprint();
