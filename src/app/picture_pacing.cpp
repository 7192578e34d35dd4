#include "app/picture_pacing.h"

SmoothPacer::SmoothPacer(std::int64_t picturePeriodNs) : picturePeriod(picturePeriodNs > 0 ? picturePeriodNs : 0) {}

bool SmoothPacer::takeTick(std::int64_t now) {
    if (!ticked) {
        ticked = true;
        nextTickAt = now + kTickPeriodNs;
        return true;
    }
    if (now < nextTickAt) return false;
    nextTickAt += kTickPeriodNs;
    // A whole step or more behind: the game slows down rather than rushing
    // through the steps it owes.
    if (nextTickAt <= now) nextTickAt = now + kTickPeriodNs;
    return true;
}

float SmoothPacer::fraction(std::int64_t now) const {
    if (!ticked || now >= nextTickAt) return 1.0f;
    const std::int64_t sinceTick = now - (nextTickAt - kTickPeriodNs);
    if (sinceTick <= 0) return 0.0f;
    return static_cast<float>(static_cast<double>(sinceTick) / static_cast<double>(kTickPeriodNs));
}

std::int64_t SmoothPacer::nextPictureAt(std::int64_t pictureStartedAt) {
    if (picturePeriod == 0) return pictureStartedAt;
    if (!pictureCadenceStarted || pictureStartedAt - pictureSlot >= picturePeriod) {
        pictureCadenceStarted = true;
        pictureSlot = pictureStartedAt;
    }
    pictureSlot += picturePeriod;
    return pictureSlot;
}
