#include "app/data_dir.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
// A file every complete data folder holds.
constexpr const char* kProbeFile = "title.ppm";
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
    for (const std::string& folder : candidates) {
        std::error_code error;
        if (fs::is_regular_file(fs::path(folder) / kProbeFile, error)) return folder;
    }
    return "";
}

bool enterDataDir() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    const std::vector<std::string> candidates = dataDirCandidates(error ? std::string() : executable.string());
    const std::string folder = findDataDir(candidates);
    std::error_code changeError;
    if (!folder.empty()) fs::current_path(folder, changeError);
    if (!folder.empty() && !changeError) return true;

    std::string looked;
    for (const std::string& candidate : candidates) looked += (looked.empty() ? "" : " and ") + candidate;
    std::fprintf(stderr, "veltrane: no game data found in %s; starting without it\n",
                 looked.empty() ? "any folder" : looked.c_str());
    return false;
}
