#include <gtest/gtest.h>

#include <cstring>

#include "state/input_flags.h"
#include "world/picture_places.h"
#include "world/render_pass.h"
#include "world_fixture.h"

namespace {
// The ship's own axes at `frame`: where `point` sits relative to it.
Vec3 local(const ShipFrame& frame, const Vec3& point) {
    const Vec3 d = point - frame.position;
    return Vec3(d.dot(frame.right), d.dot(frame.up), d.dot(frame.forward));
}

void expectNear(const Vec3& a, const Vec3& b, float tolerance, const char* what, float t) {
    EXPECT_NEAR(a.x, b.x, tolerance) << what << " at " << t;
    EXPECT_NEAR(a.y, b.y, tolerance) << what << " at " << t;
    EXPECT_NEAR(a.z, b.z, tolerance) << what << " at " << t;
}

class PicturePlacesTest : public WorldTest {
protected:
    // The world's half of one tick, with the keys as they stand.
    void tick() {
        world->rememberPlaces();
        stepWorldPass();
    }
};
}  // namespace

// Pictures between two ticks: the ship and everything flying lie on the way
// from the last tick's place to this one's; what the ship fired and emitted
// this tick sits where the shown ship's muzzles and engines are, whatever the
// fraction, so nothing shows ahead of its nose.
TEST_F(PicturePlacesTest, BetweenTicksThingsLieOnTheirWayAndTheShipsOwnStayOnTheShip) {
    gameState = 1;
    keyRight = true;
    keyUp = true;
    for (int i = 0; i < 6; ++i) tick();
    keyFire = true;
    tick();  // a volley leaves the muzzles this tick
    world->fireEnemyBolt(Vec3(0.0f, 0.0f, -300.0f), Vec3(0.0f, 0.0f, 1.0f));
    tick();
    tick();  // that volley's bolts are on their way; the next volley waits for the cool-down
    keyFire = false;
    for (int i = 0; i < 2; ++i) tick();
    keyFire = true;
    tick();
    const PlayerShip& ship = *world->player;
    const PlayerBolt& fired = world->playerBolts[(world->nextPlayerBolt + World::kPlayerBoltCount - 1) % World::kPlayerBoltCount];
    ASSERT_TRUE(fired.fromMuzzle && fired.state == Active) << "a bolt fired this tick";
    const EnemyBolt& enemy = world->enemyBolts[0];
    ASSERT_EQ(enemy.state, Active);
    const Particle& spark = world->trails[0].particles[0];
    ASSERT_TRUE(spark.shipBorne && spark.state == Active);

    const PicturePlaces halfway(ship, 0.5f);
    const ShipFrame shown = ship.frameAt(0.5f);
    expectNear(shown.position, (ship.previousFrame.position + ship.position) * 0.5f, 1e-3f, "the ship", 0.5f);
    expectNear(halfway.place(enemy), (enemy.previousPosition + enemy.position) * 0.5f, 1e-3f, "an enemy bolt", 0.5f);
    EXPECT_NE(ship.previousFrame.position.z, ship.position.z) << "the ship moved in the tick";

    for (const float t : {0.0f, 0.25f, 0.5f, 0.75f, 1.0f}) {
        const PicturePlaces places(ship, t);
        const ShipFrame at = ship.frameAt(t);
        expectNear(local(at, places.place(fired)), local(ship.frame(), ship.muzzles[3]), 1e-3f, "the new bolt at its muzzle", t);
        expectNear(local(at, places.place(spark)), local(ship.frame(), spark.position), 1e-3f, "a spark behind its engine", t);
        const Vec3 along = places.along(fired);
        EXPECT_NEAR(along.dot(at.forward), 1.0f, 1e-4f) << "the new bolt points where the shown ship does, at " << t;
    }
    // At fraction 1 every place is the tick's own, to the bit.
    const Vec3 atOne = PicturePlaces(ship, 1.0f).place(enemy);
    EXPECT_EQ(std::memcmp(&atOne, &enemy.position, sizeof(Vec3)), 0);
}
