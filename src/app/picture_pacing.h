#pragma once
#include <cstdint>

// Paces the game's steps and its pictures apart: the world steps exactly 20
// times a second of wall time, while pictures come as often as the display
// (or a cap) allows and are drawn between the last two steps. The pacer keeps
// no clock of its own: every time is a nanosecond reading of the frame clock
// the caller passes in, so a test can drive it with plain numbers.
class SmoothPacer {
public:
    static constexpr std::int64_t kTickPeriodNs = 50'000'000;

    // picturePeriodNs: the shortest time from one picture's start to the next
    // one's; 0 lets pictures come as fast as they are drawn.
    explicit SmoothPacer(std::int64_t picturePeriodNs);

    // Called once at the start of every frame, before its picture: whether
    // the world steps once now. Steps keep to a fixed schedule, so they do not
    // drift; at most one runs per picture, and steps missed by a stall or by
    // a renderer slower than the steps are dropped, not caught up in a burst.
    bool takeTick(std::int64_t now);

    // How far the picture drawn at `now` lies between the last step and the
    // next, in [0, 1]; exactly 1 once the next step is due.
    float fraction(std::int64_t now) const;

    // When the next picture may start, given that this one started at
    // pictureStartedAt; call once per picture. Pictures keep a fixed cadence
    // (an oversleep is made up by the next wait), but a picture that started
    // a whole period late starts the cadence afresh instead of hurrying.
    // Without a cap the answer is pictureStartedAt itself: no wait.
    std::int64_t nextPictureAt(std::int64_t pictureStartedAt);

    std::int64_t picturePeriodNs() const { return picturePeriod; }

private:
    std::int64_t picturePeriod = 0;
    bool ticked = false;
    std::int64_t nextTickAt = 0;
    bool pictureCadenceStarted = false;
    std::int64_t pictureSlot = 0;
};
