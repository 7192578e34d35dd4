// A capital ship breaking up: a deep blast, then secondary explosions rolling
// through the hull, all in a long reverberant tail.
#include "blast.h"
#include "tracks.h"

#include "../mastering.h"
#include "../reverb.h"

namespace {

constexpr double kSeconds = 4.0;

struct Secondary {
    double at;    // seconds after the first blast
    float level;
    float pan;
};
constexpr Secondary kSecondaries[] = {{0.45, 0.55f, -0.5f}, {1.05, 0.45f, 0.6f}, {1.7, 0.35f, -0.2f}};

}  // namespace

StereoBuffer makeBigExplode() {
    BlastSettings main;
    main.seconds = static_cast<float>(kSeconds);
    main.attack = 0.004f;
    main.decay = 0.9f;
    main.startCutoffHz = 4000.0f;
    main.endCutoffHz = 120.0f;
    main.cutoffFall = 0.5f;
    main.boomStartHz = 90.0f;
    main.boomEndHz = 28.0f;
    main.boomDecay = 1.1f;
    main.boomLevel = 0.9f;
    main.cracklePerSecond = 40.0f;
    main.crackleLevel = 0.35f;
    StereoBuffer out = renderBlast(main, 0xB16ull);

    BlastSettings secondary;
    secondary.seconds = 1.5f;
    secondary.decay = 0.25f;
    secondary.startCutoffHz = 3000.0f;
    secondary.endCutoffHz = 200.0f;
    secondary.cutoffFall = 0.2f;
    secondary.boomStartHz = 110.0f;
    secondary.boomEndHz = 40.0f;
    secondary.boomDecay = 0.3f;
    uint64_t seed = 0xB17ull;
    for (const Secondary& hit : kSecondaries) {
        const StereoBuffer layer = renderBlast(secondary, seed++);
        const size_t start = secondsToFrames(hit.at);
        const float toLeft = hit.level * (hit.pan <= 0.0f ? 1.0f : 1.0f - hit.pan);
        const float toRight = hit.level * (hit.pan >= 0.0f ? 1.0f : 1.0f + hit.pan);
        for (size_t i = 0; i < layer.frames() && start + i < out.frames(); ++i) {
            out.left[start + i] += layer.left[i] * toLeft;
            out.right[start + i] += layer.right[i] * toRight;
        }
    }
    addBuffer(out, renderReverb(out, {0.86f, 2500.0f}, false), 0.5f);
    fadeEdges(out, 0.0, 0.6);
    normalizePeak(out, -1.0f);
    return out;
}
