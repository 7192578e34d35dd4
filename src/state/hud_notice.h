#pragma once
#include <string>

// A short message over the picture for two seconds: the volume after a
// volume key, where a screenshot went or why it failed. It belongs to the
// window, not to the game: ticks never read it and recordings never hold it.
// Safe to call from any thread (a screenshot's result comes from the disk's).
void showNotice(const std::string& text);
// The message to show now; empty once its two seconds have passed.
std::string noticeNow();
