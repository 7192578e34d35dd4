#include "app/records_keeper.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/background_jobs.h"
#include "platform/user_dirs.h"
#include "state/record_news.h"
#include "world/game_tally.h"

namespace {
// The file is a few lines; anything much larger is not one the game wrote.
constexpr std::size_t kLargestFile = 1 << 16;

struct Keeper {
    bool keeping = false;
    std::string path;
    Records records;
};
Keeper keeper;

enum class ReadResult { Read, Missing, TooLarge, Failed };

ReadResult readFile(const std::string& path, std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    std::vector<char> buffer(kLargestFile + 1);
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
    const bool failed = std::ferror(file) != 0;
    const int readErrno = errno;
    std::fclose(file);
    errno = readErrno;
    if (failed) return ReadResult::Failed;
    if (got > kLargestFile) return ReadResult::TooLarge;
    text.assign(buffer.data(), got);
    return ReadResult::Read;
}

// The records file is not what the game writes: kept beside, for the player
// to look at, and the records start again. False when it could not be moved.
bool setAside(const std::string& path, const std::string& fault) {
    const std::string aside = path + ".bad";
    if (std::rename(path.c_str(), aside.c_str()) == 0) {
        std::fprintf(stderr, "veltrane: %s: %s; kept as %s, starting new records\n", withHomeAsTilde(path).c_str(),
                     fault.c_str(), withHomeAsTilde(aside).c_str());
        return true;
    }
    std::fprintf(stderr, "veltrane: %s: %s, and it cannot be renamed (%s); the records are not kept this run\n",
                 withHomeAsTilde(path).c_str(), fault.c_str(), std::strerror(errno));
    return false;
}

void writeInBackground(std::string path, std::string text) {
    runInBackground([path = std::move(path), text = std::move(text)] {
        std::string error;
        const std::string folder = path.substr(0, path.rfind('/'));
        if (!makeUserDir(folder))
            error = "cannot make " + folder + ": " + std::strerror(errno);
        else if (replaceFileAtomically(path, text, error))
            return;
        // Once: a folder that cannot be written stays so, and the game plays on.
        static std::atomic<bool> warned = false;
        if (!warned.exchange(true)) std::fprintf(stderr, "veltrane: the records are not saved: %s\n", error.c_str());
    });
}
}  // namespace

void loadRecords() {
    const std::string folder = gameUserDir(UserDir::Data);
    if (folder.empty()) return;  // no home: nothing is kept
    loadRecordsFrom(folder + "/records");
}

void loadRecordsFrom(const std::string& path) {
    keeper = Keeper{};
    keeper.path = path;
    keeper.keeping = true;
    std::string text;
    switch (readFile(path, text)) {
        case ReadResult::Missing: break;
        case ReadResult::Failed:
            std::fprintf(stderr, "veltrane: cannot read %s: %s; the records are not kept this run\n",
                         withHomeAsTilde(path).c_str(), std::strerror(errno));
            keeper.keeping = false;
            break;
        case ReadResult::TooLarge: keeper.keeping = setAside(path, "far too large for a records file"); break;
        case ReadResult::Read: {
            std::string error;
            if (std::optional<Records> read = parseRecords(text, error))
                keeper.records = *read;
            else
                keeper.keeping = setAside(path, error);
            break;
        }
    }
    recordNews = RecordNews{};
    if (keeper.keeping) recordNews.titleLine = recordsTitleLine(keeper.records);
}

void keepRecordsOfEndedGames() {
    if (!keeper.keeping) return;
    if (tallyingAGame()) {
        recordNews.newBestScore = false;
        recordNews.newFastestWin = false;
    }
    const std::optional<GameOutcome> outcome = takeGameOutcome();
    if (!outcome || !outcome->counts) return;
    const RecordsSet set = applyOutcome(keeper.records, *outcome);
    recordNews.newBestScore = set.bestScore;
    recordNews.newFastestWin = set.fastestWin;
    recordNews.titleLine = recordsTitleLine(keeper.records);
    writeInBackground(keeper.path, formatRecords(keeper.records));
}

Records keptRecords() { return keeper.records; }
