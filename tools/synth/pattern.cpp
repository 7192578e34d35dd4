#include "pattern.h"

#include <cctype>
#include <sstream>
#include <stdexcept>

namespace {

constexpr float kNormalVelocity = 0.8f;
constexpr float kAccentVelocity = 1.0f;
constexpr float kSoftVelocity = 0.5f;

void checkLength(const Pattern& pattern, int expectedSteps, const std::string& text) {
    if (expectedSteps != 0 && pattern.steps != expectedSteps)
        throw std::invalid_argument("pattern has " + std::to_string(pattern.steps) + " steps, expected " +
                                    std::to_string(expectedSteps) + ": " + text);
}

}  // namespace

int noteNameToMidi(const std::string& name) {
    static constexpr int kSemitoneOfLetter[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.size() < 2) throw std::invalid_argument("bad note name: " + name);
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if (letter < 'A' || letter > 'G') throw std::invalid_argument("bad note name: " + name);
    int semitone = kSemitoneOfLetter[letter - 'A'];
    size_t at = 1;
    if (name[at] == '#') {
        ++semitone;
        ++at;
    } else if (name[at] == 'b') {
        --semitone;
        ++at;
    }
    if (at + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[at])))
        throw std::invalid_argument("bad note name: " + name);
    const int octave = name[at] - '0';
    return (octave + 1) * 12 + semitone;
}

Pattern parseMelody(const std::string& text, int expectedSteps) {
    Pattern pattern;
    std::istringstream tokens(text);
    std::string token;
    while (tokens >> token) {
        float velocity = kNormalVelocity;
        if (token.back() == '!') {
            velocity = kAccentVelocity;
            token.pop_back();
        }
        int length = 1;
        const size_t colon = token.find(':');
        if (colon != std::string::npos) {
            const std::string count = token.substr(colon + 1);
            if (count.empty() || count.find_first_not_of("0123456789") != std::string::npos)
                throw std::invalid_argument("bad length in token: " + token);
            length = std::stoi(count);
            token.resize(colon);
        }
        if (length <= 0) throw std::invalid_argument("zero length in token: " + token);
        if (token != ".") {
            std::istringstream chord(token);
            std::string name;
            while (std::getline(chord, name, '+')) pattern.notes.push_back({pattern.steps, noteNameToMidi(name), length, velocity});
        }
        pattern.steps += length;
    }
    checkLength(pattern, expectedSteps, text);
    return pattern;
}

Pattern parseHits(const std::string& text, int midiNote, int expectedSteps) {
    Pattern pattern;
    for (char c : text) {
        if (c == ' ' || c == '|') continue;
        if (c == 'x') pattern.notes.push_back({pattern.steps, midiNote, 1, kAccentVelocity});
        else if (c == 'o') pattern.notes.push_back({pattern.steps, midiNote, 1, kSoftVelocity});
        else if (c != '.') throw std::invalid_argument(std::string("bad drum step '") + c + "' in: " + text);
        ++pattern.steps;
    }
    checkLength(pattern, expectedSteps, text);
    return pattern;
}
