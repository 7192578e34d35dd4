#pragma once

// The window's notice (state/hud_notice.h), when there is one: white text on
// a dark translucent band, centred just under the HUD's top line, so it reads
// on any picture and covers neither the score, the enemy count nor the
// health bar. Leaves the GL state as it found it.
void drawNoticeLine(int width, int height);

// A picture about to be saved as a screenshot leaves the notice out, or each
// quick second screenshot would carry the first one's "saved" line.
void hideNoticeLine(bool hidden);
