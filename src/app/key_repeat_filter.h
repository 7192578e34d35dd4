#pragma once
#include <array>
#include <cstdint>
#include <functional>

#include "platform/x11_keyboard.h"

// Turns the keyboard's auto-repeat into one press and one release per hold:
// a key-down for a physical key that is already down is a repeat and is
// dropped. Keys are matched by the physical key, not the character, since
// Shift pressed in between turns '0' going down into ')' coming up.
//
// A release can also never arrive: a key let go while another window had the
// focus. Once a frame the filter compares its held keys with the keyboard's
// own state, and a key seen up on two checks in a row (a real release still
// on its way is handled within one frame) is released for the game.
class KeyRepeatFilter {
public:
    // What the game was told went down: a GLUT character or special key.
    struct Key {
        bool special = false;
        int code = 0;
    };

    // True when this key-down is a new press.
    bool press(int physicalKey, Key key);
    void release(int physicalKey);
    // Releases, through `releaseKey`, each held key that `isDown` reports up
    // on this check and the previous one.
    void releaseKeysLetGo(const std::function<bool(Key)>& isDown,
                          const std::function<void(Key)>& releaseKey);

private:
    struct Held {
        bool down = false;
        bool seenUp = false;
        Key key;
    };
    std::array<Held, kPhysicalKeyCount> held{};
};
