#include "window/search_choices.hpp"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "calc/conversion.hpp"
#include "calc/fault.hpp"

namespace window {
namespace {

QString where(std::size_t index, const QString& text) {
    return "「" + QString(search_choice_names[index]) + "」中的“" + text + "”";
}

// A number as the fields read one, or a fault naming the choice.
double number(std::size_t index, const QString& text, const QString& whole) {
    try {
        const double value = calc::to_number(text.trimmed().toStdString());
        if (std::isfinite(value)) return value;
    } catch (const calc::Fault&) {
    }
    throw ChoiceFault{index, where(index, whole) + "不是有效的数字"};
}

QString without_unit(QString text, const QString& unit) {
    text = text.trimmed();
    if (text.endsWith(unit)) text.chop(unit.size());
    return text.trimmed();
}

// "0.5–3", "0.5-3" or "0.5~3": two positive numbers, the first not above the second.
calc::Range range(std::size_t index, const QString& text, const QString& unit) {
    const QString bare = without_unit(text, unit);
    const QStringList ends = bare.split(QRegularExpression("[–~～—]|(?<=\\d)-"));
    if (ends.size() != 2) {
        throw ChoiceFault{index, where(index, text) + "不是“下限–上限”形式的范围，如 0.5–3"};
    }
    const double low = number(index, ends[0], text), high = number(index, ends[1], text);
    if (!(low > 0 && low <= high)) {
        throw ChoiceFault{index, where(index, text) + "的下限须为正数且不大于上限"};
    }
    return {low, high};
}

}  // namespace

design::SearchChoices read_search_choices(const casefile::DesignTexts& texts) {
    design::SearchChoices c;
    const auto text = [&](std::size_t i) { return texts[i].trimmed(); };
    if (!text(0).isEmpty()) {
        // A number alone is in %, the unit the margin is shown in.
        c.least_margin = number(0, without_unit(text(0), "%"), text(0)) / 100.0;
    }
    if (!text(1).isEmpty()) c.tube_velocity = range(1, text(1), "m/s");
    if (!text(2).isEmpty()) c.shell_velocity = range(2, text(2), "m/s");
    if (!text(3).isEmpty()) c.length_to_diameter = range(3, text(3), "");
    if (!text(4).isEmpty()) {
        std::vector<double> lengths;
        const QString bare = without_unit(text(4), "m");
        for (const QString& part :
             bare.split(QRegularExpression("[,，、;；\\s]+"), Qt::SkipEmptyParts)) {
            const double length = number(4, part, text(4));
            if (std::ranges::find(design::standard_lengths, length) ==
                design::standard_lengths.end()) {
                throw ChoiceFault{4, where(4, text(4)) + "中的 " + part +
                                         " m 不是标准管长（1.5、2、3、4.5、6、9 m）"};
            }
            lengths.push_back(length);
        }
        if (lengths.empty()) throw ChoiceFault{4, where(4, text(4)) + "中没有管长"};
        c.lengths = lengths;
    }
    if (!text(5).isEmpty()) {
        // "2" alone is 2–2; whole counts of 1–4 shells.
        const QString bare = without_unit(text(5), "台");
        const calc::Range shells =
            bare.contains(QRegularExpression("\\d\\s*[–~～—-]"))
                ? range(5, bare, "")
                : calc::Range{number(5, bare, text(5)), number(5, bare, text(5))};
        const auto whole = [](double n) { return n == std::floor(n); };
        if (!(shells.low >= design::shells_range.low && shells.high <= design::shells_range.high &&
              shells.low <= shells.high && whole(shells.low) && whole(shells.high))) {
            throw ChoiceFault{5, where(5, text(5)) + "须是 1–4 之间的整数或整数范围，如 1–2"};
        }
        c.shells = shells;
    }
    return c;
}

}  // namespace window
