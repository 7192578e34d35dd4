#include "state/records.h"

#include <gtest/gtest.h>

namespace {
GameOutcome outcome(bool won, long long score, long long steps, bool counts = true) { return {won, score, steps, counts}; }
}  // namespace

// Only games that count move the records; a record is set by beating it.
TEST(Records, OutcomesSetRecordsOnlyByBeatingThem) {
    Records r;
    RecordsSet set = applyOutcome(r, outcome(true, 900, 100, false));
    EXPECT_TRUE(r == Records{} && !set.bestScore && !set.fastestWin) << "a game that does not count";
    set = applyOutcome(r, outcome(false, 0, 50));
    EXPECT_TRUE(!set.bestScore && r.bestScore == 0 && r.gamesPlayed == 1) << "a score of 0 is no record";
    set = applyOutcome(r, outcome(false, 300, 80));
    EXPECT_TRUE(set.bestScore && !set.fastestWin && r.bestScore == 300);
    set = applyOutcome(r, outcome(true, 300, 2506));
    EXPECT_TRUE(!set.bestScore && set.fastestWin && r.fastestWinSteps == 2506) << "a tie is no record";
    set = applyOutcome(r, outcome(true, 500, 2506));
    EXPECT_TRUE(set.bestScore && !set.fastestWin);
    set = applyOutcome(r, outcome(false, 100, 10));
    EXPECT_FALSE(set.fastestWin) << "a short lost game is no win";
    EXPECT_EQ(r, (Records{500, 2506, 5, 2}));
    EXPECT_EQ(recordsTitleLine(r), "Best score 500    Fastest win 2:05.3");
    EXPECT_EQ(recordsTitleLine(Records{}), "");
    EXPECT_EQ(recordsTitleLine(Records{0, 40, 1, 1}), "Fastest win 0:02.0");
}

TEST(Records, WinTimesAreCutToTenths) {
    EXPECT_EQ(formatWinTime(1), "0:00.0");
    EXPECT_EQ(formatWinTime(3), "0:00.1");
    EXPECT_EQ(formatWinTime(1199), "0:59.9");
    EXPECT_EQ(formatWinTime(1200), "1:00.0");
    EXPECT_EQ(formatWinTime(20 * 3600 + 21), "60:01.0");
}

// What the game writes reads back the same; anything it could not have written is refused.
TEST(Records, FileRoundTripsAndRefusesWhatTheGameNeverWrites) {
    std::string error;
    for (const Records& r : {Records{}, Records{2147483647, 1, 12, 3}}) {
        EXPECT_EQ(parseRecords(formatRecords(r), error), r) << error;
    }
    EXPECT_EQ(parseRecords("\r\n  best_score=7\t\r\n games_played = 1\n", error), (Records{7, std::nullopt, 1, 0})) << error;
    const char* const bad[] = {
        "best_score 7\n",                                    // no '='
        "best_score = 7\nbest_score = 8\ngames_played = 1",  // twice
        "high_score = 7\n",                                  // unknown
        "best_score = -1\n",
        "best_score = 2147483648\ngames_played = 1\n",  // above any score
        "games_played = 99999999999999999999\n",
        "games_played = 1\ngames_won = 2\nfastest_win_steps = 5\n",
        "games_played = 2\ngames_won = 1\n",  // a win without its time
        "\x7f" "ELF\x02\x01\x01",
    };
    for (const char* text : bad) {
        error.clear();
        EXPECT_FALSE(parseRecords(text, error).has_value()) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
    parseRecords("# header\n\ngames_played = x\n", error);
    EXPECT_EQ(error.rfind("line 3: ", 0), 0u) << error;
}
