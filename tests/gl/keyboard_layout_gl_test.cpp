#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/x11_keyboard.h"
#include "test_window.h"

namespace {
bool run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

// The display is shared with the other GL tests: the usual layout comes back however the test ends.
struct LayoutRestorer {
    ~LayoutRestorer() { run("setxkbmap -layout us"); }
};
}  // namespace

// The key poll must find a held key whatever group of the layout or level
// types the game's character: read from the first group's two levels only, a
// key seems let go on every check, and a held 'c' toggles the inversion.
TEST(KeyboardLayout, AKeyTypingItsCharacterInTheSecondGroupOrWithAltGrReadsHeld) {
    if (!run("command -v setxkbmap") || !run("command -v xdotool")) GTEST_SKIP() << "setxkbmap or xdotool missing";
    openTestWindow(64, 64);
    const LayoutRestorer restorer;
    struct Case {
        const char* layout;
        const char* heldKey;  // named as the first group types it, so xdotool holds that very key
        unsigned char gameKey;
    };
    // Russian first: the C key types 'c' only in the second group. German: the ß key types '\' with AltGr.
    for (const Case& held : {Case{"ru,us", "Cyrillic_es", 'c'}, Case{"de", "ssharp", '\\'}}) {
        ASSERT_TRUE(run(std::string("setxkbmap -layout ") + held.layout));
        ASSERT_TRUE(run(std::string("xdotool keydown ") + held.heldKey));
        const bool down = charKeyDown(keysDownNow(), held.gameKey);
        ASSERT_TRUE(run(std::string("xdotool keyup ") + held.heldKey));
        EXPECT_TRUE(down) << held.layout;
        EXPECT_FALSE(charKeyDown(keysDownNow(), held.gameKey)) << held.layout;
    }
}
