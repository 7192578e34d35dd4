#pragma once

// What the keyboard, the mouse and the gamepads record between frames.
// Held-key flags last until the key's release; press flags live until the
// end of the next frame.

// Where a hold comes from. The key handlers serve the keyboard and, through
// ScopedInputSource, the gamepads.
enum class InputSource : unsigned char { Keyboard = 1, Gamepad = 2 };

// A held control: held while any source holds it, so letting go of the pad's
// fire leaves a Space that is still down firing. Setting or clearing it acts
// for the current source only.
class HeldFlag {
public:
    HeldFlag& operator=(bool held);
    operator bool() const { return sources != 0; }
    void releaseAll() { sources = 0; }
    // The sources holding it, one InputSource bit each (game snapshots keep them).
    unsigned char heldSources() const { return sources; }
    void setHeldSources(unsigned char bits) { sources = bits; }

private:
    unsigned char sources = 0;
};

// The source the key handlers act for now.
InputSource currentInputSource();

// Makes the key handlers act for `source` while it lives.
class ScopedInputSource {
public:
    explicit ScopedInputSource(InputSource source);
    ~ScopedInputSource();
    ScopedInputSource(const ScopedInputSource&) = delete;
    ScopedInputSource& operator=(const ScopedInputSource&) = delete;

private:
    InputSource previous;
};

extern HeldFlag keyUp;
extern HeldFlag keyDown;
extern HeldFlag keyLeft;
extern HeldFlag keyRight;
extern HeldFlag keyFire;
extern bool pressUp;
extern bool pressDown;
extern bool pressLeft;
extern bool pressRight;
extern bool wireframe;
// The pointer in window coordinates, from the motion callbacks.
extern int pointerX;
extern int pointerY;

// Clears the one-frame press flags after a frame.
void clearPresses();
// Back to the start-up values (tests).
void resetInput();
