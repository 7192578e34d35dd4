#include "world/game_tally.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/records_keeper.h"
#include "platform/background_jobs.h"
#include "state/record_news.h"
#include "state/records.h"
#include "world/game_tick.h"
#include "world_fixture.h"

namespace {
std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class GameTally : public OverlayWorldTest {
protected:
    void SetUp() override {
        OverlayWorldTest::SetUp();
        resetGameTally();
    }
    // What live play does after each tick (the records keeper's test keeps them).
    virtual void afterTick() {}
    void tick() {
        runTick();
        afterTick();
    }
    void tap(unsigned char key) {
        queueKeyDown(key);
        queueKeyUp(key);
        tick();
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) tick();
    }
    // Every enemy gone: the next step's count finds none and the rules declare the win.
    void destroyEveryEnemy() {
        for (auto& ship : world->waves->capitalShips) ship->state = Inactive;
        for (auto& block : world->waves->blocks)
            for (Turret& turret : block->turrets) turret.state = Inactive;
    }
    // The ship's nose inside a turret block with almost no health: dead in the next step.
    void crashNextStep() {
        world->player->health = 0.01f;
        world->player->setPosition(250.0f, 250.0f, -799.5f);
    }
    GameOutcome ended() {
        const std::optional<GameOutcome> outcome = takeGameOutcome();
        EXPECT_TRUE(outcome.has_value());
        return outcome.value_or(GameOutcome{});
    }
};
}  // namespace

// Steps count from the starting tick to the ending one, paused ticks left
// out; a win and a death both end a game that counts, with its score.
TEST_F(GameTally, CountsTheStepsOfAWonAndALostGame) {
    ticks(5);
    EXPECT_FALSE(tallyingAGame()) << "the title screen is no game";
    tap(' ');
    EXPECT_TRUE(tallyingAGame());
    ticks(9);
    tap('p');
    ticks(4);
    tap('p');  // the step runs again in this tick
    destroyEveryEnemy();
    world->score = 4200;
    tick();
    ASSERT_TRUE(world->won);
    const GameOutcome win = ended();
    EXPECT_TRUE(win.won && win.counts);
    EXPECT_EQ(win.steps, 12);
    EXPECT_EQ(win.score, 4200);
    ticks(20);  // the game goes on after the win: no second end
    EXPECT_FALSE(takeGameOutcome().has_value() || tallyingAGame());

    tap('r');
    EXPECT_TRUE(tallyingAGame());
    ticks(2);
    crashNextStep();
    tick();
    ASSERT_TRUE(world->gameOver);
    const GameOutcome death = ended();
    EXPECT_TRUE(!death.won && death.counts);
    EXPECT_EQ(death.steps, 4);
    EXPECT_EQ(death.score, 0) << "the restart's score";
    EXPECT_FALSE(takeGameOutcome().has_value()) << "taken once";
}

// Invincibility at any moment of a game, even switched off again, or a win
// by the skip key keeps that game out of the records.
TEST_F(GameTally, InvincibleGamesAndSkippedWinsDoNotCount) {
    tap(' ');
    tap('i');
    tap('i');
    ASSERT_FALSE(optInvincible || world->player->invincible);
    crashNextStep();
    tick();
    ASSERT_TRUE(world->gameOver);
    EXPECT_FALSE(ended().counts) << "invincible for a moment";

    tap('r');
    tap('\\');
    ASSERT_TRUE(world->won);
    const GameOutcome skipped = ended();
    EXPECT_TRUE(skipped.won && !skipped.counts);

    // A real win, then a restart while paused: the enemy count is still the
    // old game's 0 when the skip key wins the new one without a step.
    tap('r');
    destroyEveryEnemy();
    tick();
    ASSERT_TRUE(ended().counts);
    tap('p');
    tap('r');
    ASSERT_TRUE(world->paused && !world->won && world->enemiesLeft() == 0);
    tap('\\');
    ASSERT_TRUE(world->won);
    const GameOutcome pausedSkip = ended();
    EXPECT_TRUE(!pausedSkip.counts && pausedSkip.steps == 0);
}

// The keeper, in a folder of its own: a missing file is no warning, a bad one
// is kept aside and the records start afresh; games that count are written
// (the folder made owner only), games that do not are not.
class RecordsKeeper : public GameTally {
protected:
    void SetUp() override {
        GameTally::SetUp();
        char pattern[] = "/tmp/veltrane-records-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        path = folder + "/sub/records";
    }
    void TearDown() override {
        finishBackgroundJobs();
        recordNews = RecordNews{};
        std::filesystem::remove_all(folder);
        GameTally::TearDown();
    }
    void afterTick() override { keepRecordsOfEndedGames(); }
    std::string folder;
    std::string path;
};

TEST_F(RecordsKeeper, BadFileIsKeptAsideAndCountedGamesAreWritten) {
    testing::internal::CaptureStderr();
    loadRecordsFrom(folder + "/none/records");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "no file yet: no warning";
    std::filesystem::create_directories(folder + "/sub");
    const std::string garbage = "best_score = 999999\ngames_played = lots\n";
    std::ofstream(path) << garbage;
    testing::internal::CaptureStderr();
    loadRecordsFrom(path);
    const std::string warning = testing::internal::GetCapturedStderr();
    EXPECT_EQ(fileText(path + ".bad"), garbage);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1) << warning;
    EXPECT_NE(warning.find("line 2"), std::string::npos) << warning;
    EXPECT_EQ(keptRecords(), Records{});
    EXPECT_EQ(recordNews.titleLine, "");

    tap(' ');
    tap('\\');  // skipped: nothing written
    finishBackgroundJobs();
    EXPECT_FALSE(std::filesystem::exists(path));
    std::filesystem::remove_all(folder + "/sub");  // made again, owner only
    tap('r');
    destroyEveryEnemy();
    world->score = 1500;
    tick();  // the restart's tick and this one: two steps
    EXPECT_TRUE(recordNews.newBestScore && recordNews.newFastestWin);
    EXPECT_EQ(recordNewsLine(recordNews), "New best score!  New fastest win!");
    EXPECT_EQ(recordNews.titleLine, "Best score 1500    Fastest win 0:00.1");
    finishBackgroundJobs();
    struct stat info = {};
    ASSERT_EQ(stat((folder + "/sub").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    std::string error;
    EXPECT_EQ(parseRecords(fileText(path), error), (Records{1500, 2, 1, 1})) << error;

    tap('r');
    EXPECT_FALSE(recordNews.newBestScore || recordNews.newFastestWin) << "a new game clears the news";
    // A fresh start reads what was written, silently.
    testing::internal::CaptureStderr();
    loadRecordsFrom(path);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(keptRecords(), (Records{1500, 2, 1, 1}));
}
