#pragma once
#include "world/demo_format.h"

// --timedemo: plays a recording in the window with one picture per tick, as
// fast as the machine draws, and prints the ticks, the seconds, pictures a
// second and the median, p99 and worst frame work (tick, picture and the
// GL's finish): the game's own benchmark. The window keeps its size whatever
// the recording does. Answers the exit status.
int timeDemo(const Demo& demo, const char* path);
