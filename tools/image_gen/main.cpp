// image_gen <outdir>: writes every image file the game reads.
// image_gen --icons <data dir> <icon root>: draws the desktop icons from the
// images already in the data folder.
// The output is the same, byte for byte, on every run.
#include <chrono>
#include <ctime>
#include <cstdio>
#include <string>

#include "capital_images.h"
#include "hull_images.h"
#include "icon_images.h"
#include "menu_images.h"
#include "sky_images.h"
#include "title_images.h"

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--icons") {
        if (writeIconImages(argv[2], argv[3])) return 0;
        std::fprintf(stderr, "image_gen: drawing the icons from %s into %s failed\n", argv[2], argv[3]);
        return 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder> | --icons <data folder> <icon folder>\n", argv[0]);
        return 2;
    }
    const std::string outDir = argv[1];
    const auto start = std::chrono::steady_clock::now();

    struct Step {
        const char* name;
        bool (*write)(const std::string&);
    };
    const Step steps[] = {
        {"sky", writeSkyImages},
        {"particle", writeParticleImage},
        {"hull plate", writeHullImages},
        {"title floor", writeTitleFloorImage},
        {"title", writeTitleImage},
        {"credit", writeCreditImage},
        {"menu", writeMenuImages},
        {"capital ship", writeCapitalImages},
    };
    bool ok = true;
    for (const Step& step : steps) {
        const std::clock_t stepStart = std::clock();
        const bool written = step.write(outDir);
        std::printf("  %-13s %.2f s CPU\n", step.name, static_cast<double>(std::clock() - stepStart) / CLOCKS_PER_SEC);
        if (!written) {
            std::fprintf(stderr, "image_gen: writing the %s images into %s failed\n", step.name, outDir.c_str());
            ok = false;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("image_gen: images written to %s in %.2f s\n", outDir.c_str(), seconds);
    return ok ? 0 : 1;
}
