#pragma once

// Fixes the C library's heap thresholds for the whole run. Call first thing
// at start-up, before any large buffer is allocated and freed.
void fixHeapThresholds();
