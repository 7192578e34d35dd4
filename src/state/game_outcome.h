#pragma once

// How one game ended, as the tally saw it. A game counts towards the records
// only when it was played as the rules stand: never with invincibility on,
// and won by destroying every enemy, not by the skip key.
struct GameOutcome {
    bool won = false;
    long long score = 0;
    long long steps = 0;  // steps the world ran in that game, 20 a second
    bool counts = false;
};
