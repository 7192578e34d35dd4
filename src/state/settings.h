#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The player's settings the game remembers between runs, and the text of the
// file that keeps them: plain "key = value" lines.
struct Settings {
    bool fullScreen = false;
    bool nebula = false;
    bool invert = false;
    bool cockpitView = true;
    bool classicFrames = false;  // one unsmoothed picture per game step
    std::optional<int> fps;      // pictures a second at most (0: no cap); none: follow the display
    int volume = 100;            // percent, the master volume
    int musicVolume = 100;
    int effectsVolume = 100;
    bool pauseOnFocusLoss = true;

    bool operator==(const Settings&) const = default;
};

// A settings file as read: the values (defaults where a line was missing or
// bad), the lines the game does not understand (kept, in order, for the next
// write) and what was wrong, at most a handful of messages.
struct SettingsFile {
    Settings values;
    std::vector<std::string> keptLines;
    std::vector<std::string> warnings;
};

// `fileName` names the file in the warnings ("name:line: ...").
SettingsFile parseSettings(std::string_view text, const std::string& fileName);
// The file's text: a comment header, every setting in a fixed order, then
// the kept lines.
std::string formatSettings(const Settings& values, const std::vector<std::string>& keptLines);

// What the command line sets for one run, over the file's values.
struct SettingsOverrides {
    std::optional<bool> fullScreen;
    std::optional<int> volume;
    std::optional<bool> classicFrames;
    std::optional<int> fps;
};

Settings effectiveSettings(const Settings& fileValues, const SettingsOverrides& overrides);
// The player changed something: every setting that differs between `before`
// and `now` is theirs, goes into the file's values and loses its override.
// Whether the file's values changed.
bool takeChosenSettings(Settings& fileValues, SettingsOverrides& overrides, const Settings& before, const Settings& now);
