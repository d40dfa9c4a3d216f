#include "report/search_text.hpp"

#include "report/layout_text.hpp"

namespace report {

QStringList candidate_lines(const design::Candidate& c) {
    return {"Ns = " + count(c.shells),
            "L = " + plain(c.length) + " m",
            "Np = " + count(c.passes),
            "ns = " + count(c.per_pass),
            "NT = " + count(c.tubes),
            "D = " + mm(c.shell_diameter),
            "h = " + mm(c.baffle_spacing),
            "NB = " + count(c.baffles),
            "S = " + figure(c.area) + " ㎡",
            "K′ = " + figure(c.coefficient) + " W/(㎡·℃)",
            "H′ = " + percent(c.margin),
            "ΔPt = " + kpa(c.tube_drop),
            "ΔPs = " + (c.fails(design::Condition::Esso) ? QString("—") : kpa(c.shell_drop))};
}

QStringList candidate_columns() {
    return {"Ns",
            "L/m",
            "Np",
            "ns",
            "NT",
            "D/mm",
            "h/mm",
            "NB",
            "ui′/(m/s)",
            "uo/(m/s)",
            "K′/(W/(㎡·℃))",
            "S/㎡",
            "H′/%",
            "ΔPt/kPa",
            "ΔPs/kPa",
            "L/D"};
}

QStringList candidate_cells(const design::Candidate& c) {
    return {count(c.shells),
            plain(c.length),
            count(c.passes),
            count(c.per_pass),
            count(c.tubes),
            plain(c.shell_diameter * 1000.0),
            plain(c.baffle_spacing * 1000.0),
            count(c.baffles),
            figure(c.tube_velocity),
            figure(c.shell_velocity),
            figure(c.coefficient),
            figure(c.area),
            figure(c.margin * 100.0),
            figure(c.tube_drop / 1000.0),
            c.fails(design::Condition::Esso) ? QString("—") : figure(c.shell_drop / 1000.0),
            figure(c.length_to_diameter)};
}

QString condition_words(design::Condition condition, const design::Search& s) {
    using design::Condition;
    switch (condition) {
        case Condition::Margin:
            return "面积裕度 H′ ≥ " + plain(s.least_margin * 100.0) + " %";
        case Condition::TubeDrop:
            return "管程压降 ΔPt ≤ " + plain(s.allowable_tube_drop / 1000.0) + " kPa";
        case Condition::ShellDrop:
            return "壳程压降 ΔPs ≤ " + plain(s.allowable_shell_drop / 1000.0) + " kPa";
        case Condition::ShellVelocity:
            return "管外流速 uo 在 " + span(s.shell_velocity, " m/s") + " 之内";
        case Condition::LengthToDiameter:
            return "长径比 L/D 在 " + span(s.length_to_diameter, "") + " 之内";
        case Condition::Esso:
            return "壳程 Re0 > 500（Esso 法适用）";
    }
    return {};
}

QString none_words(const design::Search& s) {
    if (s.tried() == 0) {
        return "没有可试的方案：每程管数、壳径都超出标准范围，请放宽流速范围或分为几台换热器";
    }
    std::size_t most = 0;
    for (std::size_t k = 1; k < design::condition_count; ++k) {
        if (s.failures[k] > s.failures[most]) most = k;
    }
    QString words = "试了 " + QString::number(s.tried()) +
                    " 个方案，没有一个满足全部条件；最常不满足的是「" +
                    condition_words(design::Condition(most), s) + "」（" +
                    QString::number(s.failures[most]) + " 个）";
    if (s.closest) {
        const design::Candidate& c = s.candidates[*s.closest];
        // Its Ns … NB, then H′ and both drops.
        const QStringList lines = candidate_lines(c);
        words += "。最接近的是 " +
                 lines.mid(c.shells > 1 ? 0 : 1, c.shells > 1 ? 8 : 7).join("，") + "：" +
                 lines.mid(10).join("，");
    }
    return words;
}

QString stop_words(const design::Search& s) {
    if (s.stop == design::SearchStop::Refused && s.refused) {
        return "结构参数 " + refusal_words(*s.refused) + "，不作自动设计";
    }
    return "管内流速范围 " + span(s.tube_velocity, " m/s") +
           " 内没有每程管数可取（1–5000 根），不作自动设计";
}

}  // namespace report
