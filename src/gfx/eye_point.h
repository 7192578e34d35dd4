#pragma once
#include "entities/vec3.h"

// Where the eye sits in the coordinates of the current modelview matrix: the
// point the matrix takes to the eye-space origin. Lets a draw skip the faces
// that turn their backs on the viewer.
Vec3 eyeInModelSpace();
