#include "report/freezing_text.hpp"

#include <vector>

#include "report/number_text.hpp"

namespace report {
namespace {

// A side filled with a solution whose colder end, the outlet of a cooled stream, lies near or
// below the freezing point.
struct NearFreezing {
    calc::Side side;
    Fill fill;
    QString end;  // "进口" or "出口"
    calc::Single celsius;
    double freezing;
    bool below;
};

std::vector<NearFreezing> near_freezing(const FillSource& tube, const FillSource& shell,
                                        const calc::SizingInput& input) {
    std::vector<NearFreezing> found;
    const auto add = [&found](const FillSource& fill, calc::Side side, calc::Single inlet,
                              calc::Single outlet) {
        if (!fill || fill->fluid->kind != properties::FluidKind::Solution) return;
        const bool at_outlet = outlet <= inlet;
        const calc::Single celsius = at_outlet ? outlet : inlet;
        const double freezing = properties::freezing_celsius(*fill->fluid, fill->fraction);
        if (!(celsius < freezing + properties::freezing_margin)) return;
        found.push_back(NearFreezing{side, *fill, at_outlet ? "出口" : "进口", celsius, freezing,
                                     celsius < freezing});
    };
    add(tube, calc::Side::Tube, input.t1, input.t2);
    add(shell, calc::Side::Shell, input.T1, input.T2);
    return found;
}

// "出口 −13 ℃"
QString end_words(const NearFreezing& near) {
    return near.end + " " + signed_words(exact(near.celsius)) + " ℃";
}

QString advice(const NearFreezing& near) {
    return "提高浓度或" + near.end + "温度";
}

}  // namespace

// "注意：管内出口 −13 ℃ 距冰点 −14.58 ℃ 不足 3 K：…", or "… 低于冰点 −14.58 ℃：…".
QStringList freezing_cautions(const FillSource& tube, const FillSource& shell,
                              const calc::SizingInput& input) {
    QStringList lines;
    for (const NearFreezing& near : near_freezing(tube, shell, input)) {
        const QString how = near.below ? " 低于冰点 " + freezing_words(near.freezing)
                                       : " 距冰点 " + freezing_words(near.freezing) + " 不足 " +
                                             QString::number(properties::freezing_margin) + " K";
        lines << "注意：" + side_name(near.side) + end_words(near) + how + "：" + advice(near) +
                     "。";
    }
    return lines;
}

QList<CheckRow> freezing_check_rows(const FillSource& tube, const FillSource& shell,
                                    const calc::SizingInput& input) {
    QList<CheckRow> rows;
    for (const NearFreezing& near : near_freezing(tube, shell, input)) {
        rows << CheckRow{
            side_name(near.side) + "冰点：" + solution_words(*near.fill.fluid, near.fill.fraction),
            end_words(near),
            "≥ 冰点 " + freezing_words(near.freezing) + " + " +
                QString::number(properties::freezing_margin) + " K",
            "注意：" + advice(near), true};
    }
    return rows;
}

}  // namespace report
