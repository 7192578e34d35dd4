#pragma once

// How the many small things of a frame (particles, bolts, glow copies) reach
// the GL: gathered into arrays and drawn a few calls at a time, or one by one
// in immediate mode. The game draws batched; the one-by-one drawing is kept as
// the plain reference the picture tests compare the batched frames against.
enum class DrawPath { Batched, OneByOne };
extern DrawPath drawPath;

// The kinds of world frame a software GL compiles a program for: the camera,
// fog, wireframe and the pause menu drawn over the world, one bit each. The
// world's drawing notes each kind it draws, so tests can tell that the
// start-up warm-up drew every kind before play and play met none anew.
enum DrawKindBit : unsigned { DrawChaseView = 1, DrawFog = 2, DrawWireframe = 4, DrawPauseMenu = 8 };
constexpr unsigned kDrawKindCount = 16;
void noteDrawKind(unsigned kind);
// One bit per kind drawn since start-up (bit `kind`), and the last kind drawn.
unsigned drawKindsSeen();
unsigned lastDrawKind();
