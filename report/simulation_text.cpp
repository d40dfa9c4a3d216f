#include "report/simulation_text.hpp"

#include <cmath>

#include "design/condensing.hpp"
#include "report/check_text.hpp"
#include "report/layout_text.hpp"
#include "report/summary.hpp"

namespace report {
namespace {

using design::SimulatedState;

QString celsius(double value) {
    return figure(value) + " ℃";
}

QString coefficient(double value) {
    return figure(value) + " W/(㎡·℃)";
}

// "水", "乙二醇水溶液（质量分数 30 %）"
QString fluid_words(const properties::Fluid& fluid, double fraction) {
    QString name =
        QString::fromUtf8(fluid.chinese.data(), static_cast<qsizetype>(fluid.chinese.size()));
    if (!fluid.solution) return name;
    return name + "（质量分数 " + summary(fraction * 100.0) + " %）";
}

QString form_words(const design::TubeFilm& f) {
    if (f.form == design::TubeForm::Laminar) return "层流";
    return f.reynolds < design::tube_transition_below ? "过渡流" : "湍流";
}

}  // namespace

QStringList simulation_lines(const design::SimulationInput& in, const design::Simulation& sim) {
    const SimulatedState& s = sim.states.front();
    QStringList lines{"t2 = " + celsius(s.tube_outlet),
                      "T2 = " + celsius(s.shell_outlet),
                      "Q = " + figure(s.duty) + " W",
                      "ε = " + figure(s.effectiveness),
                      "NTU = " + figure(s.units),
                      "Cr = " + (s.ratio == 0.0 ? QString("0") : figure(s.ratio)),
                      QString("Cmin = ") + (s.tube_is_min ? "管内" : "管外"),
                      "K′ = " + coefficient(s.rating.coefficient),
                      "αi = " + coefficient(s.rating.tube.alpha),
                      "αo = " + coefficient(s.rating.shell.alpha),
                      "ui′ = " + figure(s.rating.tube.velocity) + " m/s",
                      "Rei′ = " + figure(s.rating.tube.reynolds),
                      "ΔPt = " + kpa(s.tube_drop.drop),
                      "ΔPs = " + (s.shell_drop.holds ? kpa(s.shell_drop.drop) : QString("—"))};
    if (!design::condensing(in.design)) {
        // A vapour has no Kern velocity: its film is Nusselt's.
        lines.insert(11, "uo = " + figure(s.rating.shell.velocity) + " m/s");
        lines.insert(13, "Reo = " + figure(s.rating.shell.reynolds));
    }
    if (in.layout.passes >= 2.0) lines << "F = " + figure(s.correction);
    if (design::condensing(in.design)) {
        lines << "D = " + figure(s.condensed) + " kg/s"
              << "tw = " + celsius(s.wall);
    }
    lines << "evaluations = " + QString::number(sim.evaluations);
    return lines;
}

QStringList simulation_notes(const design::SimulationInput& in, const design::Simulation& sim) {
    const SimulatedState& s = sim.states.front();
    QStringList notes;
    const auto note = [&](const QString& text) { notes << "注意：" + text + "。"; };
    // A side's ends against its fluid's range: the colder below it freezes (first of all), a
    // solution's colder end near its freezing point, the hotter above the range's top.
    const auto ends = [&](const design::SimulatedSide& side, double outlet, const char* name) {
        if (!side.fluid) return;
        const properties::Range range = properties::fluid_range(*side.fluid, side.fraction);
        const QString fluid = fluid_words(*side.fluid, side.fraction);
        const double colder = std::min(side.inlet, outlet), hotter = std::max(side.inlet, outlet);
        if (colder < range.low) {
            notes.prepend("注意：" + QString(name) + "出口 " + celsius(colder) + " 低于" + fluid +
                          "的" + (side.fluid->solution ? "冰点 " : "物性下限 ") +
                          celsius(range.low) + "：将结冰。");
        } else if (side.fluid->solution && colder < range.low + properties::freezing_margin) {
            note(QString(name) + "出口 " + celsius(colder) + " 距冰点 " + celsius(range.low) +
                 " 不足 3 K");
        }
        if (hotter > range.high) {
            note(QString(name) + "出口 " + celsius(hotter) + " 高于" + fluid + "的物性上限 " +
                 celsius(range.high));
        }
    };
    if (!design::condensing(in.design)) {
        ends(in.tube, s.tube_outlet, "管内");
        ends(in.shell, s.shell_outlet, "管外");
    }
    if (sim.states.size() > 1) {
        QStringList each;
        for (const SimulatedState& state : sim.states) {
            each << "Q = " + figure(state.duty) + " W（管内出口 " + celsius(state.tube_outlet) +
                        "，" + form_words(state.rating.tube) + "）";
        }
        note("管内流态处于关联式分界附近，有 " + QString::number(sim.states.size()) +
             " 个自洽解：" + each.join("，") + "；显示传热量最小者");
    }
    if (s.boundary) {
        note("管内 Re′ = " + figure(s.rating.tube.reynolds) +
             " 处于关联式分界：两式之间无自洽解，取分界处；按两式的管内出口分别为 " +
             figure(s.boundary_outlets[0]) + " 与 " + celsius(s.boundary_outlets[1]));
    }
    if (in.tube.inlet == in.shell.inlet) note("两侧进口温度相同，不换热");
    if (design::condensing(in.design)) {
        if (s.film_reynolds > design::laminar_film_below) {
            note("冷凝液膜 Ref = " + figure(s.film_reynolds) +
                 "，高于 1800：已非层流膜，努塞尔特式偏低");
        }
        if (s.shell_drop.holds && s.shell_drop.drop > s.shell_drop.allowable) {
            note("壳程压降估算值 ΔPs ≈ " + kpa(s.shell_drop.drop) + "，高于允许的 " +
                 kpa(s.shell_drop.allowable) + "：饱和温度将明显下降");
        }
    }
    if (in.layout.passes >= 2.0 && s.correction < calc::correction_floor) {
        note("F = " + figure(s.correction) +
             " < 0.75：单壳程不宜（温度交叉），宜多壳程串联或纯逆流");
    }
    if (s.rating.tube.reynolds < design::tube_laminar_below) {
        note("管内层流 Re′ = " + figure(s.rating.tube.reynolds) + " < 2300");
    } else if (s.rating.tube.reynolds < design::tube_transition_below) {
        note("管内过渡流 Re′ = " + figure(s.rating.tube.reynolds));
    }
    if (s.effectiveness >= design::near_limit * s.limit && s.duty > 0.0) {
        note("换热器已接近极限（ε = " + figure(s.effectiveness) + "，极限 " + figure(s.limit) +
             "）：再加面积几乎不增传热");
    }
    const design::Rating& r = s.rating;
    const auto outside = [](double value, const calc::Range& range) {
        return value < range.low || value > range.high;
    };
    if (outside(r.tube.prandtl, design::tube_prandtl_range)) {
        note("管程 Pri = " + figure(r.tube.prandtl) +
             "，不在 0.7–120 之内：αi 的关联式不适用，仅供参考");
    }
    if (!design::condensing(in.design)) {
        if (outside(r.shell.reynolds, design::kern_reynolds_range)) {
            note("壳程 Reo = " + figure(r.shell.reynolds) +
                 "，不在 2×10³–10⁶ 之内：Kern 法不适用，αo 仅供参考");
        }
        if (outside(r.shell.velocity, r.shell_velocities)) {
            note("管外流速 uo = " + figure(r.shell.velocity) + " m/s，不在常用的 " +
                 plain(r.shell_velocities.low) + "–" + plain(r.shell_velocities.high) +
                 " m/s 之内");
        }
    }
    if (outside(r.tube.velocity, r.tube_velocities)) {
        note("管内流速 ui′ = " + figure(r.tube.velocity) + " m/s，不在常用的 " +
             plain(r.tube_velocities.low) + "–" + plain(r.tube_velocities.high) + " m/s 之内");
    }
    // Typed properties stay as typed: say so where the state has moved far from the design's.
    const auto typed_far = [&](const design::SimulatedSide& side, double mean, double design,
                               const char* name) {
        if (!side.fluid && std::abs(mean - design) >= 10.0) {
            note(QString(name) + "物性为输入值，未随温度更新（模拟平均 " + celsius(mean) +
                 "，设计 " + celsius(design) + "）");
        }
    };
    typed_far(in.tube, s.tube_mean, in.design.tube_mean_temperature, "管内");
    typed_far(in.shell, s.shell_mean, in.design.shell_mean_temperature, "管外");
    // A liquid's hotter end above its normal boiling point.
    const auto boiling = [&](const design::SimulatedSide& side, double hotter, const char* name) {
        if (side.fluid && properties::above_boiling_point(*side.fluid, hotter)) {
            note(QString(name) + " " + celsius(hotter) + " 高于" +
                 fluid_words(*side.fluid, side.fraction) + "的常压沸点 " +
                 celsius(properties::boiling_celsius(*side.fluid)) + "：须加压保持液相");
        }
    };
    boiling(in.tube, std::max(in.tube.inlet, s.tube_outlet), "管内");
    boiling(in.shell, std::max(in.shell.inlet, s.shell_outlet), "管外");
    return notes;
}

QString exchanger_line(const design::SimulationInput& in) {
    const design::Layout& l = in.layout;
    const design::Rating& r = in.rating;
    QStringList parts;
    if (l.shells > 1) parts << "Ns = " + count(l.shells);
    parts << "L = " + plain(l.length) + " m"
          << "Np = " + count(l.passes) << "NT = " + count(l.tubes) << "D = " + mm(l.shell_diameter)
          << "h = " + mm(l.baffle_spacing) << "S = " + figure(l.area) + " ㎡"
          << "Rsi = " + plain(r.tube_fouling.resistance)
          << "Rso = " + plain(r.shell_fouling.resistance) + " ㎡·℃/W"
          << "λw = " + plain(r.wall.conductivity) + " W/(m·℃)";
    return parts.join("，");
}

QString streams_line(const design::SimulationInput& in) {
    return "管内 " + summary(in.tube.inlet) + " ℃，" + summary(in.tube.flow) + " kg/s；管外 " +
           summary(in.shell.inlet) + " ℃，" + summary(in.shell.flow) + " kg/s";
}

QStringList operation_lines(const design::SimulationInput& in, const design::Simulation& sim,
                            const DesignPoint& d) {
    const SimulatedState& s = sim.states.front();
    QStringList lines{
        "管内出口 t2 = " + celsius(s.tube_outlet) + "（设计 " + summary(d.tube_outlet) + " ℃）",
        "管外出口 T2 = " + celsius(s.shell_outlet) + "（设计 " + summary(d.shell_outlet) + " ℃）",
        "传热量 Q = " + figure(s.duty) + " W（设计 " + figure(d.duty) + " W）" +
            (design::condensing(in.design) ? "，冷凝量 D = Q/r = " + figure(s.condensed) +
                                                 " kg/s，壁温 tw = " + celsius(s.wall)
                                           : QString()),
        "ε = " + figure(s.effectiveness) + "，NTU = K′·S/Cmin = " + figure(s.units) +
            "，Cr = " + figure(s.ratio) + "（Cmin 在" + (s.tube_is_min ? "管内" : "管外") + "）",
        "K′ = " + coefficient(s.rating.coefficient) + "：αi = " + coefficient(s.rating.tube.alpha) +
            "，αo = " + coefficient(s.rating.shell.alpha),
        "ui′ = " + figure(s.rating.tube.velocity) + " m/s，Rei′ = " +
            figure(s.rating.tube.reynolds) + "；uo = " + figure(s.rating.shell.velocity) +
            " m/s，Reo = " + figure(s.rating.shell.reynolds)};
    if (in.layout.passes >= 2.0) {
        lines << "F = " + figure(s.correction) + "（按模拟状态的 ε 与 Cr）";
    }
    lines << "ΔPt = " + kpa(s.tube_drop.drop) +
                 "，ΔPs = " + (s.shell_drop.holds ? kpa(s.shell_drop.drop) : QString("—"));
    lines << "试算 " + QString::number(sim.evaluations) + " 次" +
                 (sim.converged ? QString("（两侧出口相差不超过 1e-9 K）") : QString("未收敛")) +
                 (sim.scanned ? QString("；管内流态可能改变，已按传热量扫描全部自洽解")
                              : QString());
    return lines;
}

QStringList sweep_columns(const QString& input_column) {
    return {input_column, "t2/℃", "T2/℃", "Q/W", "K′/(W/(㎡·℃))", "ΔPt/kPa", "ΔPs/kPa"};
}

QStringList sweep_cells(const design::SweepPoint& p) {
    if (!p.simulation) {
        return {summary(p.value), simulation_refusal_words(*p.refusal)};
    }
    const SimulatedState& s = p.simulation->states.front();
    return {summary(p.value),
            figure(s.tube_outlet),
            figure(s.shell_outlet),
            figure(s.duty),
            figure(s.rating.coefficient),
            figure(s.tube_drop.drop / 1000.0),
            s.shell_drop.holds ? figure(s.shell_drop.drop / 1000.0) : QString("—")};
}

QString simulation_refusal_words(const design::SimulationFault& f) {
    const QString side = side_name(f.side);
    const QString range = f.fluid ? "超出" + fluid_words(*f.fluid, f.fraction) + "的物性范围 " +
                                        summary(f.range.low) + " … " + summary(f.range.high) + " ℃"
                                  : QString();
    switch (f.refusal) {
        case design::SimulationRefusal::Flow:
            return side + "质量流量须大于 0";
        case design::SimulationRefusal::Inlet:
            return side + "进口 " + summary(f.value) + " ℃ " + range;
        case design::SimulationRefusal::Mean:
            return side + "平均温度 " + summary(f.value) + " ℃ " + range;
        case design::SimulationRefusal::Film:
            return "冷凝液膜温度 tm = " + summary(f.value) + " ℃ 超出其液体物性的适用范围（" +
                   summary(f.range.low) + "–" + summary(f.range.high) + " ℃）";
        case design::SimulationRefusal::WallTrial:
            return "壁温试差不收敛";
        case design::SimulationRefusal::AboveSaturation:
            return "管内进口温度须低于饱和温度 ts = " + summary(f.value) + " ℃";
        case design::SimulationRefusal::NoLayout:
            return "这组数据不能排管，不作操作型计算：请先看计算过程中的“结构与压降”";
    }
    return {};
}

}  // namespace report
