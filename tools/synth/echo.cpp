#include "echo.h"

#include "filter.h"

#include <algorithm>

StereoBuffer renderEcho(const StereoBuffer& input, const EchoSettings& settings, bool loop) {
    const size_t frames = input.frames();
    const size_t delay = std::max<size_t>(1, secondsToFrames(settings.delaySeconds));
    std::vector<float> lineLeft(delay, 0.0f), lineRight(delay, 0.0f);
    OnePoleLowPass dampLeft(settings.damping), dampRight(settings.damping);
    StereoBuffer wet(frames);
    size_t cursor = 0;
    const int passes = loop ? 2 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (size_t i = 0; i < frames; ++i) {
            const float outLeft = lineLeft[cursor];
            const float outRight = lineRight[cursor];
            const float fedLeft = dampLeft.process(outLeft) * settings.feedback;
            const float fedRight = dampRight.process(outRight) * settings.feedback;
            if (settings.pingPong) {
                // The dry signal enters on the left (mono sum) and bounces across.
                lineLeft[cursor] = 0.5f * (input.left[i] + input.right[i]) + fedRight;
                lineRight[cursor] = fedLeft;
            } else {
                lineLeft[cursor] = input.left[i] + fedLeft;
                lineRight[cursor] = input.right[i] + fedRight;
            }
            if (++cursor == delay) cursor = 0;
            wet.left[i] = outLeft;
            wet.right[i] = outRight;
        }
    }
    return wet;
}
