// Text to number and number to text, locale-independent.
// Which field a text came from, and how a fault is worded, is left to the caller.
#pragma once

#include <string>
#include <string_view>

#include "calc/numbers.hpp"

namespace calc {

// Reads a decimal number from UTF-8 text. Blanks around it (space, tab, U+3000) are ignored,
// full-width digits, signs, 'ｅ', '．' and '。' read as their ASCII twins.
// Raises Empty for blank text, NotANumber for anything else that is not a number and
// Overflow beyond the Double range; never returns a NaN or an infinity.
Double to_number(std::string_view text);
// The same, rounded into Single for a quantity held in one; Overflow beyond its range.
Single to_single_number(std::string_view text);
// Whether `text` holds nothing but the blanks to_number ignores.
bool is_blank(std::string_view text);

// The shortest text that reads back as the same value of its class; "0" for a negative zero.
// Raises InvalidOperation for a NaN and Overflow for an infinity rather than showing them.
std::string to_text(Single value);
std::string to_text(Double value);

// `digits` significant digits, correctly rounded, as a plain decimal that is never in
// exponent notation: 7.97223665e-4 with 5 gives "0.00079722", 10101.9767 gives "10102".
// Raises as to_text does for a value that is not finite.
std::string to_decimal_text(Double value, int digits);

}  // namespace calc
