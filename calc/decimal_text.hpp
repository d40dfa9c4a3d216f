// The pieces of reading a number's text, shared by to_number and the reading of units:
// blanks, full-width twins, the decimal grammar. Internal to calc/.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/numbers.hpp"

namespace calc::decimal_text {

std::string_view trim_blanks(std::string_view text);

// Full-width forms of ASCII, and 。, as ASCII; any other character is kept.
std::string to_ascii(std::string_view text);

// The parts of  [+-] digits [. digits] [(e|E) [+-] digits]  with at least one mantissa digit.
struct Decimal {
    bool negative = false;
    std::string_view unsigned_text;  // what from_chars reads: the number without its sign
    std::string_view mantissa;       // its digits and point, without the exponent
    int64_t exponent = 0;            // as written after the e, saturated
    int64_t magnitude = 0;           // decimal exponent of the leading non-zero digit, saturated
    bool all_zero = true;
};

// The longest start of `s` that is a number: its length, 0 for none, and its parts in `out`.
std::size_t scan_decimal(std::string_view s, Decimal& out);
// The whole of `s` as a number.
bool parse_decimal(std::string_view s, Decimal& out);

// The value of ASCII text that parse_decimal took, correctly rounded; NotANumber if it did
// not, Overflow beyond the Double range, zero below it.
Double read_decimal(std::string_view ascii);

}  // namespace calc::decimal_text
