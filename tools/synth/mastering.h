#pragma once
#include "audio_buffer.h"

float decibelsToGain(float decibels);
float peakOf(const StereoBuffer& buffer);
float rmsOf(const StereoBuffer& buffer);

// Scales the buffer so its loudest sample sits at `ceilingDb` (dBFS).
void normalizePeak(StereoBuffer& buffer, float ceilingDb);

// Brings a music track to a target RMS level and rounds off the few peaks that
// would pass `ceilingDb` with a smooth static curve. The curve works sample by
// sample with no memory, so a looped track stays continuous across its seam.
void masterToLevel(StereoBuffer& buffer, float targetRmsDb, float ceilingDb);

// Fades the first and last `seconds` of a one-shot sound to zero.
void fadeEdges(StereoBuffer& buffer, double fadeInSeconds, double fadeOutSeconds);
