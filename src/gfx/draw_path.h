#pragma once

// How the many small things of a frame (particles, bolts, glow copies) reach
// the GL: gathered into arrays and drawn a few calls at a time, or one by one
// in immediate mode. The game draws batched; the one-by-one drawing is kept as
// the plain reference the picture tests compare the batched frames against.
enum class DrawPath { Batched, OneByOne };
extern DrawPath drawPath;
