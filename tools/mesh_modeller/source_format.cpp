#include "source_format.h"

#include <cstdio>

namespace {

// "1" is an integer literal; make sure every number reads as floating point.
std::string withPoint(std::string text) {
    if (text.find_first_of(".eEn") == std::string::npos) text += ".0";
    return text;
}

}  // namespace

std::string doubleLiteral(double value) {
    if (value == 0.0) value = 0.0;  // no "-0"
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return withPoint(buffer);
}

std::string floatLiteral(float value) {
    if (value == 0.0f) value = 0.0f;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    return withPoint(buffer) + "f";
}
