#pragma once
#include <functional>

// Work that must not hold up a picture (writing settings, records and
// screenshots to the disk) runs here, one job at a time in the order given,
// on a thread of its own started by the first job. Jobs must not touch the
// game's state: they get copies of what they write.
void runInBackground(std::function<void()> job);
// Waits until every job given so far has run (at exit, and in tests).
void finishBackgroundJobs();
