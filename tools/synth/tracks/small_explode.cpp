// A turret going up: a short, crisp burst with a little thump.
#include "blast.h"
#include "tracks.h"

#include "../mastering.h"

StereoBuffer makeSmallExplode() {
    BlastSettings blast;
    blast.seconds = 0.8f;
    blast.attack = 0.001f;
    blast.decay = 0.14f;
    blast.startCutoffHz = 9000.0f;
    blast.endCutoffHz = 400.0f;
    blast.cutoffFall = 0.09f;
    blast.boomStartHz = 150.0f;
    blast.boomEndHz = 55.0f;
    blast.boomDecay = 0.09f;
    blast.boomLevel = 0.7f;
    blast.cracklePerSecond = 120.0f;
    blast.crackleLevel = 0.4f;
    StereoBuffer out = renderBlast(blast, 0x5A11ull);
    fadeEdges(out, 0.0, 0.05);
    normalizePeak(out, -1.0f);
    return out;
}
