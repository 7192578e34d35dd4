#include "app/data_dir.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
// A file every complete data folder holds.
constexpr const char* kProbeFile = "title.ppm";

bool holdsData(const std::string& folder) {
    std::error_code error;
    return fs::is_regular_file(fs::path(folder) / kProbeFile, error);
}
}  // namespace

std::vector<std::string> dataDirCandidates(const std::string& executablePath) {
    std::vector<std::string> candidates;
    if (!executablePath.empty())
        candidates.push_back((fs::path(executablePath).parent_path() / VELTRANE_DATA_FROM_EXECUTABLE).lexically_normal());
    const std::string buildTreeData = VELTRANE_BUILD_TREE_DATA_DIR;
    if (!buildTreeData.empty()) candidates.push_back(buildTreeData);
    return candidates;
}

std::string findDataDir(const std::vector<std::string>& candidates) {
    for (const std::string& folder : candidates)
        if (holdsData(folder)) return folder;
    return "";
}

DataDirChoice chooseDataDir(const std::string& named, const std::string& environment,
                            const std::vector<std::string>& candidates, const std::string& workingFolder) {
    using Outcome = DataDirChoice::Outcome;
    const bool fromCommandLine = !named.empty();
    const std::string& chosen = fromCommandLine ? named : environment;
    if (!chosen.empty()) {
        if (holdsData(chosen)) return {Outcome::Found, chosen, ""};
        const std::string source = fromCommandLine ? "--data-dir" : "VELTRANE_DATA_DIR";
        return {Outcome::NamedFolderLacksData, "", "no game data in " + chosen + " (named by " + source + ")"};
    }
    const std::string found = findDataDir(candidates);
    if (!found.empty()) return {Outcome::Found, found, ""};
    if (holdsData(workingFolder)) return {Outcome::Found, workingFolder, ""};

    std::string looked;
    for (const std::string& candidate : candidates) looked += candidate + ", ";
    looked += "the working folder";
    return {Outcome::NoData, "", "no game data found in " + looked + "; starting without it"};
}

DataDirChoice enterDataDir(const std::string& named) {
    std::error_code exeError, workingError, enterError;
    const fs::path executable = fs::read_symlink("/proc/self/exe", exeError);
    const fs::path working = fs::current_path(workingError);
    const char* environment = std::getenv("VELTRANE_DATA_DIR");
    DataDirChoice choice = chooseDataDir(named, environment != nullptr ? environment : "",
                                         dataDirCandidates(exeError ? std::string() : executable.string()),
                                         workingError ? std::string(".") : working.string());
    if (choice.outcome == DataDirChoice::Outcome::Found) {
        fs::current_path(choice.folder, enterError);
        if (!enterError) return choice;
        choice.message = "cannot enter " + choice.folder + ": " + enterError.message();
        choice.outcome = DataDirChoice::Outcome::NoData;
        choice.folder.clear();
    }
    std::fprintf(stderr, "veltrane: %s\n", choice.message.c_str());
    return choice;
}
