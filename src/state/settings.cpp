#include "state/settings.h"

#include <charconv>

namespace {
// The game's own header opens with this; on reading, the comment block it
// starts is the game's and is written anew, not kept.
constexpr std::string_view kHeaderStart = "# Veltrane settings";
constexpr const char* kHeader =
    "# Veltrane settings: written by the game when you change an option.\n"
    "# Edit them while the game is not running; lines it does not know are kept.\n"
    "# on or off: full_screen, nebula, invert, pause_on_focus_loss\n"
    "# view = cockpit or chase; pictures = smooth or classic (one per game step)\n"
    "# fps = display (follow it) or at most N pictures a second, 0 for no limit\n"
    "# volume, music_volume, effects_volume: percent, 0 to 100\n";
// Enough messages to see what is wrong with a file, not a screenful of them.
constexpr std::size_t kMaxWarnings = 5;
constexpr int kMaxFps = 1000;
constexpr int kMaxPercent = 100;

enum class Kind { OnOff, Words, Percent, Fps };
struct Key {
    const char* name;
    Kind kind;
    bool Settings::*flag = nullptr;
    int Settings::*number = nullptr;
    const char* trueWord = "on";
    const char* falseWord = "off";
};
// The order the file is written in.
const Key kKeys[] = {
    {"full_screen", Kind::OnOff, &Settings::fullScreen},
    {"nebula", Kind::OnOff, &Settings::nebula},
    {"invert", Kind::OnOff, &Settings::invert},
    {"view", Kind::Words, &Settings::cockpitView, nullptr, "cockpit", "chase"},
    {"pictures", Kind::Words, &Settings::classicFrames, nullptr, "classic", "smooth"},
    {"fps", Kind::Fps},
    {"volume", Kind::Percent, nullptr, &Settings::volume},
    {"music_volume", Kind::Percent, nullptr, &Settings::musicVolume},
    {"effects_volume", Kind::Percent, nullptr, &Settings::effectsVolume},
    {"pause_on_focus_loss", Kind::OnOff, &Settings::pauseOnFocusLoss},
};

const Key* findKey(std::string_view name) {
    for (const Key& key : kKeys)
        if (name == key.name) return &key;
    return nullptr;
}

std::string_view trim(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\v\f";
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::optional<int> wholeNumber(std::string_view text, int most) {
    int value = -1;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || stop != text.data() + text.size() || value < 0 || value > most) return std::nullopt;
    return value;
}

std::optional<bool> onOff(std::string_view text) {
    const std::string word = lowerCase(text);
    for (const char* yes : {"on", "true", "yes", "1"})
        if (word == yes) return true;
    for (const char* no : {"off", "false", "no", "0"})
        if (word == no) return false;
    return std::nullopt;
}

bool readValue(const Key& key, std::string_view text, Settings& into) {
    switch (key.kind) {
    case Kind::OnOff: {
        const auto flag = onOff(text);
        if (flag) into.*key.flag = *flag;
        return flag.has_value();
    }
    case Kind::Words: {
        const std::string word = lowerCase(text);
        if (word != key.trueWord && word != key.falseWord) return false;
        into.*key.flag = word == key.trueWord;
        return true;
    }
    case Kind::Percent: {
        const auto percent = wholeNumber(text, kMaxPercent);
        if (percent) into.*key.number = *percent;
        return percent.has_value();
    }
    case Kind::Fps:
        if (lowerCase(text) == "display") {
            into.fps.reset();
            return true;
        }
        into.fps = wholeNumber(text, kMaxFps);
        return into.fps.has_value();
    }
    return false;
}

std::string valueText(const Key& key, const Settings& values) {
    switch (key.kind) {
    case Kind::OnOff:
    case Kind::Words:
        return values.*key.flag ? key.trueWord : key.falseWord;
    case Kind::Percent:
        return std::to_string(values.*key.number);
    case Kind::Fps:
        break;
    }
    return values.fps ? std::to_string(*values.fps) : "display";
}

std::string expectedText(const Key& key) {
    switch (key.kind) {
    case Kind::OnOff:
    case Kind::Words:
        return std::string(key.trueWord) + " or " + key.falseWord;
    case Kind::Percent:
        return "a whole number from 0 to 100";
    case Kind::Fps:
        break;
    }
    return "display or a whole number from 0 to 1000";
}

// Shown quoted in a message: printable ASCII only, and not too long, since a
// damaged file may hold any bytes.
std::string quoted(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    std::string shown = "\"";
    for (std::size_t i = 0; i < text.size() && i < kLongest; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        shown += c >= 0x20 && c < 0x7f ? static_cast<char>(c) : '?';
    }
    return shown + (text.size() > kLongest ? "...\"" : "\"");
}

class Warnings {
public:
    Warnings(std::vector<std::string>& out, const std::string& fileName) : out(out), fileName(fileName) {}
    // The count of those left out, once every line has been read.
    void finish() {
        if (left > 0)
            out.push_back(fileName + ": and " + std::to_string(left) + " more line" + (left == 1 ? "" : "s") +
                          " not understood");
    }
    void add(int line, const std::string& what) {
        if (out.size() < kMaxWarnings)
            out.push_back(fileName + ":" + std::to_string(line) + ": " + what);
        else
            ++left;
    }

private:
    std::vector<std::string>& out;
    const std::string& fileName;
    int left = 0;
};
}  // namespace

