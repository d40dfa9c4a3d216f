// A value to a number of significant digits, as a published table prints it, for comparing
// with the table's own text.
#pragma once

#include <cstdio>
#include <string>

inline std::string to_digits(double value, int significant) {
    char text[40];
    std::snprintf(text, sizeof text, "%.*e", significant - 1, value);
    return text;
}
