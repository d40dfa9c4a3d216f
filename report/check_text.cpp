#include "report/check_text.hpp"

#include "report/range_text.hpp"
#include "report/summary.hpp"

namespace report {
namespace {

using calc::SlipQuantity;

// What to do about a check that needs a look, in its line and its row alike.
constexpr char correction_advice[] = "宜用多壳程或纯逆流";
constexpr char balance_advice[] = "请检查管外质量流量、比热和进出口温度";
constexpr char trends_advice[] = "请检查进出口温度";
constexpr char phase_change_words[] =
    "进出口温度相同：按相变（冷凝或沸腾）处理，单相公式不计相变传热，面积仅供参考";
// Where the program does compute it: a vapour condensing on the shell side.
constexpr char condensing_entry_words[] =
    "：若为饱和蒸汽冷凝，请在“流体”中选择“水蒸气（饱和，冷凝）”（有机物蒸气亦在其中）";
// Where it does not: the tube side.
constexpr char tube_phase_change_words[] = "：本程序不计算管内冷凝或沸腾";

QString attention(const QString& advice) {
    return "注意：" + advice;
}

QString percent(double fraction) {
    return estimate(fraction * 100.0) + " %";
}

QString correction_line(const calc::MultipassCorrection& c) {
    QString line = "单壳程、偶数管程：P = " + summary(c.P) + "，R = " + summary(c.R) + "，";
    if (!c.exists) return line + "F 不存在";
    return line + "F = " + summary(c.F) + "，所需面积 A/F = " + summary(c.area) + " ㎡";
}

// What the fewest shells in series give: "宜用 2 壳程串联：F₂ = 0.91925", or that 4 do not.
QString shells_advice(const calc::SeriesShells& s) {
    if (s.least == 0) {
        return QString::number(calc::most_shells) + " 壳程串联仍达不到 F ≥ " +
               summary(calc::correction_floor) + "，宜用纯逆流";
    }
    return "宜用 " + QString::number(s.least) + " 壳程串联：" + shells_F(s.least) + " = " +
           summary(s.F[static_cast<std::size_t>(s.least - 1)]);
}

// "多壳程串联：F₁ 不存在，F₂ = 0.80522，F₃ = 0.92332，F₄ = 0.95833；宜用 2 壳程串联：…"
QString shells_line(const calc::SeriesShells& s) {
    QStringList each;
    for (int n = 1; n <= calc::most_shells; ++n) {
        const double F = s.F[static_cast<std::size_t>(n - 1)];
        each << shells_F(n) + (std::isnan(F) ? QString(" 不存在") : " = " + summary(F));
    }
    return "多壳程串联（各壳程相同，两流体逐壳逆流）：" + each.join("，") + "；" + shells_advice(s);
}

QString correction_note(const calc::MultipassCorrection& c,
                        const std::optional<calc::SeriesShells>& shells) {
    const QString why = c.exists
                            ? "F = " + summary(c.F) + "，低于 " + summary(calc::correction_floor)
                            : QString("这组温度下 F 不存在");
    return attention(why + "：单壳程不宜用于这组温度，" +
                     (shells ? shells_advice(*shells) : QString(correction_advice)) + "。");
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
    return attention("管外放热与管内吸热相差 " + percent(b.difference) + "，超过 ±" +
                     percent(calc::balance_tolerance) + "：" + balance_advice + "。");
}

QString tubes_line(const calc::TubeEstimate& t) {
    return "管数估算：每程 n = W/(ρt·ut·π·dt²/4) = " + estimate(t.per_pass) + "，取 " +
           QString::number(t.count, 'f', 0) + " 根，单程管长 L = " + estimate(t.length) + " m";
}

// How a slip is told: the quantity, its unit, why the value is unlikely, what was meant.
struct SlipWords {
    SlipQuantity quantity;
    const char *name, *symbol, *unit, *why, *meant;
    const char* meant_briefly;  // in the table's narrow verdict
};

constexpr SlipWords slip_words[] = {
    {SlipQuantity::Viscosity, "动力粘度 ", "μ", "N·s/㎡", "水类流体不会这么大", "mPa·s", "mPa·s"},
    {SlipQuantity::SpecificHeat, "平均比热 ", "cp", "J/(kg·℃)", "没有流体的比热这么小", "kJ/(kg·℃)",
     "kJ/(kg·℃)"},
    {SlipQuantity::Conductivity, "均导热率 ", "λ", "W/(m·℃)", "水类流体不会这么大",
     "×10⁻² W/(m·℃) 的表列数值", "×10⁻² W/(m·℃)"},
    {SlipQuantity::Diameter, "管道直径 ", "d", "m", "换热管没有这么粗", "mm", "mm"},
};

const SlipWords& words_of(const calc::UnitSlip& slip) {
    for (const SlipWords& w : slip_words) {
        if (w.quantity == slip.quantity) return w;
    }
    return slip_words[0];  // every quantity has its words
}

// "注意：管内动力粘度 μ = 0.801 N·s/㎡，水类流体不会这么大：是否按 mPa·s 填写？"
QString slip_note(const calc::UnitSlip& slip) {
    const SlipWords& w = words_of(slip);
    return attention(side_name(slip.side) + w.name + w.symbol + " = " + summary(slip.value) + " " +
                     w.unit + "，" + w.why + "：是否按 " + w.meant + " 填写？");
}

// "注意：管内、管外流体同为降温，热量无处可去：请检查进出口温度。"
QString trends_note(const calc::StreamTrends& trends) {
    using calc::Trend;
    const auto steady = [](Trend trend) { return trend == Trend::Steady; };
    QString why;
    if (steady(trends.tube) && steady(trends.shell)) {
        why = "管内、管外流体进出口温度都不变，没有换热";
    } else if (steady(trends.tube) || steady(trends.shell)) {
        // An isothermal side is most often a condensing vapour or a boiling liquid.
        const bool tube = steady(trends.tube);
        return attention(QString(tube ? "管内" : "管外") + phase_change_words +
                         (tube ? tube_phase_change_words : condensing_entry_words) + "。");
    } else {
        why = trends.tube == Trend::Falls ? "管内、管外流体同为降温，热量无处可去"
                                          : "管内、管外流体同为升温，热量无从而来";
    }
    return attention(why + "：" + trends_advice + "。");
}

QString trend_words(calc::Trend trend) {
    return trend == calc::Trend::Falls ? "降温" : trend == calc::Trend::Rises ? "升温" : "温度不变";
}

CheckRow trends_row(const calc::StreamTrends& trends) {
    const bool one_steady =
        (trends.tube == calc::Trend::Steady) != (trends.shell == calc::Trend::Steady);
    return {"两侧温度走向",
            "管内" + trend_words(trends.tube) + "，管外" + trend_words(trends.shell),
            "一侧降温，另一侧升温",
            attention(one_steady ? "相变传热未计算，面积仅供参考" : trends_advice), true};
}

CheckRow correction_row(const calc::MultipassCorrection& c,
                        const std::optional<calc::SeriesShells>& shells) {
    return {
        "温差校正系数 F",
        "P = " + summary(c.P) + "，R = " + summary(c.R) + "，" +
            (c.exists ? "F = " + summary(c.F) : QString("F 不存在")),
        "单壳程 F ≥ " + summary(calc::correction_floor),
        c.low ? attention(shells ? shells_advice(*shells) : QString(correction_advice)) : within,
        c.low};
}

CheckRow balance_row(const calc::HeatBalance& b) {
    if (!b.flow_typed) {
        return {"热量衡算", "Ws = " + summary(b.shell_flow) + " kg/s", "与 Q 平衡（管外流量未填）",
                informs};
    }
    return {"热量衡算", "Qs = " + summary(b.shell_duty) + " W，相差 " + percent(b.difference),
            "|Qs − Q|/Q ≤ " + percent(calc::balance_tolerance),
            b.off ? attention("检查管外流量、比热、温度") : within, b.off};
}

CheckRow slip_row(const calc::UnitSlip& slip) {
    const SlipWords& w = words_of(slip);
    return {side_name(slip.side) + w.name + w.symbol, summary(slip.value) + " " + w.unit,
            range_words(slip.usual, w.symbol, w.unit),
            attention(QString("是否按 ") + w.meant_briefly + " 填写？"), true};
}

}  // namespace

QString shells_F(int shells) {
    return "F" + QString(QChar(0x2080 + shells));
}

QString side_name(calc::Side side) {
    return side == calc::Side::Tube ? "管内" : "管外";
}

CheckText check_text(const calc::DesignChecks& checks) {
    const auto& [trends, c, shells, b, t, slips] = checks;
    QStringList lines;
    if (c) lines << correction_line(*c);
    if (shells) lines << shells_line(*shells);
    if (b) lines << balance_line(*b);
    if (t) lines << tubes_line(*t);

    // What points at an input comes first: the temperatures, a unit, a flow.
    QStringList notes;
    if (!calc::opposite(trends)) notes << trends_note(trends);
    for (const calc::UnitSlip& slip : slips) notes << slip_note(slip);
    if (b && b->off) notes << balance_note(*b);
    if (c && c->low) notes << correction_note(*c, shells);
    return {lines, notes};
}

QList<CheckRow> check_rows(const calc::DesignChecks& checks) {
    const auto& [trends, c, shells, b, t, slips] = checks;
    QList<CheckRow> rows;
    if (!calc::opposite(trends)) rows << trends_row(trends);
    if (c) rows << correction_row(*c, shells);
    if (c && c->exists)
        rows << CheckRow{"单壳程所需面积 A/F", summary(c->area) + " ㎡", informs, informs};
    if (b) rows << balance_row(*b);
    if (t) {
        rows << CheckRow{"每程管数与管长",
                         "n = " + estimate(t->per_pass) + "，取 " +
                             QString::number(t->count, 'f', 0) + " 根，L = " + estimate(t->length) +
                             " m",
                         informs, informs};
    }
    for (const calc::UnitSlip& slip : slips) rows << slip_row(slip);
    return rows;
}

}  // namespace report
