#include "platform/mixer_sound_backend.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "platform/sound_command.h"

namespace {

constexpr int kSampleRate = 44100;
constexpr int kOutputChannels = 2;    // stereo
constexpr int kBufferFrames = 1024;   // about 23 ms per mixing pass
constexpr int kLoopForever = -1;
constexpr int kPlayOnce = 0;
constexpr int kBytesPerSample = 2;  // early loops play signed 16-bit samples only
// Once nothing urgent is left, the loader rests this many times as long as
// each slice took: a tenth of a core, still far faster than music plays.
constexpr int kRestPerSliceTime = 9;

// The effect on a channel that plays an early loop, on the audio thread.
void SDLCALL playEarlyLoop(int, void* stream, int length, void* loop) {
    fillEarlyLoop(*static_cast<EarlyLoop*>(loop), static_cast<std::uint8_t*>(stream),
                  static_cast<std::size_t>(length));
}

std::chrono::nanoseconds threadCpuTime() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// Shuts SDL down entirely once its last subsystem is gone, so nothing of it
// outlives the sound; other users of SDL keep it alive.
void quitSdlIfUnused() {
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) {
        SDL_Quit();
    }
}

}  // namespace

MixerSoundBackend::~MixerSoundBackend() {
    close();
}

bool MixerSoundBackend::open() {
    if (isOpen) {
        return true;
    }
    // SDL would otherwise turn SIGINT and SIGTERM into events nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "veltrane: no audio (%s); playing silently\n", SDL_GetError());
        quitSdlIfUnused();
        return false;
    }
    if (Mix_OpenAudio(kSampleRate, AUDIO_S16SYS, kOutputChannels, kBufferFrames) != 0) {
        std::fprintf(stderr, "veltrane: no audio (%s); playing silently\n", Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        quitSdlIfUnused();
        return false;
    }
    // The device may have settled on another layout: sounds are decoded to it.
    Uint16 format = 0;
    Mix_QuerySpec(&deviceFormat.rate, &format, &deviceFormat.channels);
    deviceFormat.sdlFormat = format;
    // Channel 0 is the laser's; aliases get theirs as they are opened.
    Mix_AllocateChannels(kLaserChannel + 1);
    applyChannelVolume(kLaserChannel, true);
    carrierSamples.assign(static_cast<std::size_t>(kBufferFrames * deviceFormat.channels * kBytesPerSample), 0);
    carrier = Mix_QuickLoad_RAW(carrierSamples.data(), static_cast<Uint32>(carrierSamples.size()));
    {
        std::lock_guard lock(stateMutex);
        stopping = false;
    }
    loaderThread = std::thread(&MixerSoundBackend::runLoader, this);
    isOpen = true;
    return true;
}

void MixerSoundBackend::close() {
    if (!isOpen) {
        return;
    }
    {
        std::lock_guard lock(stateMutex);
        stopping = true;
    }
    loadQueued.notify_all();
    loaderThread.join();

    Mix_HaltChannel(-1);
    for (auto* sounds : {&aliases, &laserShots}) {
        for (auto& [name, sound] : *sounds) {
            endEarlyLoop(sound);
            Mix_FreeChunk(sound.chunk);  // null for files that never loaded
        }
        sounds->clear();
    }
    Mix_FreeChunk(carrier);
    carrier = nullptr;
    loads.clear();
    soundsAskedFor = 0;
    loadsHeld = false;
    heldSlicesLeft = 0;
    firstSoundStarted = false;
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    quitSdlIfUnused();
    isOpen = false;
}

int MixerSoundBackend::command(const std::string& text) {
    if (!isOpen) {
        return kSoundNoDevice;
    }
    const std::optional<SoundCommand> cmd = parseSoundCommand(text);
    if (!cmd) {
        return kSoundBadCommand;
    }
    switch (cmd->verb) {
    case SoundVerb::Open:
        return openAlias(*cmd);
    case SoundVerb::Play:
        return playAlias(*cmd);
    case SoundVerb::Stop:
        return stopAlias(*cmd);
    }
    return kSoundBadCommand;
}

void MixerSoundBackend::playLaser(const std::string& fileName) {
    if (!isOpen) {
        return;
    }
    std::lock_guard lock(stateMutex);
    const auto found = laserShots.find(fileName);
    // The laser is a WAV by contract, so its file is not looked at here.
    Sound& shot = found != laserShots.end()
                      ? found->second
                      : addSound(laserShots, fileName, fileName, SoundFileKind::Wave, kLaserChannel);
    // Playing on a fixed channel cuts whatever that channel was playing.
    play(shot, true, false);
}

int MixerSoundBackend::aliasChannel(const std::string& alias) const {
    std::lock_guard lock(stateMutex);
    const auto found = aliases.find(alias);
    return found == aliases.end() ? -1 : found->second.channel;
}

void MixerSoundBackend::waitForLoads() {
    std::unique_lock lock(stateMutex);
    loadFinished.wait(lock, [this] { return loads.empty(); });
}

void MixerSoundBackend::holdLoads(bool held) {
    {
        std::lock_guard lock(stateMutex);
        loadsHeld = held;
    }
    loadQueued.notify_all();
}

