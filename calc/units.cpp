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
constexpr std::array<UnitRow, 38> unit_table{{
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
    {Q::Pressure, "kPa", "kPa", R::Same},
    {Q::Pressure, "Pa", "Pa", R::PowerOfTen, -3},
    {Q::Pressure, "MPa", "MPa", R::PowerOfTen, 3},
    {Q::Pressure, "bar", "bar", R::PowerOfTen, 2},
    {Q::Pressure, "atm", "atm", R::Multiply, 0, 101.325},          // the standard atmosphere
    {Q::Pressure, "kgf/cm2", "kgf/cm²", R::Multiply, 0, 98.0665},  // 9.80665 N on 10⁻⁴ m²
}};
// clang-format on

// Every `from` in `s` as `to`.
void replace_all(std::string& s, std::string_view from, std::string_view to) {
    std::string replaced;
    for (std::size_t i = 0; i < s.size();) {
        if (std::string_view(s).substr(i).starts_with(from)) {
            replaced += to;
            i += from.size();
        } else {
            replaced += s[i++];
        }
    }
    s = std::move(replaced);
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

Scientific scientific(const decimal_text::Decimal& number) {
    Scientific s{number.negative, {}, number.exponent};
    const std::size_t point = number.mantissa.find('.');
    for (const char c : number.mantissa) {
        if (c != '.') s.digits += c;
    }
    if (point != std::string_view::npos) {
        s.exponent -= static_cast<int64_t>(number.mantissa.size() - point - 1);
    }
    return s;
}

std::string text_of(const Scientific& s) {
    return (s.negative ? "-" : "") + (s.digits.empty() ? "0" : s.digits) + "e" +
           std::to_string(s.exponent);
}

// × 10^power on the text: "20" and −3 give "20e-3", which reads as "0.02" does.
std::string shifted(const decimal_text::Decimal& number, int power) {
    Scientific s = scientific(number);
    s.exponent += power;
    return text_of(s);
}

// − 273.15 on the decimal digits: "303.15" gives "3000e-2", which reads as "30" does.
std::string less_273_15(const decimal_text::Decimal& number) {
    const Scientific s = scientific(number);
    // Beyond these the number either overflows anyway or is far below half an ulp of 273.15.
    if (number.magnitude > 400) return text_of(s);
    if (number.all_zero || number.magnitude < -400) return "-273.15";

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

// The unit written after the number, already through to_ascii, as it is matched: no
// parentheses, ², ³ and ㎡ as 2, 3 and m2, °C and degC as ℃, µ and μ as u, every product dot
// (·, ⋅, *, . or a blank) as "*", the labels' "Kg" as "kg"; in conductivity and specific heat,
// where it is a difference, ℃ as K. "kJ/(kg·℃)" is "kJ/kg*K".
std::string unit_spelling(std::string_view unit, UnitQuantity quantity) {
    std::string s(unit);
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

}  // namespace

std::vector<UnitRow> units_of(UnitQuantity quantity) {
    std::vector<UnitRow> rows;
    for (const UnitRow& row : unit_table) {
        if (row.quantity == quantity) rows.push_back(row);
    }
    return rows;
}

UnitReading read_with_unit(std::string_view text, UnitQuantity quantity) {
    const std::string ascii = decimal_text::to_ascii(decimal_text::trim_blanks(text));
    if (ascii.empty()) throw Fault(FaultKind::Empty);
    decimal_text::Decimal number;
    const std::size_t length = decimal_text::scan_decimal(ascii, number);
    if (length == ascii.size()) return {decimal_text::read_decimal(ascii), nullptr};

    const std::string spelling = unit_spelling(std::string_view(ascii).substr(length), quantity);
    // A unit starts with a letter or a degree sign; anything else after the number is not one.
    const bool unit_like =
        !spelling.empty() &&
        (is_letter(spelling[0]) || spelling.starts_with("℃") || spelling.starts_with("°"));
    if (length == 0 || !unit_like) throw Fault(FaultKind::NotANumber);
    const UnitRow* unit = find_unit(quantity, spelling);
    if (!unit) throw Fault(FaultKind::WrongUnit);

    const std::string_view text_of_number = std::string_view(ascii).substr(0, length);
    switch (unit->rule) {
        case UnitRule::Same:
            return {decimal_text::read_decimal(text_of_number), unit};
        case UnitRule::PowerOfTen:
            return {decimal_text::read_decimal(shifted(number, unit->power)), unit};
        case UnitRule::Kelvin:
            return {decimal_text::read_decimal(less_273_15(number)), unit};
        case UnitRule::Multiply:
            return {product(decimal_text::read_decimal(text_of_number), unit->factor, {}), unit};
        case UnitRule::Divide:
            return {quotient(decimal_text::read_decimal(text_of_number), unit->factor, {}), unit};
    }
    throw Fault(FaultKind::WrongUnit);
}

bool carries_unit(std::string_view text) {
    const std::string ascii = decimal_text::to_ascii(decimal_text::trim_blanks(text));
    decimal_text::Decimal number;
    const std::size_t length = decimal_text::scan_decimal(ascii, number);
    return length > 0 && length < ascii.size();
}

Double to_number(std::string_view text, UnitQuantity quantity) {
    return read_with_unit(text, quantity).value;
}

Single to_single_number(std::string_view text, UnitQuantity quantity) {
    return to_single(to_number(text, quantity));
}

}  // namespace calc
