#include "state/input_flags.h"

#include <initializer_list>

namespace {
InputSource currentSource = InputSource::Keyboard;
}  // namespace

HeldFlag& HeldFlag::operator=(bool held) {
    const auto bit = static_cast<unsigned char>(currentSource);
    sources = static_cast<unsigned char>(held ? sources | bit : sources & ~bit);
    return *this;
}

InputSource currentInputSource() { return currentSource; }

ScopedInputSource::ScopedInputSource(InputSource source) : previous(currentSource) { currentSource = source; }
ScopedInputSource::~ScopedInputSource() { currentSource = previous; }

HeldFlag keyUp;
HeldFlag keyDown;
HeldFlag keyLeft;
HeldFlag keyRight;
HeldFlag keyFire;
bool pressUp = false;
bool pressDown = false;
bool pressLeft = false;
bool pressRight = false;
bool wireframe = false;
int pointerX = 0;
int pointerY = 0;

void clearPresses() {
    pressUp = false;
    pressLeft = false;
    pressRight = false;
    pressDown = false;
}

void resetInput() {
    for (HeldFlag* flag : {&keyUp, &keyDown, &keyLeft, &keyRight, &keyFire}) flag->releaseAll();
    clearPresses();
    wireframe = false;
    pointerX = pointerY = 0;
}
