#include "state/hud_notice.h"

#include <chrono>
#include <mutex>

namespace {
constexpr auto kNoticeShown = std::chrono::seconds(2);

std::mutex noticeMutex;
std::string noticeText;
std::chrono::steady_clock::time_point noticeEnds;
}  // namespace

void showNotice(const std::string& text) {
    const std::lock_guard lock(noticeMutex);
    noticeText = text;
    noticeEnds = std::chrono::steady_clock::now() + kNoticeShown;
}

std::string noticeNow() {
    const std::lock_guard lock(noticeMutex);
    if (noticeText.empty() || std::chrono::steady_clock::now() >= noticeEnds) return "";
    return noticeText;
}
