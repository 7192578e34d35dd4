#include "entities/enemy_bolt.h"

#include "world/world.h"

int EnemyBolt::update() {
    if (state == Inactive) return Inactive;
    position += direction * speed;
    if (getWorld()->isOutsideArena(*this)) state = Inactive;
    return state;
}
