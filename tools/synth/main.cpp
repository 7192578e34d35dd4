// Renders every sound effect and music track of the game into one folder.
// Usage: synth <output folder>
#include "mastering.h"
#include "media_catalogue.h"
#include "mp3_writer.h"
#include "wav_writer.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr unsigned kMaxWorkers = 2;

struct Outcome {
    size_t frames = 0;
    float peak = 0.0f;
    float rms = 0.0f;
    double seconds = 0.0;
    std::string error;
};

double decibels(float level) { return level > 0.0f ? 20.0 * std::log10(level) : -200.0; }

Outcome produce(const MediaFile& file, const std::string& folder) {
    Outcome outcome;
    const auto started = std::chrono::steady_clock::now();
    try {
        const StereoBuffer sound = file.make();
        const std::string path = folder + "/" + file.fileName;
        if (file.format == MediaFormat::Wav) writeWav(path, sound);
        else writeMp3(path, sound);
        outcome.frames = sound.frames();
        outcome.peak = peakOf(sound);
        outcome.rms = rmsOf(sound);
    } catch (const std::exception& error) {
        outcome.error = error.what();
    }
    outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return outcome;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const auto started = std::chrono::steady_clock::now();
    const std::vector<MediaFile>& files = mediaCatalogue();
    std::vector<Outcome> outcomes(files.size());

    // Every file is made independently of the others, so the order the workers
    // take them in does not change a single byte of the output.
    std::atomic<size_t> next{0};
    const unsigned workerCount = std::clamp(std::thread::hardware_concurrency(), 1u, kMaxWorkers);
    std::vector<std::thread> workers;
    for (unsigned w = 0; w < workerCount; ++w)
        workers.emplace_back([&] {
            for (size_t i = next++; i < files.size(); i = next++) outcomes[i] = produce(files[i], folder);
        });
    for (std::thread& worker : workers) worker.join();

    int failures = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        const Outcome& outcome = outcomes[i];
        if (!outcome.error.empty()) {
            std::fprintf(stderr, "synth: %s: %s\n", files[i].fileName.c_str(), outcome.error.c_str());
            ++failures;
            continue;
        }
        std::printf("%-18s %8zu frames %6.2f s  peak %6.2f dBFS  rms %6.2f dBFS  (%.2f s)\n", files[i].fileName.c_str(),
                    outcome.frames, double(outcome.frames) / kSampleRate, decibels(outcome.peak), decibels(outcome.rms),
                    outcome.seconds);
    }
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("synth: wrote %zu files in %.2f s\n", files.size() - failures, took);
    return failures == 0 ? 0 : 1;
}
