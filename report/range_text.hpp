// A bound or a range as the working words it: 10⁴, 2×10³, "0.7 ≤ Pr ≤ 160", "Re ≥ 10⁴".
#pragma once

#include <QString>
#include <cmath>

#include "calc/correlation_range.hpp"

namespace report {

// 10⁴, 2×10³, 0.7, 160.
inline QString bound(double value) {
    if (value < 1000) return QString::number(value, 'g', 6);
    const int exponent = static_cast<int>(std::floor(std::log10(value)));
    const double mantissa = value / std::pow(10.0, exponent);
    static const QString superscripts = "⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString power = "10";
    for (const QChar digit : QString::number(exponent)) power += superscripts[digit.digitValue()];
    return mantissa == 1.0 ? power : QString::number(mantissa, 'g', 6) + "×" + power;
}

// "2×10³ ≤ Re ≤ 10⁶", "Re ≥ 10⁴", with the unit after a one-sided bound: "μ ≤ 0.1 N·s/㎡".
inline QString range_words(const calc::Range& range, const QString& symbol,
                           const QString& unit = {}) {
    const QString after = unit.isEmpty() ? QString() : " " + unit;
    if (std::isinf(range.high)) return symbol + " ≥ " + bound(range.low) + after;
    if (std::isinf(range.low)) return symbol + " ≤ " + bound(range.high) + after;
    return bound(range.low) + " ≤ " + symbol + " ≤ " + bound(range.high) + after;
}

}  // namespace report
