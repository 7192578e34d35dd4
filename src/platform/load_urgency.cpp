#include "platform/load_urgency.h"

#include <tuple>

bool moreUrgent(const PendingLoad& a, const PendingLoad& b) {
    const auto rank = [](const PendingLoad& load) {
        return std::make_tuple(!load.playing, !load.effect, !load.waitedFor, load.order);
    };
    return rank(a) < rank(b);
}

bool isUrgent(const PendingLoad& load) {
    return load.playing || load.effect || load.waitedFor;
}
