#include "calc/units.hpp"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "calc/checked.hpp"
#include "calc/decimal_text.hpp"
#include "calc/fault.hpp"

namespace calc {
namespace {

using Q = UnitQuantity;
using R = UnitRule;

// Every unit a field accepts; per quantity the SI unit first, then as listed to the user.
// The rule of each row: Same, a power of ten or − 273.15 on the decimal digits, or one
// Double operation with the exact factor (kcal is the international table calorie, 4186.8 J).
// clang-format off
constexpr std::array<UnitRow, 32> unit_table{{
    {Q::Temperature, "℃", "℃", R::Same},
    {Q::Temperature, "K", "K", R::Kelvin},                         // 303.15 K is 30 ℃
    {Q::MassFlow, "kg/s", "kg/s", R::Same},
    {Q::MassFlow, "kg/min", "kg/min", R::Divide, 0, 60.0},
    {Q::MassFlow, "kg/h", "kg/h", R::Divide, 0, 3600.0},
    {Q::MassFlow, "t/h", "t/h", R::Divide, 0, 3.6},                 // 1000 kg per 3600 s
    {Q::Conductivity, "W/m*K", "W/(m·℃)", R::Same},
    {Q::Conductivity, "mW/m*K", "mW/(m·K)", R::PowerOfTen, -3},
    {Q::Conductivity, "kcal/m*h*K", "kcal/(m·h·℃)", R::Multiply, 0, 1.163},  // 4186.8/3600
    {Q::Density, "kg/m3", "kg/m³", R::Same},
    {Q::Density, "g/cm3", "g/cm³", R::PowerOfTen, 3},
    {Q::Density, "g/mL", "g/mL", R::PowerOfTen, 3},
    {Q::Density, "g/ml", "", R::PowerOfTen, 3},
    {Q::Density, "kg/L", "kg/L", R::PowerOfTen, 3},
    {Q::Density, "kg/l", "", R::PowerOfTen, 3},
    {Q::Density, "t/m3", "t/m³", R::PowerOfTen, 3},
    {Q::SpecificHeat, "J/kg*K", "J/(kg·℃)", R::Same},
    {Q::SpecificHeat, "kJ/kg*K", "kJ/(kg·℃)", R::PowerOfTen, 3},
    {Q::SpecificHeat, "kcal/kg*K", "kcal/(kg·℃)", R::Multiply, 0, 4186.8},
    {Q::Viscosity, "Pa*s", "Pa·s", R::Same},
    {Q::Viscosity, "N*s/m2", "N·s/m²", R::Same},
    {Q::Viscosity, "mPa*s", "mPa·s", R::PowerOfTen, -3},
    {Q::Viscosity, "cP", "cP", R::PowerOfTen, -3},
    {Q::Viscosity, "uPa*s", "μPa·s", R::PowerOfTen, -6},
    {Q::Velocity, "m/s", "m/s", R::Same},
    {Q::Velocity, "cm/s", "cm/s", R::PowerOfTen, -2},
    {Q::Velocity, "m/min", "m/min", R::Divide, 0, 60.0},
    {Q::Length, "m", "m", R::Same},
    {Q::Length, "mm", "mm", R::PowerOfTen, -3},
    {Q::Length, "cm", "cm", R::PowerOfTen, -2},
    {Q::Length, "dm", "", R::PowerOfTen, -1},
    {Q::Length, "km", "", R::PowerOfTen, 3},
}};
// clang-format on

void replace_all(std::string& s, std::string_view from, std::string_view to) {
    for (std::size_t at = s.find(from); at != std::string::npos;
         at = s.find(from, at + to.size())) {
        s.replace(at, from.size(), to);
    }
}

// U+FF01…U+FF5E, the full-width forms of ASCII '!'…'~', as ASCII.
std::string full_width_to_ascii(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        if (i + 2 < text.size() && byte(i) == 0xEF &&
            (byte(i + 1) == 0xBC || byte(i + 1) == 0xBD) && byte(i + 2) >= 0x80 &&
            byte(i + 2) <= 0xBF) {
            const unsigned code = (byte(i + 1) == 0xBC ? 0xFF00u : 0xFF40u) + (byte(i + 2) - 0x80u);
            if (code >= 0xFF01 && code <= 0xFF5E) {
                out += static_cast<char>(code - 0xFEE0);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

bool is_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Decimal digits as an unsigned integer without leading zeros ("" is zero).
std::string without_leading_zeros(std::string digits) {
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    return digits;
}

bool less(const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

std::string add(const std::string& a, const std::string& b) {
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        const int x = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
        const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        sum += static_cast<char>('0' + (x + y + carry) % 10);
        carry = (x + y + carry) / 10;
    }
    std::reverse(sum.begin(), sum.end());
    return sum;
}

// a − b for a ≥ b.
std::string subtract(const std::string& a, const std::string& b) {
    std::string difference;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int x = a[a.size() - 1 - i] - '0' - borrow;
        const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        borrow = x < y ? 1 : 0;
        difference += static_cast<char>('0' + x + 10 * borrow - y);
    }
    std::reverse(difference.begin(), difference.end());
    return without_leading_zeros(difference);
}

// A number's ASCII text as ±digits × 10^exponent, the exponent saturated as the grammar does.
struct Scientific {
    bool negative = false;
    std::string digits;
    int64_t exponent = 0;
};

Scientific scientific(std::string_view number) {
    Scientific s;
    std::size_t i = 0;
    if (number[i] == '+' || number[i] == '-') s.negative = number[i++] == '-';
    int64_t fraction_digits = 0;
    bool seen_point = false;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.') {
            seen_point = true;
            continue;
        }
        s.digits += number[i];
        if (seen_point) ++fraction_digits;
    }
    int64_t exponent = 0;
    bool exponent_negative = false;
    if (i < number.size()) {
        ++i;
        if (number[i] == '+' || number[i] == '-') exponent_negative = number[i++] == '-';
        for (; i < number.size(); ++i) {
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (number[i] - '0');
        }
    }
    s.exponent = (exponent_negative ? -exponent : exponent) - fraction_digits;
    return s;
}

std::string text_of(const Scientific& s) {
    return (s.negative ? "-" : "") + (s.digits.empty() ? "0" : s.digits) + "e" +
           std::to_string(s.exponent);
}

// × 10^power on the text: "20" and −3 give "20e-3", which reads as "0.02" does.
std::string shifted(std::string_view number, int power) {
    Scientific s = scientific(number);
    s.exponent += power;
    return text_of(s);
}

// − 273.15 on the decimal digits: "303.15" gives "3000e-2", which reads as "30" does.
std::string less_273_15(std::string_view number) {
    decimal_text::Decimal decimal;
    decimal_text::parse_decimal(number, decimal);
    // Beyond these the number either overflows anyway or is far below half an ulp of 273.15.
    if (decimal.magnitude > 400) return std::string(number);
    if (decimal.all_zero || decimal.magnitude < -400) return "-273.15";

    const Scientific s = scientific(number);
    const int64_t common = std::min<int64_t>(s.exponent, -2);
    const std::string a =
        without_leading_zeros(s.digits + std::string(std::size_t(s.exponent - common), '0'));
    const std::string b = "27315" + std::string(std::size_t(-2 - common), '0');
    Scientific result;
    if (s.negative) {
        result = {true, add(a, b), common};
    } else if (less(a, b)) {
        result = {true, subtract(b, a), common};
    } else {
        result = {false, subtract(a, b), common};
    }
    return text_of(result);
}

const UnitRow* find_unit(UnitQuantity quantity, std::string_view spelling) {
    for (const UnitRow& row : unit_table) {
        if (row.quantity == quantity && row.spelling == spelling) return &row;
    }
    return nullptr;
}

}  // namespace

std::vector<UnitRow> units_of(UnitQuantity quantity) {
    std::vector<UnitRow> rows;
    for (const UnitRow& row : unit_table) {
        if (row.quantity == quantity) rows.push_back(row);
    }
    return rows;
}

std::string unit_spelling(std::string_view unit, UnitQuantity quantity) {
    std::string s = full_width_to_ascii(unit);
    static constexpr std::pair<std::string_view, std::string_view> forms[] = {
        {"㎡", "m2"},  {"²", "2"},      {"³", "3"},   {"°C", "℃"}, {"ºC", "℃"},
        {"degC", "℃"}, {"µ", "u"},      {"μ", "u"},   {"·", "*"},  {"⋅", "*"},
        {"•", "*"},    {"\u3000", " "}, {"Kg", "kg"}, {"(", ""},   {")", ""},
    };
    for (const auto& [from, to] : forms) replace_all(s, from, to);
    std::string spelling;
    for (const char c : s) {
        const bool product = c == ' ' || c == '\t' || c == '*' || c == '.';
        if (!product) {
            spelling += c;
        } else if (!spelling.empty() && spelling.back() != '*') {
            spelling += '*';
        }
    }
    if (!spelling.empty() && spelling.back() == '*') spelling.pop_back();
    if (quantity == UnitQuantity::Conductivity || quantity == UnitQuantity::SpecificHeat) {
        replace_all(spelling, "℃", "K");
    }
    return spelling;
}

UnitReading read_with_unit(std::string_view text, UnitQuantity quantity) {
    const std::string ascii = decimal_text::to_ascii(decimal_text::trim_blanks(text));
    if (ascii.empty()) throw Fault(FaultKind::Empty);
    const std::size_t length = decimal_text::number_length(ascii);
    if (length == ascii.size()) return {decimal_text::read_decimal(ascii), nullptr};

    const std::string spelling = unit_spelling(std::string_view(ascii).substr(length), quantity);
    // A unit starts with a letter or a degree sign; anything else after the number is not one.
    const bool unit_like =
        !spelling.empty() &&
        (is_letter(spelling[0]) || spelling.starts_with("℃") || spelling.starts_with("°"));
    if (length == 0 || !unit_like) throw Fault(FaultKind::NotANumber);
    const UnitRow* unit = find_unit(quantity, spelling);
    if (!unit) throw Fault(FaultKind::WrongUnit);

    const std::string_view number = std::string_view(ascii).substr(0, length);
    switch (unit->rule) {
        case UnitRule::Same:
            return {decimal_text::read_decimal(number), unit};
        case UnitRule::PowerOfTen:
            return {decimal_text::read_decimal(shifted(number, unit->power)), unit};
        case UnitRule::Kelvin:
            return {decimal_text::read_decimal(less_273_15(number)), unit};
        case UnitRule::Multiply:
            return {product(decimal_text::read_decimal(number), unit->factor, {}), unit};
        case UnitRule::Divide:
            return {quotient(decimal_text::read_decimal(number), unit->factor, {}), unit};
    }
    throw Fault(FaultKind::WrongUnit);
}

bool carries_unit(std::string_view text) {
    const std::string ascii = decimal_text::to_ascii(decimal_text::trim_blanks(text));
    const std::size_t length = decimal_text::number_length(ascii);
    return length > 0 && length < ascii.size();
}

Double to_number(std::string_view text, UnitQuantity quantity) {
    return read_with_unit(text, quantity).value;
}

Single to_single_number(std::string_view text, UnitQuantity quantity) {
    return to_single(to_number(text, quantity));
}

}  // namespace calc
