#include "gfx/bolt_lines.h"

#include <GL/gl.h>

#include "entities/bolt.h"

void BoltLines::add(const Bolt& bolt, const Vec3& place, const Vec3& direction) {
    if (bolt.state == Inactive) return;
    const Vec3& p = place;
    const Vec3 end = direction * bolt.length;
    const float ends[2][3] = {{p.x, p.y, p.z}, {p.x + end.x, p.y + end.y, p.z + end.z}};
    for (const auto& point : ends) {
        vertices.insert(vertices.end(), point, point + 3);
        colours.insert(colours.end(), bolt.colour, bolt.colour + 3);
    }
}

void BoltLines::draw() {
    if (vertices.empty()) return;
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, vertices.data());
    glColorPointer(3, GL_FLOAT, 0, colours.data());
    glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(vertices.size() / 3));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    // The last bolt's colour stays current, as after drawing it on its own.
    const float* last = &colours[colours.size() - 3];
    glColor3f(last[0], last[1], last[2]);
    vertices.clear();
    colours.clear();
}
