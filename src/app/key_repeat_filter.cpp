#include "app/key_repeat_filter.h"

#include <cctype>

unsigned char KeyRepeatFilter::fold(unsigned char key) {
    return static_cast<unsigned char>(std::tolower(key));
}

int KeyRepeatFilter::specialSlot(int key) { return key & 511; }

bool KeyRepeatFilter::pressKey(unsigned char key) {
    const unsigned char slot = fold(key);
    if (keysDown.test(slot)) return false;
    keysDown.set(slot);
    return true;
}

void KeyRepeatFilter::releaseKey(unsigned char key) { keysDown.reset(fold(key)); }

bool KeyRepeatFilter::pressSpecial(int key) {
    const int slot = specialSlot(key);
    if (specialsDown.test(slot)) return false;
    specialsDown.set(slot);
    return true;
}

void KeyRepeatFilter::releaseSpecial(int key) { specialsDown.reset(specialSlot(key)); }
