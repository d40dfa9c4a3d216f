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

constexpr std::string_view ideographic_space = "\u3000";
constexpr std::string_view ideographic_full_stop = "\u3002";

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

// The ASCII twin of a full-width form U+FF01…U+FF5E (three bytes of UTF-8) at the start of
// `text`, or 0.
char full_width_twin(std::string_view text) {
    if (text.size() < 3) return 0;
    const auto byte = [&](std::size_t k) {
        return static_cast<unsigned>(static_cast<unsigned char>(text[k]));
    };
    if ((byte(0) & 0xF0) != 0xE0 || (byte(1) & 0xC0) != 0x80 || (byte(2) & 0xC0) != 0x80) return 0;
    const unsigned code = (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    return code >= 0xFF01 && code <= 0xFF5E ? static_cast<char>(code - 0xFEE0) : '\0';
}

}  // namespace

std::string_view trim_blanks(std::string_view text) {
    while (std::size_t n = leading_blank(text)) text.remove_prefix(n);
    while (std::size_t n = trailing_blank(text)) text.remove_suffix(n);
    return text;
}

// The full-width forms U+FF01…U+FF5E an input method types, as the ASCII '!'…'~' they
// stand for, and 。 as '.'; any other character is kept, to be rejected by the grammar.
std::string to_ascii(std::string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with(ideographic_full_stop)) {
            ascii += '.';
            i += ideographic_full_stop.size() - 1;
        } else if (const char twin = full_width_twin(rest)) {
            ascii += twin;
            i += 2;
        } else {
            ascii += text[i];
        }
    }
    return ascii;
}

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::size_t scan_decimal(std::string_view s, Decimal& out) {
    out = Decimal{};
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) out.negative = s[i++] == '-';
    const std::size_t start = i;

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
    if (digits == 0) return 0;
    out.mantissa = s.substr(start, i - start);

    // An exponent belongs to the number only where digits follow its e.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool exponent_negative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent_negative = s[j++] == '-';
        const std::size_t exponent_start = j;
        int64_t exponent = 0;
        for (; j < s.size() && is_digit(s[j]); ++j) {
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (s[j] - '0');
        }
        if (j > exponent_start) {
            out.exponent = exponent_negative ? -exponent : exponent;
            i = j;
        }
    }
    out.unsigned_text = s.substr(start, i - start);
    // Mantissa digit k stands for 10^(integer_digits - 1 - k).
    out.magnitude = integer_digits - 1 - static_cast<int64_t>(first_nonzero) + out.exponent;
    return i;
}

bool parse_decimal(std::string_view s, Decimal& out) {
    return !s.empty() && scan_decimal(s, out) == s.size();
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

bool is_blank(std::string_view text) {
    return decimal_text::trim_blanks(text).empty();
}

Single to_single_number(std::string_view text) {
    return to_single(to_number(text));
}

}  // namespace calc
