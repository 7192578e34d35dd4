#pragma once
#include <string>

// Literals that read back bit-for-bit as the value written.
std::string doubleLiteral(double value);
std::string floatLiteral(float value);
