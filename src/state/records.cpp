#include "state/records.h"

#include <charconv>
#include <climits>
#include <cstdio>

namespace {
constexpr const char* kHeader =
    "# Veltrane records: written by the game after every game that counts.\n"
    "# A game counts when it ends, won or lost, played without invincibility\n"
    "# and won without the skip key. fastest_win_steps is in game steps,\n"
    "# 20 a second, or none before the first win.\n";
constexpr std::string_view kNone = "none";
constexpr long long kStepsPerSecond = 20;
constexpr long long kTenthsPerSecond = 10;
constexpr long long kSecondsPerMinute = 60;
// Far beyond any real count, and small enough that adding one never overflows.
constexpr long long kMostCount = 1'000'000'000'000'000LL;

enum class Field { BestScore, FastestWin, GamesPlayed, GamesWon, Count };
// The order the file is written in.
constexpr const char* kKeys[] = {"best_score", "fastest_win_steps", "games_played", "games_won"};

std::string_view trim(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\v\f";
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

std::optional<long long> number(std::string_view text, long long least, long long most) {
    long long value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || stop != text.data() + text.size() || value < least || value > most) return std::nullopt;
    return value;
}

// Stores one value; false when it is out of range for its key.
bool readField(Field field, std::string_view value, Records& into) {
    switch (field) {
        case Field::BestScore: {
            const auto score = number(value, 0, INT_MAX);  // a world's score is an int
            if (score) into.bestScore = *score;
            return score.has_value();
        }
        case Field::FastestWin: {
            if (value == kNone) return true;
            const auto steps = number(value, 1, kMostCount);  // a win takes at least its own step
            if (steps) into.fastestWinSteps = *steps;
            return steps.has_value();
        }
        case Field::GamesPlayed:
        case Field::GamesWon: {
            const auto count = number(value, 0, kMostCount);
            if (count) (field == Field::GamesPlayed ? into.gamesPlayed : into.gamesWon) = *count;
            return count.has_value();
        }
        case Field::Count: break;
    }
    return false;
}

// What the game could never have written, whatever the single values.
const char* contradiction(const Records& r) {
    if (r.gamesWon > r.gamesPlayed) return "more games won than played";
    if (r.fastestWinSteps.has_value() != (r.gamesWon > 0)) return "a fastest win without a game won, or a game won without one";
    if (r.bestScore > 0 && r.gamesPlayed == 0) return "a best score without a game played";
    return nullptr;
}
}  // namespace

RecordsSet applyOutcome(Records& records, const GameOutcome& outcome) {
    RecordsSet set;
    if (!outcome.counts) return set;
    records.gamesPlayed += 1;
    if (outcome.score > records.bestScore) {
        records.bestScore = outcome.score;
        set.bestScore = true;
    }
    if (outcome.won) {
        records.gamesWon += 1;
        if (!records.fastestWinSteps || outcome.steps < *records.fastestWinSteps) {
            records.fastestWinSteps = outcome.steps;
            set.fastestWin = true;
        }
    }
    return set;
}

std::string formatRecords(const Records& records) {
    std::string text = kHeader;
    const auto line = [&text](Field field, const std::string& value) {
        text += kKeys[static_cast<int>(field)];
        text += " = " + value + "\n";
    };
    line(Field::BestScore, std::to_string(records.bestScore));
    line(Field::FastestWin, records.fastestWinSteps ? std::to_string(*records.fastestWinSteps) : std::string(kNone));
    line(Field::GamesPlayed, std::to_string(records.gamesPlayed));
    line(Field::GamesWon, std::to_string(records.gamesWon));
    return text;
}

std::optional<Records> parseRecords(std::string_view text, std::string& error) {
    Records records;
    bool seen[static_cast<int>(Field::Count)] = {};
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        lineNumber += 1;
        const std::string_view line = trim(raw);
        if (line.empty() || line.front() == '#') continue;
        const std::string at = "line " + std::to_string(lineNumber) + ": ";
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            error = at + "not a \"key = value\" line";
            return std::nullopt;
        }
        const std::string_view key = trim(line.substr(0, equals));
        const std::string_view value = trim(line.substr(equals + 1));
        int field = 0;
        while (field < static_cast<int>(Field::Count) && key != kKeys[field]) field += 1;
        if (field == static_cast<int>(Field::Count)) {
            error = at + "unknown key \"" + std::string(key) + "\"";
            return std::nullopt;
        }
        if (seen[field]) {
            error = at + std::string(key) + " given twice";
            return std::nullopt;
        }
        seen[field] = true;
        if (!readField(static_cast<Field>(field), value, records)) {
            error = at + std::string(key) + " cannot be \"" + std::string(value) + "\"";
            return std::nullopt;
        }
    }
    if (const char* wrong = contradiction(records)) {
        error = wrong;
        return std::nullopt;
    }
    return records;
}

std::string formatWinTime(long long steps) {
    const long long tenths = steps * kTenthsPerSecond / kStepsPerSecond;
    const long long seconds = tenths / kTenthsPerSecond;
    char text[48];
    std::snprintf(text, sizeof text, "%lld:%02lld.%lld", seconds / kSecondsPerMinute, seconds % kSecondsPerMinute,
                  tenths % kTenthsPerSecond);
    return text;
}

std::string recordsTitleLine(const Records& records) {
    std::string line;
    if (records.bestScore > 0) line = "Best score " + std::to_string(records.bestScore);
    if (records.fastestWinSteps) {
        if (!line.empty()) line += "    ";
        line += "Fastest win " + formatWinTime(*records.fastestWinSteps);
    }
    return line;
}
