#pragma once

// One tick: the game's whole step, 20 a second. It applies the queued input
// in the order it came, runs the world's step and the rules that decide what
// its pictures show (while the game runs), then the overlay's menu and
// animation, and clears the presses. It makes no GL call: any number of
// pictures, none included, may follow it without changing the game.
void runTick();
// Ticks run since start-up (tests and benchmarks count them).
long long ticksRun();
