#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

#include "calc/checked.hpp"
#include "calc/conversion.hpp"
#include "calc/decimal_text.hpp"
#include "calc/fault.hpp"

namespace calc {
namespace decimal_text {
namespace {

// UTF-8 sequences an input method types for ASCII number characters.
struct Twin {
    std::string_view wide;
    char ascii;
};
// clang-format off
constexpr std::array<Twin, 16> twins{{
    {"\uFF10", '0'}, {"\uFF11", '1'}, {"\uFF12", '2'}, {"\uFF13", '3'},
    {"\uFF14", '4'}, {"\uFF15", '5'}, {"\uFF16", '6'}, {"\uFF17", '7'},
    {"\uFF18", '8'}, {"\uFF19", '9'}, {"\uFF0E", '.'}, {"\u3002", '.'},
    {"\uFF0B", '+'}, {"\uFF0D", '-'}, {"\uFF45", 'e'}, {"\uFF25", 'E'},
}};
// clang-format on
constexpr std::string_view ideographic_space = "\u3000";

// Length of the blank at the front of text, or 0.
std::size_t leading_blank(std::string_view text) {
    if (text.empty()) return 0;
    if (text.front() == ' ' || text.front() == '\t') return 1;
    return text.starts_with(ideographic_space) ? ideographic_space.size() : 0;
}

std::size_t trailing_blank(std::string_view text) {
    if (text.empty()) return 0;
    if (text.back() == ' ' || text.back() == '\t') return 1;
    return text.ends_with(ideographic_space) ? ideographic_space.size() : 0;
}

}  // namespace

std::string_view trim_blanks(std::string_view text) {
    while (std::size_t n = leading_blank(text)) text.remove_prefix(n);
    while (std::size_t n = trailing_blank(text)) text.remove_suffix(n);
    return text;
}

// Any character without a twin is kept, to be rejected by the grammar.
std::string to_ascii(std::string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    while (!text.empty()) {
        bool matched = false;
        for (const Twin& twin : twins) {
            if (text.starts_with(twin.wide)) {
                ascii += twin.ascii;
                text.remove_prefix(twin.wide.size());
                matched = true;
                break;
            }
        }
        if (!matched) {
            ascii += text.front();
            text.remove_prefix(1);
        }
    }
    return ascii;
}

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool parse_decimal(std::string_view s, Decimal& out) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) out.negative = s[i++] == '-';
    out.unsigned_text = s.substr(i);

    std::size_t digits = 0;
    std::size_t first_nonzero = 0;  // index of the leading non-zero mantissa digit
    int64_t integer_digits = 0;
    bool seen_point = false;
    for (; i < s.size(); ++i) {
        if (is_digit(s[i])) {
            if (out.all_zero && s[i] != '0') {
                out.all_zero = false;
                first_nonzero = digits;
            }
            ++digits;
            if (!seen_point) ++integer_digits;
        } else if (s[i] == '.' && !seen_point) {
            seen_point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;

    int64_t exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool exponent_negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) exponent_negative = s[i++] == '-';
        std::size_t exponent_digits = 0;
        for (; i < s.size() && is_digit(s[i]); ++i, ++exponent_digits) {
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (s[i] - '0');
        }
        if (exponent_digits == 0) return false;
        if (exponent_negative) exponent = -exponent;
    }
    if (i != s.size()) return false;

    // Mantissa digit k stands for 10^(integer_digits - 1 - k).
    out.magnitude = integer_digits - 1 - static_cast<int64_t>(first_nonzero) + exponent;
    return true;
}

// The grammar's own steps: sign, mantissa, then an exponent only where digits follow it.
std::size_t number_length(std::string_view ascii) {
    const std::string_view s = ascii;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    bool seen_point = false;
    for (; i < s.size(); ++i) {
        if (is_digit(s[i])) {
            ++digits;
        } else if (s[i] == '.' && !seen_point) {
            seen_point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && is_digit(s[j])) {
            while (j < s.size() && is_digit(s[j])) ++j;
            i = j;
        }
    }
    return i;
}

Double read_decimal(std::string_view ascii) {
    Decimal decimal;
    if (!parse_decimal(ascii, decimal)) throw Fault(FaultKind::NotANumber);

    const std::string_view digits = decimal.unsigned_text;
    Double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small for a Double reads as zero, like any other underflow; too large is a fault.
        if (decimal.magnitude > 0) throw Fault(FaultKind::Overflow);
        value = 0.0;
    } else if (error != std::errc{} || end != digits.data() + digits.size()) {
        throw Fault(FaultKind::NotANumber);
    }
    return decimal.negative ? -value : value;
}

}  // namespace decimal_text

Double to_number(std::string_view text) {
    const std::string ascii = decimal_text::to_ascii(decimal_text::trim_blanks(text));
    if (ascii.empty()) throw Fault(FaultKind::Empty);
    return decimal_text::read_decimal(ascii);
}

Single to_single_number(std::string_view text) {
    return to_single(to_number(text));
}

}  // namespace calc
