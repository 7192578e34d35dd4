#include <gtest/gtest.h>
#include <X11/keysym.h>

#include <utility>
#include <vector>

#include "platform/key_symbols.h"

namespace {
constexpr int kFirstKeycode = 8;
constexpr unsigned long kNoSymbol = 0;  // X.h's NoSymbol

// A keyboard map holding only the given keys, NoSymbol everywhere else.
std::vector<KeySymbols> keyboardWith(std::initializer_list<std::pair<int, KeySymbols>> keys) {
    std::vector<KeySymbols> map(248, KeySymbols{1, 2, {kNoSymbol, kNoSymbol}});
    for (const auto& [code, symbols] : keys) map[static_cast<std::size_t>(code - kFirstKeycode)] = symbols;
    return map;
}
}  // namespace

// Russian then US: the C key types 'c' only in the second group. German: the
// ß key types '\' only at the third level, with AltGr. Every key typing a symbol
// comes, lowest first; NoSymbol matches nothing.
TEST(KeySymbols, AKeyTypesItsCharacterInAnyGroupAndAtAnyLevel) {
    const auto keys = keyboardWith({{54, {2, 2, {XK_Cyrillic_es, XK_Cyrillic_ES, XK_c, XK_C}}},
                                    {20, {1, 4, {XK_ssharp, XK_question, XK_backslash, XK_questiondown}}},
                                    {113, {1, 1, {XK_Left}}}, {83, {1, 2, {XK_KP_Left, XK_KP_4}}}});
    EXPECT_EQ(keycodesTyping(keys, kFirstKeycode, {XK_c}), std::vector<int>{54});
    EXPECT_EQ(keycodesTyping(keys, kFirstKeycode, {XK_C}), std::vector<int>{54});
    EXPECT_EQ(keycodesTyping(keys, kFirstKeycode, {XK_backslash}), std::vector<int>{20});
    EXPECT_EQ(keycodesTyping(keys, kFirstKeycode, {XK_Left, XK_KP_Left}), (std::vector<int>{83, 113}));
    EXPECT_TRUE(keycodesTyping(keys, kFirstKeycode, {XK_f}).empty());
    EXPECT_TRUE(keycodesTyping(keys, kFirstKeycode, {kNoSymbol}).empty());
}
