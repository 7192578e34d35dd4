#pragma once
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/early_loop.h"
#include "platform/load_urgency.h"
#include "platform/sound_backend.h"
#include "platform/sound_decoder.h"

struct Mix_Chunk;
struct SoundCommand;

// Plays the game's media commands through SDL2_mixer. Opening a file only
// checks that it can be read and gives its alias a mixer channel of its own;
// one loader thread then decodes the files whole into memory, a slice at a
// time and most urgent first: a loop already playing while it decodes, the
// short effects (WAV files, the laser among them), then the sounds a play is
// waiting for, then the rest in opening order; the rest, once nothing urgent
// is left, at a tenth of a core, so that it gives way to the game's drawing.
// Decoding never holds the mixer's lock, so a play or a stop on the
// game's thread never waits for a decode. A "play" that arrives while its
// file is still loading starts from the beginning once it is ready, unless a
// "stop" comes first; a looping MP3 already in the mixer's format starts as
// soon as its first second is decoded and plays on while the rest decodes
// (the title music, asked for at start-up, is heard at once); if the mixer
// refuses that early start, the loop starts whole once decoded. Aliases start,
// loop and stop independently; the laser has one more channel, on which each
// shot cuts off the one before.
// SDL_mixer's state is global: only one of these may be open at a time.
class MixerSoundBackend final : public SoundBackend {
public:
    static constexpr int kLaserChannel = 0;

    MixerSoundBackend() = default;
    ~MixerSoundBackend() override;
    MixerSoundBackend(const MixerSoundBackend&) = delete;
    MixerSoundBackend& operator=(const MixerSoundBackend&) = delete;

    // Starts SDL's audio (leaving SIGINT and SIGTERM to the game), opens the
    // device and starts the loader thread. Without a device it prints one
    // line on stderr, stays silent and returns false.
    bool open();
    // Drops the loads still to come, waits for the slice in progress, then
    // halts and frees every sound, closes the device and shuts SDL's audio down.
    void close();
    bool audible() const { return isOpen; }

    int command(const std::string& text) override;
    // The first shot of a file queues its load ahead of everything else and
    // sounds once it is loaded; later shots play from memory.
    void playLaser(const std::string& fileName) override;
    // Each channel plays at master x its own level (music or effects).
    void setVolumes(int master, int music, int effects) override;

    // The mixer channel an open alias plays on; -1 if the alias is not open.
    int aliasChannel(const std::string& alias) const;
    // Blocks until every file asked for so far is decoded (or failed to
    // decode) and any play that waited for it has started.
    void waitForLoads();
    // While held, the loader starts no new slice (tests use it to act while
    // loads are still pending). waitForLoads() must not be called while held.
    void holdLoads(bool held);
    // While loads are held: lets the loader decode this many slices, and
    // returns once it has and has acted on them.
    void runLoadSlices(int slices);

private:
    enum class LoadState { Loading, Ready, Failed };
    struct Sound {
        int channel = -1;
        int order = 0;        // when it was asked for
        bool effect = false;  // a WAV: short, decoded first
        LoadState state = LoadState::Loading;
        bool playPending = false;  // a play arrived while loading
        bool pendingRepeat = false;
        std::unique_ptr<SoundDecoder> decoder;  // only the loader touches it
        std::vector<std::uint8_t> pcm;          // the chunk's samples
        Mix_Chunk* chunk = nullptr;
        // A loop that started before its file finished decoding: the channel
        // plays a silent carrier, looped, and an effect on it plays this.
        EarlyLoop early;
        bool playingEarly = false;
        bool earlyRefused = false;  // the mixer would not start the early loop

        PendingLoad pending() const { return {playingEarly, effect, playPending, order}; }
    };

    Sound& addSound(std::unordered_map<std::string, Sound>& sounds, const std::string& name,
                    const std::string& file, SoundFileKind kind, int channel);
    int play(Sound& sound, bool fromStart, bool repeat);
    void startEarlyLoop(Sound& sound, const SoundDecoder& decoder);
    void endEarlyLoop(Sound& sound);
    int openAlias(const SoundCommand& cmd);
    void applyChannelVolume(int channel, bool effect) const;
    int playAlias(const SoundCommand& cmd);
    int stopAlias(const SoundCommand& cmd);
    Sound* mostUrgentLoad() const;
    void finishLoad(Sound& sound);
    void runLoader();

    bool isOpen = false;  // changed only by open() and close(), on the owner's thread
    int masterVolume = 100;  // percent, guarded by stateMutex like the levels
    int musicVolume = 100;
    int effectsVolume = 100;
    PcmFormat deviceFormat;
    std::vector<std::uint8_t> carrierSamples;  // silence
    Mix_Chunk* carrier = nullptr;

    // Guards everything below it. Mixer calls made under it lock SDL's audio
    // device in turn, briefly; the audio thread never takes this mutex, so the
    // order is always this mutex first.
    mutable std::mutex stateMutex;
    std::unordered_map<std::string, Sound> aliases;
    // Laser shots by file name, all on the laser channel; a failed entry
    // remembers a missing file, so it is not looked for again every shot.
    std::unordered_map<std::string, Sound> laserShots;
    std::vector<Sound*> loads;  // still to decode, the one in progress included
    int soundsAskedFor = 0;
    bool stopping = false;
    bool loadsHeld = false;
    int heldSlicesLeft = 0;  // slices the loader may run while held
    bool firstSoundStarted = false;  // by the loader
    std::condition_variable loadQueued;
    std::condition_variable loadFinished;
    std::thread loaderThread;
};
