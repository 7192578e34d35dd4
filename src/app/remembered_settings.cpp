#include "app/remembered_settings.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/background_jobs.h"
#include "platform/user_dirs.h"
#include "state/options.h"
#include "state/sound_volume.h"

namespace {
// A settings file is a few hundred bytes; anything much larger is not one.
constexpr std::size_t kLargestFile = 1 << 20;

struct Remembered {
    bool loaded = false;
    bool saving = false;
    std::string path;
    Settings fileValues;
    std::vector<std::string> keptLines;
    SettingsOverrides overrides;
    Settings starting;       // in effect at start-up
    Settings seen;           // in effect after the last save check
    unsigned long choicesSeen = 0;
    std::string textOnDisk;  // as read or last written
};
Remembered remembered;

// The file's bytes; false (errno set) when it cannot be read. A missing
// file reads as ENOENT.
bool readSettingsFile(const std::string& path, std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    std::vector<char> buffer(kLargestFile + 1);
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
    const bool failed = std::ferror(file) != 0;
    const int readErrno = errno;
    std::fclose(file);
    if (failed) {
        errno = readErrno;
        return false;
    }
    if (got > kLargestFile) {
        errno = EFBIG;
        return false;
    }
    text.assign(buffer.data(), got);
    return true;
}

Settings currentSettings() {
    Settings now = remembered.seen;
    now.fullScreen = optFullScreen;
    now.nebula = optNebula;
    now.invert = optInvert;
    now.cockpitView = optView;
    const SoundVolumes volumes = soundVolumes();
    now.volume = volumes.master;
    now.musicVolume = volumes.music;
    now.effectsVolume = volumes.effects;
    return now;
}

void writeInBackground(std::string path, std::string text) {
    runInBackground([path = std::move(path), text = std::move(text)] {
        std::string error;
        const std::size_t slash = path.rfind('/');
        const std::string folder = path.substr(0, slash);
        if (!makeUserDir(folder))
            error = "cannot make " + folder + ": " + std::strerror(errno);
        else if (replaceFileAtomically(path, text, error))
            return;
        // Once: a folder that cannot be written stays so, and the game plays on.
        static std::atomic<bool> warned = false;
        if (!warned.exchange(true))
            std::fprintf(stderr, "veltrane: the settings are not saved: %s\n", error.c_str());
    });
}
}  // namespace

void loadRememberedSettings(const CommandLine& line) {
    Remembered& r = remembered;
    r = Remembered{};
    r.loaded = true;
    const std::string folder = gameUserDir(UserDir::Config);
    if (!folder.empty()) {
        r.path = folder + "/veltrane.conf";
        if (readSettingsFile(r.path, r.textOnDisk)) {
            SettingsFile file = parseSettings(r.textOnDisk, withHomeAsTilde(r.path));
            for (const std::string& warning : file.warnings) std::fprintf(stderr, "veltrane: %s\n", warning.c_str());
            r.fileValues = file.values;
            r.keptLines = std::move(file.keptLines);
        } else if (errno != ENOENT) {
            std::fprintf(stderr, "veltrane: cannot read %s: %s; using the default settings\n",
                         withHomeAsTilde(r.path).c_str(), std::strerror(errno));
        }
    }
    r.overrides.fullScreen = line.fullScreen;
    if (line.mute) r.overrides.volume = 0;
    if (line.classicFrames) r.overrides.classicFrames = true;
    r.overrides.fps = line.fps;
    r.starting = effectiveSettings(r.fileValues, r.overrides);
    r.seen = r.starting;
    r.choicesSeen = optionChoicesMade();
    setSoundVolumes({r.starting.volume, r.starting.musicVolume, r.starting.effectsVolume});
    // A recording's option changes are not the player's.
    r.saving = !r.path.empty() && line.demo == CommandLine::Demo::None;
    if (r.saving) std::atexit(finishSavingSettings);
}

void applyRememberedOptions() {
    if (!remembered.loaded) return;
    const Settings& starting = remembered.starting;
    setFullScreen(starting.fullScreen);
    setNebula(starting.nebula);
    optInvert = starting.invert;
    setView(starting.cockpitView);
}

Settings startingSettings() { return remembered.starting; }

bool pauseOnFocusLoss() { return remembered.loaded && remembered.starting.pauseOnFocusLoss; }

void saveSettingsIfChosen() {
    Remembered& r = remembered;
    if (!r.saving) return;
    const Settings now = currentSettings();
    const unsigned long choices = optionChoicesMade();
    if (choices != r.choicesSeen) {
        takeChosenSettings(r.fileValues, r.overrides, r.seen, now);
        std::string text = formatSettings(r.fileValues, r.keptLines);
        if (text != r.textOnDisk) {
            r.textOnDisk = text;
            writeInBackground(r.path, std::move(text));
        }
    }
    // What the rules changed by themselves is taken in here, unsaved.
    r.seen = now;
    r.choicesSeen = choices;
}

void finishSavingSettings() {
    saveSettingsIfChosen();
    finishBackgroundJobs();
}