SettingsFile parseSettings(std::string_view text, const std::string& fileName) {
    SettingsFile file;
    Warnings warnings(file.warnings, fileName);
    bool inHeader = text.starts_with(kHeaderStart);
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        const std::string_view line = trim(raw);
        if (inHeader && line.starts_with('#')) continue;
        inHeader = false;
        if (line.empty()) continue;
        if (line.starts_with('#')) {
            file.keptLines.emplace_back(raw);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            warnings.add(lineNumber, "not a \"key = value\" line (kept as it is)");
            file.keptLines.emplace_back(raw);
            continue;
        }
        const std::string_view name = trim(line.substr(0, equals));
        const std::string_view value = trim(line.substr(equals + 1));
        const Key* key = findKey(name);
        if (key == nullptr) {
            warnings.add(lineNumber, "unknown key " + quoted(name) + " (kept as it is)");
            file.keptLines.emplace_back(raw);
            continue;
        }
        if (!readValue(*key, value, file.values)) {
            const std::string fallback = valueText(*key, Settings{});
            readValue(*key, fallback, file.values);
            warnings.add(lineNumber, std::string(key->name) + ": " + quoted(value) + " is not " + expectedText(*key) +
                                         "; using " + fallback);
        }
    }
    warnings.finish();
    return file;
}

std::string formatSettings(const Settings& values, const std::vector<std::string>& keptLines) {
    std::string text = kHeader;
    text += '\n';
    for (const Key& key : kKeys) text += std::string(key.name) + " = " + valueText(key, values) + "\n";
    if (!keptLines.empty()) text += '\n';
    for (const std::string& line : keptLines) text += line + "\n";
    return text;
}

Settings effectiveSettings(const Settings& fileValues, const SettingsOverrides& overrides) {
    Settings values = fileValues;
    if (overrides.fullScreen) values.fullScreen = *overrides.fullScreen;
    if (overrides.volume) values.volume = *overrides.volume;
    if (overrides.classicFrames) values.classicFrames = *overrides.classicFrames;
    if (overrides.fps) values.fps = overrides.fps;
    return values;
}

bool takeChosenSettings(Settings& fileValues, SettingsOverrides& overrides, const Settings& before, const Settings& now) {
    const Settings old = fileValues;
    const auto take = [&](auto field) {
        if (now.*field == before.*field) return false;
        fileValues.*field = now.*field;
        return true;
    };
    if (take(&Settings::fullScreen)) overrides.fullScreen.reset();
    take(&Settings::nebula);
    take(&Settings::invert);
    take(&Settings::cockpitView);
    if (take(&Settings::classicFrames)) overrides.classicFrames.reset();
    if (take(&Settings::fps)) overrides.fps.reset();
    if (take(&Settings::volume)) overrides.volume.reset();
    take(&Settings::musicVolume);
    take(&Settings::effectsVolume);
    take(&Settings::pauseOnFocusLoss);
    return !(fileValues == old);
}
