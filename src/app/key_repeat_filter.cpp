#include "app/key_repeat_filter.h"

namespace {
bool inRange(int physicalKey) { return physicalKey >= 0 && physicalKey < kPhysicalKeyCount; }
}  // namespace

bool KeyRepeatFilter::press(int physicalKey, Key key) {
    if (!inRange(physicalKey)) return true;
    Held& slot = held[physicalKey];
    if (slot.down) return false;
    slot = Held{true, false, key};
    return true;
}

void KeyRepeatFilter::release(int physicalKey) {
    if (inRange(physicalKey)) held[physicalKey] = Held{};
}

void KeyRepeatFilter::releaseKeysLetGo(const std::function<bool(Key)>& isDown,
                                       const std::function<void(Key)>& releaseKey) {
    for (int physicalKey = 0; physicalKey < kPhysicalKeyCount; ++physicalKey) {
        Held& slot = held[physicalKey];
        if (!slot.down) continue;
        if (isDown(slot.key)) {
            slot.seenUp = false;
        } else if (!slot.seenUp) {
            slot.seenUp = true;
        } else {
            const Key key = slot.key;
            slot = Held{};
            releaseKey(key);
        }
    }
}
