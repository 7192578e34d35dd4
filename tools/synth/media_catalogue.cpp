#include "media_catalogue.h"

#include "tracks/tracks.h"

const std::vector<MediaFile>& mediaCatalogue() {
    static const std::vector<MediaFile> files = {
        {"laser.wav", MediaFormat::Wav, makeLaser},
        {"smallExplode.wav", MediaFormat::Wav, makeSmallExplode},
        {"bigExplode.wav", MediaFormat::Wav, makeBigExplode},
        {"siren.wav", MediaFormat::Wav, makeSiren},
        {"title.mp3", MediaFormat::Mp3, makeTitle},
        {"background0.mp3", MediaFormat::Mp3, makeBattle},
        {"gameover.mp3", MediaFormat::Mp3, makeGameOver},
        {"gamebeat.mp3", MediaFormat::Mp3, makeVictory},
        {"playerExplode.mp3", MediaFormat::Mp3, makePlayerExplode},
    };
    return files;
}
