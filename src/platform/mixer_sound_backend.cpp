#include "platform/mixer_sound_backend.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <utility>

#include "platform/sound_command.h"

namespace {

constexpr int kSampleRate = 44100;
constexpr int kOutputChannels = 2;    // stereo
constexpr int kBufferFrames = 1024;   // about 23 ms per mixing pass
constexpr int kLoopForever = -1;
constexpr int kPlayOnce = 0;

// Shuts SDL down entirely once its last subsystem is gone, so nothing of it
// outlives the sound; other users of SDL keep it alive.
void quitSdlIfUnused() {
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) {
        SDL_Quit();
    }
}

}  // namespace

MixerSoundBackend::MixerSoundBackend()
    : MixerSoundBackend([](const std::string& file) { return Mix_LoadWAV(file.c_str()); }) {}

MixerSoundBackend::MixerSoundBackend(ChunkLoader loader) : loader(std::move(loader)) {}

MixerSoundBackend::~MixerSoundBackend() {
    close();
}

bool MixerSoundBackend::open() {
    if (isOpen) {
        return true;
    }
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
    // Channel 0 is the laser's; aliases get theirs as they are opened.
    Mix_AllocateChannels(kLaserChannel + 1);
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
    // The loader finishes the file it is decoding (Mix_LoadWAV cannot be
    // interrupted) and starts no other; its chunk is freed below with the rest.
    {
        std::lock_guard lock(stateMutex);
        stopping = true;
        loadsUnfinished -= static_cast<int>(queue.size());
        queue.clear();
    }
    loadQueued.notify_all();
    loaderThread.join();

    Mix_HaltChannel(-1);
    for (auto& [name, alias] : aliases) {
        Mix_FreeChunk(alias.chunk);  // null for files that never loaded
    }
    aliases.clear();
    for (auto& [name, chunk] : laserShots) {
        Mix_FreeChunk(chunk);  // null entries are ignored
    }
    laserShots.clear();
    Mix_CloseAudio();
    Mix_Quit();  // unloads the decoders loaded for MP3 files
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
    // The laser's file is small: it loads here on the first shot, waiting at
    // most for the loader's current file.
    auto found = laserShots.find(fileName);
    if (found == laserShots.end()) {
        found = laserShots.emplace(fileName, decode(fileName)).first;
    }
    if (found->second != nullptr) {
        // Playing on a fixed channel cuts whatever that channel was playing.
        Mix_PlayChannel(kLaserChannel, found->second, kPlayOnce);
    }
}

int MixerSoundBackend::aliasChannel(const std::string& alias) const {
    std::lock_guard lock(stateMutex);
    const auto found = aliases.find(alias);
    return found == aliases.end() ? -1 : found->second.channel;
}

void MixerSoundBackend::waitForLoads() {
    std::unique_lock lock(stateMutex);
    loadFinished.wait(lock, [this] { return loadsUnfinished == 0; });
}

int MixerSoundBackend::openAlias(const SoundCommand& cmd) {
    {
        std::lock_guard lock(stateMutex);
        if (aliases.count(cmd.alias) != 0) {
            return kSoundAliasInUse;
        }
    }
    // A file that cannot be read leaves no alias behind: its later cues report
    // an unknown alias. One that reads but does not decode keeps its alias,
    // silent.
    SDL_RWops* file = SDL_RWFromFile(cmd.file.c_str(), "rb");
    if (file == nullptr) {
        return kSoundFileUnusable;
    }
    SDL_RWclose(file);

    // The loader allocates the channel: Mix_AllocateChannels takes the audio
    // lock, which an MP3 decode holds throughout, so calling it here would
    // stall start-up behind the decodes.
    std::lock_guard lock(stateMutex);
    const int channel = kLaserChannel + 1 + static_cast<int>(aliases.size());
    aliases.emplace(cmd.alias, Alias{.channel = channel});
    queue.push_back(Load{cmd.alias, cmd.file});
    ++loadsUnfinished;
    loadQueued.notify_one();
    return kSoundOk;
}

int MixerSoundBackend::playAlias(const SoundCommand& cmd) {
    std::lock_guard lock(stateMutex);
    const auto found = aliases.find(cmd.alias);
    if (found == aliases.end()) {
        return kSoundUnknownAlias;
    }
    Alias& alias = found->second;
    switch (alias.state) {
    case LoadState::Failed:
        return kSoundFileUnusable;
    case LoadState::Loading:
        // Not playing yet, so it starts from the beginning once loaded,
        // with or without "from 0".
        alias.playPending = true;
        alias.pendingRepeat = cmd.repeat;
        return kSoundOk;
    case LoadState::Ready:
        break;
    }
    // Without "from 0" a sound that is already playing carries on; a stopped
    // one starts from its beginning (stop does not remember a position).
    if (!cmd.fromStart && Mix_Playing(alias.channel)) {
        return kSoundOk;
    }
    const int loops = cmd.repeat ? kLoopForever : kPlayOnce;
    if (Mix_PlayChannel(alias.channel, alias.chunk, loops) < 0) {
        return kSoundFileUnusable;
    }
    return kSoundOk;
}

int MixerSoundBackend::stopAlias(const SoundCommand& cmd) {
    std::lock_guard lock(stateMutex);
    const auto found = aliases.find(cmd.alias);
    if (found == aliases.end()) {
        return kSoundUnknownAlias;
    }
    Alias& alias = found->second;
    switch (alias.state) {
    case LoadState::Failed:
        return kSoundFileUnusable;
    case LoadState::Loading:
        alias.playPending = false;
        return kSoundOk;
    case LoadState::Ready:
        Mix_HaltChannel(alias.channel);
        return kSoundOk;
    }
    return kSoundOk;
}

void MixerSoundBackend::runLoader() {
    std::unique_lock lock(stateMutex);
    for (;;) {
        loadQueued.wait(lock, [this] { return stopping || !queue.empty(); });
        if (stopping) {
            return;
        }
        const Load load = std::move(queue.front());
        queue.pop_front();
        // Channels for every alias opened so far, allocated between decodes
        // when the audio lock is free; under the mutex because Mix_Playing
        // (called under it) reads the channel array without the audio lock.
        Mix_AllocateChannels(kLaserChannel + 1 + static_cast<int>(aliases.size()));

        lock.unlock();
        Mix_Chunk* chunk = decode(load.file);
        lock.lock();

        // Aliases are only removed by close(), after this thread has ended.
        Alias& alias = aliases.at(load.alias);
        alias.chunk = chunk;
        alias.state = chunk != nullptr ? LoadState::Ready : LoadState::Failed;
        // Started under the lock, so a stop cannot slip in between the check
        // and the start.
        if (alias.playPending && chunk != nullptr && !stopping) {
            Mix_PlayChannel(alias.channel, chunk, alias.pendingRepeat ? kLoopForever : kPlayOnce);
        }
        alias.playPending = false;
        --loadsUnfinished;
        loadFinished.notify_all();
    }
}

Mix_Chunk* MixerSoundBackend::decode(const std::string& file) {
    std::lock_guard lock(decodeMutex);
    return loader(file);
}
