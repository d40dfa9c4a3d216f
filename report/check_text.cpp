#include "report/check_text.hpp"

#include "report/summary.hpp"

namespace report {
namespace {

using calc::SlipQuantity;

QString percent(double fraction) {
    return estimate(fraction * 100.0) + " %";
}

QString correction_line(const calc::MultipassCorrection& c) {
    QString line = "单壳程、偶数管程：P = " + summary(c.P) + "，R = " + summary(c.R) + "，";
    if (!c.exists) return line + "F 不存在";
    return line + "F = " + summary(c.F) + "，所需面积 A/F = " + summary(c.area) + " ㎡";
}

QString correction_note(const calc::MultipassCorrection& c) {
    const QString why = c.exists
                            ? "F = " + summary(c.F) + "，低于 " + summary(calc::correction_floor)
                            : QString("这组温度下 F 不存在");
    return "注意：" + why + "：单壳程不宜用于这组温度，宜用多壳程或纯逆流。";
}

QString balance_line(const calc::HeatBalance& b) {
    if (!b.flow_typed) {
        return "热量衡算：管外质量流量未填，与 Q 平衡的管外流量 Ws = " + summary(b.shell_flow) +
               " kg/s";
    }
    return "热量衡算：管外放热 Qs = Ws·cps·(T1 − T2) = " + summary(b.shell_duty) +
           " W，与 Q 相差 " + percent(b.difference);
}

QString balance_note(const calc::HeatBalance& b) {
    return "注意：管外放热与管内吸热相差 " + percent(b.difference) + "，超过 ±" +
           percent(calc::balance_tolerance) + "：请检查管外质量流量、比热和进出口温度。";
}

QString tubes_line(const calc::TubeEstimate& t) {
    return "管数估算：每程 n = W/(ρt·ut·π·dt²/4) = " + estimate(t.per_pass) + "，取 " +
           QString::number(t.count, 'f', 0) + " 根，单程管长 L = " + estimate(t.length) + " m";
}

// How a slip is told: the quantity, its unit, why the value is unlikely, what was meant.
struct SlipWords {
    SlipQuantity quantity;
    const char *name, *unit, *why, *meant;
};

constexpr SlipWords slip_words[] = {
    {SlipQuantity::Viscosity, "动力粘度 μ", "N·s/㎡", "水类流体不会这么大", "mPa·s"},
    {SlipQuantity::SpecificHeat, "平均比热 cp", "J/(kg·℃)", "没有流体的比热这么小", "kJ/(kg·℃)"},
    {SlipQuantity::Conductivity, "均导热率 λ", "W/(m·℃)", "水类流体不会这么大",
     "×10⁻² W/(m·℃) 的表列数值"},
    {SlipQuantity::Diameter, "管道直径 d", "m", "换热管没有这么粗", "mm"},
};

// "注意：管内动力粘度 μ = 0.801 N·s/㎡，水类流体不会这么大：是否按 mPa·s 填写？"
QString slip_note(const calc::UnitSlip& slip) {
    const QString side = slip.side == calc::Side::Tube ? "管内" : "管外";
    for (const SlipWords& w : slip_words) {
        if (w.quantity != slip.quantity) continue;
        return "注意：" + side + w.name + " = " + summary(slip.value) + " " + w.unit + "，" +
               w.why + "：是否按 " + w.meant + " 填写？";
    }
    return {};
}

// "注意：管内、管外流体同为降温，热量无处可去：请检查进出口温度。"
QString trends_note(const calc::StreamTrends& trends) {
    using calc::Trend;
    const auto steady = [](Trend trend) { return trend == Trend::Steady; };
    QString why;
    if (steady(trends.tube) && steady(trends.shell)) {
        why = "管内、管外流体进出口温度都不变，没有换热";
    } else if (steady(trends.tube) || steady(trends.shell)) {
        why = QString(steady(trends.tube) ? "管内" : "管外") + "流体进出口温度相同，不与另一侧换热";
    } else {
        why = trends.tube == Trend::Falls ? "管内、管外流体同为降温，热量无处可去"
                                          : "管内、管外流体同为升温，热量无从而来";
    }
    return "注意：" + why + "：请检查进出口温度。";
}

}  // namespace

CheckText check_text(const calc::DesignChecks& checks) {
    const auto& [trends, c, b, t, slips] = checks;
    QStringList lines;
    if (c) lines << correction_line(*c);
    if (b) lines << balance_line(*b);
    if (t) lines << tubes_line(*t);

    // What points at an input comes first: the temperatures, a unit, a flow.
    QStringList notes;
    if (!calc::opposite(trends)) notes << trends_note(trends);
    for (const calc::UnitSlip& slip : slips) notes << slip_note(slip);
    if (b && b->off) notes << balance_note(*b);
    if (c && c->low) notes << correction_note(*c);
    return {lines, notes};
}

}  // namespace report
