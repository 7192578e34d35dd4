#include "platform/x11_keyboard.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include <cctype>
#include <initializer_list>
#include <vector>

#include "platform/key_symbols.h"

namespace {
// X keycodes lie in 8..255; the stand-ins for unknown keys come after them.
constexpr int kCharStandIn = 256;
constexpr int kSpecialStandIn = 512;

Display* currentDisplay() { return glXGetCurrentDisplay(); }

// The keysym a GLUT character was typed with. Control characters are the
// keys GLUT reports as such; Ctrl+letter comes as 1..26.
KeySym keysymForChar(unsigned char key) {
    switch (key) {
        case 8: return XK_BackSpace;
        case 9: return XK_Tab;
        case 13: return XK_Return;
        case 27: return XK_Escape;
        case 127: return XK_Delete;
        default: break;
    }
    if (key >= 1 && key <= 26) return XK_a + (key - 1);
    return key;  // Latin-1 keysyms equal their character codes
}

// The keysyms GLUT turns into a special key: the keypad's as well as the main ones.
struct SpecialKeysyms {
    KeySym main = NoSymbol;
    KeySym keypad = NoSymbol;
};

SpecialKeysyms keysymsForSpecial(int key) {
    if (key >= GLUT_KEY_F1 && key <= GLUT_KEY_F12) {
        return {static_cast<KeySym>(XK_F1 + (key - GLUT_KEY_F1)), NoSymbol};
    }
    switch (key) {
        case GLUT_KEY_LEFT: return {XK_Left, XK_KP_Left};
        case GLUT_KEY_UP: return {XK_Up, XK_KP_Up};
        case GLUT_KEY_RIGHT: return {XK_Right, XK_KP_Right};
        case GLUT_KEY_DOWN: return {XK_Down, XK_KP_Down};
        case GLUT_KEY_PAGE_UP: return {XK_Page_Up, XK_KP_Page_Up};
        case GLUT_KEY_PAGE_DOWN: return {XK_Page_Down, XK_KP_Page_Down};
        case GLUT_KEY_HOME: return {XK_Home, XK_KP_Home};
        case GLUT_KEY_END: return {XK_End, XK_KP_End};
        case GLUT_KEY_INSERT: return {XK_Insert, XK_KP_Insert};
        case GLUT_KEY_SHIFT_L: return {XK_Shift_L, NoSymbol};
        case GLUT_KEY_SHIFT_R: return {XK_Shift_R, NoSymbol};
        case GLUT_KEY_CTRL_L: return {XK_Control_L, NoSymbol};
        case GLUT_KEY_CTRL_R: return {XK_Control_R, NoSymbol};
        case GLUT_KEY_ALT_L: return {XK_Alt_L, NoSymbol};
        case GLUT_KEY_ALT_R: return {XK_Alt_R, NoSymbol};
        default: return {};
    }
}

// The keyboard map, read from the server: every group and level of every key,
// so that a key typing the game's character only in a second layout's group,
// or only with AltGr, still reads as held.
class Keymap {
public:
    // Read again at most once a frame, on the first question after keysDownNow(),
    // so that a layout switched during play is followed.
    void markStale() { stale = true; }

    std::vector<int> keycodesTyping(Display* display, std::initializer_list<KeySym> keysyms) {
        refreshIfStale(display);
        return ::keycodesTyping(keys, lowest, keysyms);
    }

private:
    void refreshIfStale(Display* display) {
        if (!stale && display == readFrom) return;
        keys.clear();
        readFrom = display;
        stale = false;
        XkbDescPtr xkb = XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
        if (xkb == nullptr) return;
        lowest = xkb->min_key_code;
        for (int code = xkb->min_key_code; code <= xkb->max_key_code; ++code) {
            const KeySym* symbols = XkbKeySymsPtr(xkb, code);
            keys.push_back({XkbKeyNumGroups(xkb, code), XkbKeyGroupsWidth(xkb, code),
                            std::vector<unsigned long>(symbols, symbols + XkbKeyNumSyms(xkb, code))});
        }
        XkbFreeKeyboard(xkb, 0, True);
    }

    Display* readFrom = nullptr;
    bool stale = true;
    int lowest = 0;
    std::vector<KeySymbols> keys;  // from the keycode `lowest` on
};

Keymap keymap;

int lowestKeycodeTyping(std::initializer_list<KeySym> keysyms, int standIn) {
    Display* display = currentDisplay();
    if (display == nullptr) return standIn;
    const std::vector<int> codes = keymap.keycodesTyping(display, keysyms);
    return codes.empty() ? standIn : codes.front();
}

// A key that cannot be looked up counts as down: only a key known to be up is released.
bool anyKeycodeDown(const KeysDown& keysDown, std::initializer_list<KeySym> keysyms) {
    Display* display = currentDisplay();
    bool known = false;
    for (KeySym keysym : keysyms) known = known || keysym != NoSymbol;
    if (display == nullptr || !known) return true;
    for (int code : keymap.keycodesTyping(display, keysyms)) {
        if (code >= 0 && code < static_cast<int>(keysDown.size()) && keysDown.test(static_cast<std::size_t>(code))) {
            return true;
        }
    }
    return false;
}
}  // namespace

bool enableDetectableAutoRepeat() {
    Display* display = currentDisplay();
    if (display == nullptr) return false;
    Bool supported = False;
    XkbSetDetectableAutoRepeat(display, True, &supported);
    return supported == True;
}

int physicalKeyForChar(unsigned char key) {
    return lowestKeycodeTyping({keysymForChar(key)}, kCharStandIn + std::tolower(key));
}

int physicalKeyForSpecial(int key) {
    const SpecialKeysyms keysyms = keysymsForSpecial(key);
    return lowestKeycodeTyping({keysyms.main, keysyms.keypad}, kSpecialStandIn + (key & 511));
}

KeysDown keysDownNow() {
    KeysDown down;
    Display* display = currentDisplay();
    if (display == nullptr) return down;
    keymap.markStale();
    char bits[32] = {};
    XQueryKeymap(display, bits);
    for (int code = 0; code < 256; ++code) {
        if (bits[code / 8] & (1 << (code % 8))) down.set(static_cast<std::size_t>(code));
    }
    return down;
}

bool charKeyDown(const KeysDown& keysDown, unsigned char key) {
    return anyKeycodeDown(keysDown, {keysymForChar(key)});
}

bool specialKeyDown(const KeysDown& keysDown, int key) {
    const SpecialKeysyms keysyms = keysymsForSpecial(key);
    return anyKeycodeDown(keysDown, {keysyms.main, keysyms.keypad});
}
