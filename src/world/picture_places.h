#pragma once
#include "entities/bolt.h"
#include "entities/frame_blend.h"
#include "entities/player_ship.h"
#include "gfx/particle.h"

// Where a picture between two ticks shows each thing: blended from where the
// last tick left it to where this tick put it, except what the ship emitted
// or fired this tick, which is placed relative to the ship as the picture
// shows it, so nothing shows ahead of its nose. At fraction 1 every place is
// the tick's own, with no arithmetic at all.
class PicturePlaces {
public:
    PicturePlaces(const PlayerShip& ship, float fraction)
        : t(fraction), blending(fraction != 1.0f), current(ship.frame()), shown(ship.frameAt(fraction)) {}

    Vec3 place(const Bolt& bolt) const {
        if (!blending) return bolt.position;
        if (bolt.fromMuzzle) return carryPoint(current, shown, bolt.position);
        return blendPlace(bolt.previousPosition, bolt.position, t);
    }
    Vec3 along(const Bolt& bolt) const {
        if (blending && bolt.fromMuzzle) return carryDirection(current, shown, bolt.direction);
        return bolt.direction;
    }
    Vec3 place(const Particle& particle) const {
        if (!blending) return particle.position;
        if (particle.shipBorne) return carryPoint(current, shown, particle.position);
        return blendPlace(particle.previousPosition, particle.position, t);
    }

private:
    float t;
    bool blending;
    ShipFrame current;
    ShipFrame shown;
};
