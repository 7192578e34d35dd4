#include "entities/bolt.h"

#include <GL/gl.h>

Bolt::Bolt(float boltSpeed, float boltLength, float red, float green, float blue)
    : length(boltLength), colour{red, green, blue}, speed(boltSpeed) {}

void Bolt::draw() const { drawAt(position, direction); }

void Bolt::drawAt(const Vec3& place, const Vec3& along) const {
    if (state == Inactive) return;
    glPushMatrix();
    glTranslatef(place.x, place.y, place.z);
    glColor3f(colour[0], colour[1], colour[2]);
    const Vec3 end = along * length;
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(end.x, end.y, end.z);
    glEnd();
    glPopMatrix();
}