void MixerSoundBackend::runLoadSlices(int slices) {
    std::unique_lock lock(stateMutex);
    heldSlicesLeft = slices;
    loadQueued.notify_all();
    loadFinished.wait(lock, [this] { return heldSlicesLeft == 0 || loads.empty(); });
    heldSlicesLeft = 0;
}

MixerSoundBackend::Sound& MixerSoundBackend::addSound(std::unordered_map<std::string, Sound>& sounds,
                                                      const std::string& name, const std::string& file,
                                                      SoundFileKind kind, int channel) {
    Sound& sound = sounds[name];
    sound.channel = channel;
    sound.order = soundsAskedFor++;
    sound.effect = kind == SoundFileKind::Wave;
    sound.decoder = std::make_unique<SoundDecoder>(file, kind, deviceFormat);
    loads.push_back(&sound);  // map nodes stay put as the map grows
    loadQueued.notify_one();
    return sound;
}

int MixerSoundBackend::play(Sound& sound, bool fromStart, bool repeat) {
    switch (sound.state) {
    case LoadState::Failed:
        return kSoundFileUnusable;
    case LoadState::Loading:
        if (sound.playingEarly && !fromStart) {
            return kSoundOk;
        }
        // Not playing yet (or starting over), so it starts from the beginning
        // once loaded, or once enough of a loop is, with or without "from 0".
        endEarlyLoop(sound);
        sound.playPending = true;
        sound.pendingRepeat = repeat;
        loadQueued.notify_all();  // a resting loader has urgent work now
        return kSoundOk;
    case LoadState::Ready:
        break;
    }
    // Without "from 0" a sound that is already playing carries on; a stopped
    // one starts from its beginning (stop does not remember a position).
    if (!fromStart && Mix_Playing(sound.channel)) {
        return kSoundOk;
    }
    endEarlyLoop(sound);
    const int loops = repeat ? kLoopForever : kPlayOnce;
    return Mix_PlayChannel(sound.channel, sound.chunk, loops) < 0 ? kSoundFileUnusable : kSoundOk;
}

int MixerSoundBackend::openAlias(const SoundCommand& cmd) {
    const std::optional<SoundFileKind> kind = sniffSoundFile(cmd.file);
    std::lock_guard lock(stateMutex);
    if (aliases.count(cmd.alias) != 0) {
        return kSoundAliasInUse;
    }
    // A file that cannot be read leaves no alias behind: its later cues report
    // an unknown alias. One that reads but does not decode keeps its alias,
    // silent.
    if (!kind) {
        return kSoundFileUnusable;
    }
    const int channel = kLaserChannel + 1 + static_cast<int>(aliases.size());
    Mix_AllocateChannels(channel + 1);
    addSound(aliases, cmd.alias, cmd.file, *kind, channel);
    applyChannelVolume(channel, *kind == SoundFileKind::Wave);
    return kSoundOk;
}

void MixerSoundBackend::setVolumes(int master, int music, int effects) {
    std::lock_guard lock(stateMutex);
    masterVolume = master;
    musicVolume = music;
    effectsVolume = effects;
    if (!isOpen) return;
    applyChannelVolume(kLaserChannel, true);
    for (const auto& [alias, sound] : aliases) applyChannelVolume(sound.channel, sound.effect);
}

// SDL_mixer's channel volume runs from 0 to MIX_MAX_VOLUME; the levels multiply.
void MixerSoundBackend::applyChannelVolume(int channel, bool effect) const {
    const int level = effect ? effectsVolume : musicVolume;
    Mix_Volume(channel, (masterVolume * level * MIX_MAX_VOLUME + 5000) / 10000);
}

int MixerSoundBackend::playAlias(const SoundCommand& cmd) {
    std::lock_guard lock(stateMutex);
    const auto found = aliases.find(cmd.alias);
    if (found == aliases.end()) {
        return kSoundUnknownAlias;
    }
    return play(found->second, cmd.fromStart, cmd.repeat);
}

int MixerSoundBackend::stopAlias(const SoundCommand& cmd) {
    std::lock_guard lock(stateMutex);
    const auto found = aliases.find(cmd.alias);
    if (found == aliases.end()) {
        return kSoundUnknownAlias;
    }
    Sound& sound = found->second;
    switch (sound.state) {
    case LoadState::Failed:
        return kSoundFileUnusable;
    case LoadState::Loading:
        endEarlyLoop(sound);
        sound.playPending = false;
        return kSoundOk;
    case LoadState::Ready:
        endEarlyLoop(sound);
        Mix_HaltChannel(sound.channel);
        return kSoundOk;
    }
    return kSoundOk;
}

MixerSoundBackend::Sound* MixerSoundBackend::mostUrgentLoad() const {
    return *std::min_element(loads.begin(), loads.end(), [](const Sound* a, const Sound* b) {
        return moreUrgent(a->pending(), b->pending());
    });
}

