#pragma once

// The records' lines on the title and end screens, drawn from what the
// records keeper left in recordNews; they change nothing.

// Under the title's prompt, centred: "Best score ...    Fastest win ..."
// (what there is; nothing before the first record).
void drawTitleRecordsLine(int width, int height);
// On the win or game-over screen, between its own texts: the records the
// game just ended set. `won` picks the win screen's place.
void drawRecordNewsLine(int width, int height, bool won);
