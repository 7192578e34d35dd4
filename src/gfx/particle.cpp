#include "gfx/particle.h"

#include <GL/gl.h>

#include "entities/random.h"
#include "gfx/texture_upload.h"

unsigned particleTexture = 0;

void loadParticleTexture() { particleTexture = loadPpmTexture("particle.ppm"); }

int Particle::update() {
    if (state == Inactive) return Inactive;
    life -= 1.0f;
    if (life <= 0.0f) {
        state = Inactive;
        return Inactive;
    }
    position.x += velocity.x * speed;
    position.y += velocity.y * speed;
    position.z += velocity.z * speed;
    alpha = life / maxLife;
    return state;
}

void Particle::rollFlip() { flipped = randomFlip && randSigned() > 0.0f; }

void Particle::draw() const { drawAt(position); }

void Particle::drawAt(const Vec3& place) const {
    if (state == Inactive) return;
    glBindTexture(GL_TEXTURE_2D, particleTexture);
    glColor4f(red, green, blue, alpha);
    glPushMatrix();
    glTranslatef(place.x, place.y, place.z);
    const float edge = size * kEdgePerSize;
    glScalef(edge, edge, edge);
    if (flipped) glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(1.0f, 1.0f, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(0.0f, 1.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(1.0f, 0.0f, 0.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glEnd();
    glPopMatrix();
}
