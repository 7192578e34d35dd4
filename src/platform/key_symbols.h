#pragma once
#include <initializer_list>
#include <vector>

// One key of the keyboard map: the keysym it types in each group of the
// layout (a second layout is a second group) at each level (Shift, AltGr and
// the rest), laid out as XKB keeps them, group after group. 0 is NoSymbol.
struct KeySymbols {
    int groups = 0;
    int width = 0;  // levels per group
    std::vector<unsigned long> keysyms;
};

// The keycodes, lowest first, of the keys that type any of `wanted` in any
// group at any level. `keys[i]` is the key with keycode `firstKeycode + i`;
// a wanted NoSymbol matches nothing.
std::vector<int> keycodesTyping(const std::vector<KeySymbols>& keys, int firstKeycode,
                                std::initializer_list<unsigned long> wanted);
