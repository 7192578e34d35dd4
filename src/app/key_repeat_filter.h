#pragma once
#include <bitset>

// Turns the keyboard's auto-repeat into one press and one release per hold:
// a key-down for a key that is already down is a repeat and is dropped.
// Letters are tracked without case, since a key can go down as 'A' and come
// up as 'a' when Shift changes in between.
class KeyRepeatFilter {
public:
    // True when this key-down is a new press.
    bool pressKey(unsigned char key);
    void releaseKey(unsigned char key);
    bool pressSpecial(int key);
    void releaseSpecial(int key);

private:
    static unsigned char fold(unsigned char key);
    static int specialSlot(int key);

    std::bitset<256> keysDown;
    std::bitset<512> specialsDown;
};
