#pragma once
#include <ctime>
#include <string>

// F12: the next picture drawn is saved as a PNG in the pictures folder. The
// frame only reads the pixels back; naming, encoding and writing happen on
// the background thread, and the result shows as the window's notice.
void requestScreenshot();
// After the picture is drawn and before the swap: reads the back buffer when
// a screenshot was asked for and hands the pixels to the background thread.
void takeRequestedScreenshot(int width, int height);

// "veltrane-2026-12-08_22-41-07.png" for the local time `when`, with "-2",
// "-3", ... before ".png" for the second and later tries at the same second.
std::string screenshotFileName(std::time_t when, int attempt);