void MixerSoundBackend::finishLoad(Sound& sound) {
    sound.pcm = std::move(sound.decoder->pcm());
    loads.erase(std::find(loads.begin(), loads.end(), &sound));
    if (!sound.pcm.empty()) {
        // The chunk borrows the samples, which stay put until close() frees it.
        sound.chunk = Mix_QuickLoad_RAW(sound.pcm.data(), static_cast<Uint32>(sound.pcm.size()));
    }
    sound.state = sound.chunk != nullptr ? LoadState::Ready : LoadState::Failed;
    // The decoder still holds the buffer an early loop plays from: the loop
    // ends, or moves on to the whole sound, before the decoder goes.
    if (sound.playingEarly && sound.chunk == nullptr) {
        endEarlyLoop(sound);
    } else if (sound.playingEarly && sound.pcm.data() != sound.early.samples) {
        // The tag told too short a length: the whole sound is elsewhere.
        // Unregistering waits for the mixing pass, so the swap is safe.
        Mix_UnregisterEffect(sound.channel, &playEarlyLoop);
        sound.early.samples = sound.pcm.data();
        sound.early.length.store(sound.pcm.size());
        sound.early.decoded.store(sound.pcm.size(), std::memory_order_release);
        if (Mix_RegisterEffect(sound.channel, &playEarlyLoop, nullptr, &sound.early) == 0) {
            endEarlyLoop(sound);
            sound.playPending = true;
            sound.pendingRepeat = true;
        }
    } else if (sound.playingEarly) {
        // The samples stayed where they were: the early loop plays on through them.
        sound.early.length.store(sound.pcm.size());
        sound.early.decoded.store(sound.pcm.size(), std::memory_order_release);
    }
    sound.decoder.reset();
    // Started under the lock, so a stop cannot slip in between the check and the start.
    if (sound.playPending && sound.chunk != nullptr && !stopping) {
        firstSoundStarted = true;
        Mix_PlayChannel(sound.channel, sound.chunk, sound.pendingRepeat ? kLoopForever : kPlayOnce);
    }
    sound.playPending = false;
    loadFinished.notify_all();
}

void MixerSoundBackend::runLoader() {
    std::unique_lock lock(stateMutex);
    for (;;) {
        loadQueued.wait(lock, [this] { return stopping || ((!loadsHeld || heldSlicesLeft > 0) && !loads.empty()); });
        if (stopping) {
            return;
        }
        // Sounds are only removed by close(), after this thread has ended,
        // and only this thread touches a decoder.
        Sound* sound = mostUrgentLoad();
        SoundDecoder* decoder = sound->decoder.get();
        // Once the first sound is heard, the effects are in, no play waits and
        // no loop plays ahead of its decoding, the rest gives way to the
        // game's drawing: each slice is followed by a rest, cut short when
        // something urgent comes.
        const bool givingWay = firstSoundStarted && !isUrgent(sound->pending());
        lock.unlock();
        const auto cpuBefore = threadCpuTime();
        const bool done = decoder->decodeSlice();  // never throws
        const auto sliceTime = threadCpuTime() - cpuBefore;
        lock.lock();
        if (done) {
            finishLoad(*sound);
        } else if (sound->playingEarly) {
            sound->early.length.store(decoder->expectedBytes());
            sound->early.decoded.store(decoder->decodedBytes(), std::memory_order_release);
        } else if (sound->playPending && sound->pendingRepeat && !sound->earlyRefused && !stopping &&
                   decoder->earlySamples() != nullptr) {
            startEarlyLoop(*sound, *decoder);
        }
        if (loadsHeld && heldSlicesLeft > 0) {
            --heldSlicesLeft;
            loadFinished.notify_all();
        }
        if (givingWay) {
            loadQueued.wait_for(lock, sliceTime * kRestPerSliceTime, [this] {
                return stopping || std::any_of(loads.begin(), loads.end(),
                                               [](const Sound* load) { return isUrgent(load->pending()); });
            });
        }
    }
}

// The channel plays a silent carrier, looped, and an effect on it plays the
// decoded samples. A refusal of either is noticed: the sound then starts whole
// once decoded.
void MixerSoundBackend::startEarlyLoop(Sound& sound, const SoundDecoder& decoder) {
    sound.early.samples = decoder.earlySamples();
    sound.early.length.store(decoder.expectedBytes());
    sound.early.decoded.store(decoder.decodedBytes(), std::memory_order_release);
    sound.early.frameBytes = static_cast<std::size_t>(deviceFormat.channels * kBytesPerSample);
    sound.early.position = 0;
    // Registered after the carrier starts: starting or halting a channel drops its effects.
    if (Mix_PlayChannel(sound.channel, carrier, kLoopForever) < 0 ||
        Mix_RegisterEffect(sound.channel, &playEarlyLoop, nullptr, &sound.early) == 0) {
        Mix_HaltChannel(sound.channel);
        sound.earlyRefused = true;
        return;
    }
    sound.playingEarly = true;
    sound.playPending = false;
    firstSoundStarted = true;
}

void MixerSoundBackend::endEarlyLoop(Sound& sound) {
    if (!sound.playingEarly) {
        return;
    }
    Mix_UnregisterEffect(sound.channel, &playEarlyLoop);
    Mix_HaltChannel(sound.channel);
    sound.playingEarly = false;
}
