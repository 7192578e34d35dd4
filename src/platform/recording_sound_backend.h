#pragma once
#include <string>
#include <vector>

#include "platform/sound_backend.h"

// Remembers everything sent to it, in order, and plays nothing: command
// strings as they are, laser shots as "laser:<file>". Lets tests check the
// exact cue sequence of a game event.
class RecordingSoundBackend final : public SoundBackend {
public:
    int command(const std::string& text) override;
    void playLaser(const std::string& fileName) override;

    const std::vector<std::string>& entries() const { return log; }
    void clear() { log.clear(); }

private:
    std::vector<std::string> log;
};
