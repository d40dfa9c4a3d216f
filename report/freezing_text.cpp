#include "report/freezing_text.hpp"

#include "report/number_text.hpp"

namespace report {
namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The side's colder end, its name and its temperature: the outlet of a cooled stream.
struct ColdEnd {
    QString name;
    calc::Single celsius;
};
ColdEnd cold_end(calc::Single inlet, calc::Single outlet) {
    return outlet <= inlet ? ColdEnd{"出口", outlet} : ColdEnd{"进口", inlet};
}

// What the freezing check finds on one side: nothing, or its colder end near or below freezing.
struct NearFreezing {
    ColdEnd end;
    double freezing;
    bool below;
};
std::optional<NearFreezing> near_freezing(const FillSource& fill, calc::Single inlet,
                                          calc::Single outlet) {
    if (!fill || fill->fluid->kind != properties::FluidKind::Solution) return std::nullopt;
    const ColdEnd end = cold_end(inlet, outlet);
    const double freezing = properties::freezing_celsius(*fill->fluid, fill->fraction);
    if (!(end.celsius < freezing + properties::freezing_margin)) return std::nullopt;
    return NearFreezing{end, freezing, end.celsius < freezing};
}

// "出口 −13 ℃ 距冰点 −14.58 ℃ 不足 3 K", or "出口 −16 ℃ 低于冰点 −14.58 ℃".
QString near_freezing_words(const NearFreezing& near) {
    const QString end = near.end.name + " " + signed_words(exact(near.end.celsius)) + " ℃";
    return near.below ? end + " 低于冰点 " + freezing_words(near.freezing)
                      : end + " 距冰点 " + freezing_words(near.freezing) + " 不足 " +
                            QString::number(properties::freezing_margin) + " K";
}

QString freezing_advice(const NearFreezing& near) {
    return "提高浓度或" + near.end.name + "温度";
}

}  // namespace

QStringList freezing_cautions(const FillSource& tube, const FillSource& shell,
                              const calc::SizingInput& input) {
    QStringList lines;
    const auto add = [&lines](const FillSource& fill, calc::Side side, calc::Single inlet,
                              calc::Single outlet) {
        if (const auto near = near_freezing(fill, inlet, outlet)) {
            lines << "注意：" + side_name(side) + near_freezing_words(*near) + "：" +
                         freezing_advice(*near) + "。";
        }
    };
    add(tube, calc::Side::Tube, input.t1, input.t2);
    add(shell, calc::Side::Shell, input.T1, input.T2);
    return lines;
}

QList<CheckRow> freezing_check_rows(const FillSource& tube, const FillSource& shell,
                                    const calc::SizingInput& input) {
    QList<CheckRow> rows;
    const auto add = [&rows](const FillSource& fill, calc::Side side, calc::Single inlet,
                             calc::Single outlet) {
        if (const auto near = near_freezing(fill, inlet, outlet)) {
            rows << CheckRow{side_name(side) + "冰点：" + fraction_words(fill->fraction) + " " +
                                 qt(fill->fluid->chinese),
                             near->end.name + " " + signed_words(exact(near->end.celsius)) + " ℃",
                             "≥ 冰点 " + freezing_words(near->freezing) + " + " +
                                 QString::number(properties::freezing_margin) + " K",
                             "注意：" + freezing_advice(*near), true};
        }
    };
    add(tube, calc::Side::Tube, input.t1, input.t2);
    add(shell, calc::Side::Shell, input.T1, input.T2);
    return rows;
}

}  // namespace report
