#include "platform/sound_command.h"

#include <cctype>
#include <vector>

namespace {

std::vector<std::string> splitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!word.empty()) {
                words.push_back(word);
                word.clear();
            }
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

bool isKeyword(const std::string& word, const char* keyword) {
    std::size_t i = 0;
    for (; i < word.size() && keyword[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(word[i])) != keyword[i]) {
            return false;
        }
    }
    return i == word.size() && keyword[i] == '\0';
}

// "open <file>" followed by "type <kind>" and "alias <name>" in either order;
// the alias is required, the type optional but must be one we know.
std::optional<SoundCommand> parseOpen(const std::vector<std::string>& words) {
    if (words.size() < 2) {
        return std::nullopt;
    }
    SoundCommand result;
    result.verb = SoundVerb::Open;
    result.file = words[1];
    bool haveType = false;
    bool haveAlias = false;
    for (std::size_t i = 2; i < words.size(); i += 2) {
        if (i + 1 >= words.size()) {
            return std::nullopt;
        }
        const std::string& value = words[i + 1];
        if (isKeyword(words[i], "type") && !haveType) {
            if (!isKeyword(value, "mpegvideo") && !isKeyword(value, "waveaudio")) {
                return std::nullopt;
            }
            haveType = true;
        } else if (isKeyword(words[i], "alias") && !haveAlias) {
            result.alias = value;
            haveAlias = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveAlias) {
        return std::nullopt;
    }
    return result;
}

// "play <alias>" with optional "from 0" and "repeat", each at most once.
std::optional<SoundCommand> parsePlay(const std::vector<std::string>& words) {
    if (words.size() < 2) {
        return std::nullopt;
    }
    SoundCommand result;
    result.verb = SoundVerb::Play;
    result.alias = words[1];
    for (std::size_t i = 2; i < words.size(); ++i) {
        if (isKeyword(words[i], "repeat") && !result.repeat) {
            result.repeat = true;
        } else if (isKeyword(words[i], "from") && !result.fromStart && i + 1 < words.size() &&
                   words[i + 1] == "0") {
            result.fromStart = true;
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return result;
}

std::optional<SoundCommand> parseStop(const std::vector<std::string>& words) {
    if (words.size() != 2) {
        return std::nullopt;
    }
    SoundCommand result;
    result.verb = SoundVerb::Stop;
    result.alias = words[1];
    return result;
}

}  // namespace

std::optional<SoundCommand> parseSoundCommand(const std::string& text) {
    const std::vector<std::string> words = splitWords(text);
    if (words.empty()) {
        return std::nullopt;
    }
    if (isKeyword(words[0], "open")) {
        return parseOpen(words);
    }
    if (isKeyword(words[0], "play")) {
        return parsePlay(words);
    }
    if (isKeyword(words[0], "stop")) {
        return parseStop(words);
    }
    return std::nullopt;
}
