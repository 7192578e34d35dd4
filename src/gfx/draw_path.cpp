#include "gfx/draw_path.h"

DrawPath drawPath = DrawPath::Batched;

namespace {
unsigned kindsSeen = 0;
unsigned lastKind = 0;
}  // namespace

void noteDrawKind(unsigned kind) {
    lastKind = kind % kDrawKindCount;
    kindsSeen |= 1u << lastKind;
}

unsigned drawKindsSeen() { return kindsSeen; }

unsigned lastDrawKind() { return lastKind; }
