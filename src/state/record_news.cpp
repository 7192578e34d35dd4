#include "state/record_news.h"

RecordNews recordNews;

std::string recordNewsLine(const RecordNews& news) {
    if (news.newBestScore && news.newFastestWin) return "New best score!  New fastest win!";
    if (news.newBestScore) return "New best score!";
    if (news.newFastestWin) return "New fastest win!";
    return "";
}
