#pragma once
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>

#include "platform/sound_backend.h"

struct Mix_Chunk;
struct SoundCommand;

// Plays the game's media commands through SDL2_mixer. Opening a file only
// checks that it can be read and gives its alias a mixer channel of its own;
// one loader thread then decodes the files whole into memory, in the order
// they were opened, so start-up does not wait for the music to decode. A
// "play" that arrives while its file is still loading starts from the
// beginning once it is ready, unless a "stop" comes first. Aliases start,
// loop and stop independently; the laser has one more channel, on which each
// shot cuts off the one before.
// SDL_mixer's state is global: only one of these may be open at a time.
class MixerSoundBackend final : public SoundBackend {
public:
    static constexpr int kLaserChannel = 0;

    // Decodes one file into a chunk, or returns null. Called on the loader
    // thread for aliases and on the caller's thread for the laser, never two
    // at once.
    using ChunkLoader = std::function<Mix_Chunk*(const std::string& file)>;

    MixerSoundBackend();  // decodes with Mix_LoadWAV
    explicit MixerSoundBackend(ChunkLoader loader);
    ~MixerSoundBackend() override;
    MixerSoundBackend(const MixerSoundBackend&) = delete;
    MixerSoundBackend& operator=(const MixerSoundBackend&) = delete;

    // Starts SDL's audio, opens the device and starts the loader thread.
    // Without a device it prints one line on stderr, stays silent and returns false.
    bool open();
    // Drops the loads still queued, waits for the one in progress, then halts
    // and frees every sound, closes the device and shuts SDL's audio down.
    void close();
    bool audible() const { return isOpen; }

    int command(const std::string& text) override;
    void playLaser(const std::string& fileName) override;

    // The mixer channel an open alias plays on; -1 if the alias is not open.
    int aliasChannel(const std::string& alias) const;
    // Blocks until every file opened so far is decoded (or failed to decode),
    // and any play that waited for it has started.
    void waitForLoads();

private:
    enum class LoadState { Loading, Ready, Failed };
    struct Alias {
        Mix_Chunk* chunk = nullptr;
        int channel = -1;
        LoadState state = LoadState::Loading;
        bool playPending = false;  // a play arrived while loading
        bool pendingRepeat = false;
    };
    struct Load {
        std::string alias;
        std::string file;
    };

    int openAlias(const SoundCommand& cmd);
    int playAlias(const SoundCommand& cmd);
    int stopAlias(const SoundCommand& cmd);
    void runLoader();
    Mix_Chunk* decode(const std::string& file);

    ChunkLoader loader;
    bool isOpen = false;  // changed only by open() and close(), on the owner's thread

    // Guards everything below it. Mixer calls made under it lock SDL's audio
    // device in turn; the audio thread never takes this mutex, so the order
    // is always this mutex first.
    mutable std::mutex stateMutex;
    std::unordered_map<std::string, Alias> aliases;
    std::deque<Load> queue;
    int loadsUnfinished = 0;  // queued plus the one being decoded
    bool stopping = false;
    std::condition_variable loadQueued;
    std::condition_variable loadFinished;

    // Held around every decode, so the laser's first load never runs beside
    // the loader's.
    std::mutex decodeMutex;
    std::thread loaderThread;

    // Laser shots by file name, loaded on the first shot; a null entry remembers
    // a file that failed, so a missing laser does not touch the disk every shot.
    // Only the game's thread touches these.
    std::unordered_map<std::string, Mix_Chunk*> laserShots;
};
