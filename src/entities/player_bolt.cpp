#include "entities/player_bolt.h"

#include "world/world.h"

int PlayerBolt::update() {
    if (state == Inactive) return Inactive;
    if (!hold) position += direction * speed;
    hold = false;
    if (getWorld()->isOutsideArena(*this)) {
        hold = true;
        state = Inactive;
    }
    return state;
}
