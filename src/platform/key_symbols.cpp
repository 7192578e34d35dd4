#include "platform/key_symbols.h"

#include <cstddef>

namespace {
constexpr unsigned long kNoSymbol = 0;

bool typesAny(const KeySymbols& key, std::initializer_list<unsigned long> wanted) {
    for (int group = 0; group < key.groups; ++group) {
        for (int level = 0; level < key.width; ++level) {
            const std::size_t index = static_cast<std::size_t>(group * key.width + level);
            if (index >= key.keysyms.size()) return false;
            const unsigned long typed = key.keysyms[index];
            if (typed == kNoSymbol) continue;
            for (unsigned long keysym : wanted) {
                if (typed == keysym) return true;
            }
        }
    }
    return false;
}
}  // namespace

std::vector<int> keycodesTyping(const std::vector<KeySymbols>& keys, int firstKeycode,
                                std::initializer_list<unsigned long> wanted) {
    std::vector<int> codes;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (typesAny(keys[i], wanted)) codes.push_back(firstKeycode + static_cast<int>(i));
    }
    return codes;
}
