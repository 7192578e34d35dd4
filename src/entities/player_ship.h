#pragma once
#include "entities/hull.h"
#include "entities/ship_model.h"

class EnemyBolt;

// The player's ship: flies forward all the time, turns by pitching and
// rolling, fires volleys of four bolts, leaves two engine trails, and dies
// when its health runs out. It also supplies the camera's eye points.
class PlayerShip : public ShipModel {
public:
    static constexpr int kFireCooldown = 5;  // frames between volleys
    static constexpr int kTrailParticles = 100;

    PlayerShip();

    // Positive raises the nose.
    void pitch(float degrees);
    // Positive tilts up towards right (right wing down).
    void roll(float degrees);
    // Requests a volley for the next update unless the guns are cooling down.
    void fire();
    int update() override;
    void draw() const override;
    // Draws the ship as a picture at `fraction` of the step shows it (nothing once destroyed).
    void drawAt(float fraction) const;
    void advance() override;
    void takeDamage(float amount);
    // Whether the enemy bolt's path this step crosses the hull.
    bool hitByBolt(const EnemyBolt& bolt) const;
    void reset();

    Vec3 getForward() const { return forward; }
    Vec3 getUp() const { return up; }
    Vec3 cockpitEye() const;
    Vec3 chaseEye() const;
    Vec3 deathEye() const;
    // The eye of camera mode 1 (cockpit), 2 (chase) or 3 (death) for a ship
    // standing as `frame` says; the same values as the three above for the
    // ship's own frame.
    static Vec3 eyeOf(const ShipFrame& frame, int cameraMode);
    // Recomputes the camera offset, nozzles, muzzles and hull from the frame and position.
    void refreshPoints();

    float health = 1.0f;
    int fireCooldown = 0;
    Vec3 muzzles[4];
    Vec3 nozzles[2];
    Hull hull;
    bool invincible = false;
    bool fireRequested = false;

private:
    void turn(float degrees, float axisX, float axisY, float axisZ);
    void computeHull();
};
