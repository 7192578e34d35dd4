// Veltrane: a space shooter. The game reads its data from the working directory.
#include <GL/glut.h>

#include "app/startup.h"

int main(int argc, char** argv) {
    startUp(argc, argv);
    glutMainLoop();
    return 0;
}
