#pragma once

struct _XDisplay;  // Xlib's own tag, so no X header is needed here

// Tells whether a window holds the keyboard focus. freeglut reports no focus
// changes, so the watch asks the X server itself, once a frame, on a
// connection of its own. Asking rather than listening for FocusIn/FocusOut
// makes keyboard grabs (a desktop's hotkeys, a screenshot tool) invisible, as
// a grab leaves the focus where it was, and needs no first state to be right.
//
// A loss is believed only after a few polls in a row without the focus: a
// window manager switching the window to or from full screen may take the
// focus away for a moment and give it back.
class FocusWatch {
public:
    static constexpr int kPollsToLoseFocus = 4;

    FocusWatch() = default;
    FocusWatch(const FocusWatch&) = delete;
    FocusWatch& operator=(const FocusWatch&) = delete;
    ~FocusWatch();

    // Watches `window` on the X display `displayName` (null: $DISPLAY).
    // False when the display cannot be opened; the watch then says focused.
    bool start(const char* displayName, unsigned long window);
    void stop();
    bool isWatching() const { return display != nullptr; }

    // Asks who holds the focus now. Call once a frame.
    void poll();
    // Focused until a loss is believed; always while nothing is watched.
    bool hasFocus() const { return focused; }
    // True on the one poll on which the focus was found lost or regained.
    bool lostFocus() const { return lostNow; }
    bool gainedFocus() const { return gainedNow; }

private:
    bool focusIsOurs();
    bool isInsideWindow(unsigned long candidate);

    _XDisplay* display = nullptr;
    unsigned long window = 0;
    // The last focus window that was not ours, so that asking again costs nothing.
    unsigned long lastForeignFocus = 0;
    bool focused = true;
    bool lostNow = false;
    bool gainedNow = false;
    int pollsWithoutFocus = 0;
};
