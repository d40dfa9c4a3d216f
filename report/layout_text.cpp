#include "report/layout_text.hpp"

#include <cmath>

#include "design/search.hpp"
#include "report/summary.hpp"

namespace report {
namespace {

using design::LayoutChoice;

constexpr char where_to_choose[] = "请在“工具 → 结构参数”中改正";

// A drop the user allows, as typed or by default: 100 kPa.
QString allowed(double pascals) {
    return plain(pascals / 1000.0) + " kPa";
}

QString attention(const QString& text) {
    return "注意：" + text + "。";
}

// L/D of one shell: its tubes' length over its diameter.
double length_to_diameter(const design::Layout& l) {
    return l.length / l.shell_diameter;
}

QString gap_words(design::LayoutGap gap) {
    switch (gap) {
        case design::LayoutGap::Streams:
            return "两侧温度走向不对";
        case design::LayoutGap::Correction:
            return "温差校正系数 F 不存在";
        case design::LayoutGap::Balance:
            return "管外流量无法确定";
        case design::LayoutGap::Tubes:
            return "每程管数无法估算";
        case design::LayoutGap::NotPositive:
            return "直径、流速、物性、流量、A 或 F 中有不为正的";
        case design::LayoutGap::None:
            break;
    }
    return {};
}

QString length_rule_words(design::LengthRule rule) {
    switch (rule) {
        case design::LengthRule::InAim:
            return "默认：面积裕度在 15–25 % 内、管程最少的标准管长";
        case design::LengthRule::AboveFloor:
            return "默认：没有裕度在 15–25 % 内的标准管长，取裕度不低于 10 % 中最小的";
        case design::LengthRule::Fallback:
            return "默认：没有裕度不低于 10 % 的标准管长，取 6 m";
    }
    return {};
}

// How a value came: the method's own, in its words, or the user's.
QString chosen_or(const std::optional<double>& own, double value, const QString& by_default) {
    return own && *own == value ? by_default : QString("选定");
}

// "Ns = 3（串联壳程数）：默认：F₁ 不足 0.75，取 F ≥ 0.75 的最少壳程数，F₃ = 0.90727"
QString shells_line(const LayoutEntry& e) {
    const design::Layout& l = e.layout;
    const double F = l.correction;
    const QString F_n = shells_F(static_cast<int>(l.shells));
    const QString own_F = std::isfinite(F) ? F_n + " = " + summary(F) : F_n + " 不存在";
    const bool own = l.defaults.shells == l.shells;
    const double F1 = design::shells_correction(e.input, 1.0);
    QString why;
    if (!own) {
        why = "选定，" + own_F;
    } else if (F1 >= calc::correction_floor) {
        why = "默认：单壳程 F₁ = " + summary(F1) + " ≥ 0.75";
    } else if (std::isfinite(F) && F >= calc::correction_floor) {
        why = QString("默认：单壳程 ") + (std::isfinite(F1) ? "F₁ 低于 0.75" : "F₁ 不存在") +
              "，取 F ≥ 0.75 的最少壳程数，" + own_F;
    } else {
        why = "默认：4 壳程串联仍达不到 F ≥ 0.75，取单壳程单管程（纯逆流）";
    }
    return "Ns = " + count(l.shells) + "（串联壳程数，各壳程相同）：" + why;
}

QStringList figure_lines(const LayoutEntry& e) {
    const design::LayoutInput& in = e.input;
    const design::Layout& l = e.layout;
    const design::LayoutChoices& d = l.defaults;
    QStringList lines;
    if (l.per_pass == 0) return lines;  // a choice refused before the first step
    lines << shells_line(e);
    const QString own_per_pass = "⌈n⌉ = ⌈" + estimate(in.per_pass) + "⌉";
    lines << "每程管数 ns = " + count(l.per_pass) + "：" +
                 (d.per_pass == l.per_pass ? "ns = " + own_per_pass
                                           : "选定（按输入流速 " + own_per_pass + " = " +
                                                 count(d.per_pass.value_or(0)) + "）") +
                 "，管内实际流速 ui′ = " + figure(l.tube_velocity) + " m/s（Wi/(ρi·ns·π·di²/4)）";
    const bool has_F = design::has_correction(in, l.shells);
    const bool counter_flow = l.counter_flow;
    const QString over = counter_flow ? "A" : "(A/F)";
    const QString shells = l.shells > 1 ? "Ns·" : "";
    const QString shells_times = l.shells > 1 ? count(l.shells) + " × " : "";
    lines << "单程所需管长 L′ = " + figure(l.required_pass_length) + " m：L′ = " + over + "/(" +
                 shells + "ns·π·do) = " + summary(counter_flow ? in.area : in.area / l.correction) +
                 "/(" + shells_times + count(l.per_pass) + " × π × " + plain(in.shell.diameter) +
                 ")";
    lines << "管长 L = " + plain(l.length) + " m（" +
                 chosen_or(d.tube_length, l.length, length_rule_words(l.length_rule)) + "）";
    if (l.stop == design::LayoutStop::TooManyPasses) {
        lines << "管程数：L′/L = " + figure(l.length_ratio) + "，超过 6 管程，不作排管";
        return lines;
    }
    const std::optional<double> own_passes = design::tube_passes(l.length_ratio);
    lines << "管程数 Np = " + count(l.passes) + "：" +
                 (counter_flow
                      ? shells_F(static_cast<int>(l.shells)) +
                            (has_F ? " = " + summary(l.correction) + " 低于 0.75"
                                   : QString(" 不存在")) +
                            "，取单管程（纯逆流）"
                      : "L′/L = " + figure(l.length_ratio) +
                            (own_passes == l.passes ? QString("，取 1、2、4、6 中不小于它的最小者")
                                                    : QString("，选定")));
    lines << "总管数 NT = " + count(l.tubes) + "：NT = ns·Np = " + count(l.per_pass) + " × " +
                 count(l.passes);
    lines << "管心距 t = " + mm(l.pitch) + "（" +
                 chosen_or(d.pitch, l.pitch,
                           "默认：φ" + plain(in.shell.diameter * 1000) + " 的标准管心距") +
                 "；1.25·do = " + mm(design::least_pitch_ratio * in.shell.diameter) + "）";
    if (l.centre_tubes == 0) return lines;  // the pitch refused
    const design::ArrangementFactors factors = design::arrangement_factors(l.arrangement);
    lines << "中心线管数 nc = " + count(l.centre_tubes) + "：" + arrangement_name(l.arrangement) +
                 "排列，nc = ⌈" + plain(factors.centre_line) + "·√NT⌉ = ⌈" +
                 plain(factors.centre_line) + " × √" + count(l.tubes) + "⌉";
    const QString bundle = "t·(nc − 1) + 2·b′ = " + plain(l.pitch) + " × " +
                           count(l.centre_tubes - 1) + " + 2 × " +
                           plain(design::edge_ratio * in.shell.diameter) + " = " +
                           figure(l.bundle_diameter) + " m（b′ = 1.5·do）";
    if (l.stop == design::LayoutStop::ShellTooLarge) {
        lines << "壳体内径：" + bundle + "，大于 1800 mm，不作排管";
        return lines;
    }
    const double needed = d.shell_diameter.value_or(l.shell_diameter);
    lines << "壳体内径 D = " + mm(l.shell_diameter) + "：" + bundle + "，" +
                 (l.shell_diameter == needed ? QString("取标准壳径")
                                             : "选定，排管需 " + mm(needed));
    if (l.baffles == 0) return lines;  // the shell or the spacing refused
    lines << "折流板数 NB = " + count(l.baffles) + "：NB = ⌈L/h⌉ − 1 = ⌈" + plain(l.length) + "/" +
                 plain(l.baffle_spacing) + "⌉ − 1，间距 h = " + mm(l.baffle_spacing) + "（" +
                 chosen_or(d.baffle_spacing, l.baffle_spacing,
                           design::condensing(in) ? "默认：冷凝，取允许的最宽标准间距"
                                                  : "默认：最接近 D/3 的标准间距") +
                 "，圆缺 25 %）";
    lines << "实际面积 S = " + figure(l.area) + " ㎡：S = " + shells +
                 "NT·π·do·L = " + shells_times + count(l.tubes) + " × π × " +
                 plain(in.shell.diameter) + " × " + plain(l.length);
    const QString required = l.passes >= 2
                                 ? "A_req = A/F = " + figure(l.required_area) + " ㎡"
                                 : "单管程 A_req = A = " + figure(l.required_area) + " ㎡";
    lines << "面积裕度 H = " + percent(l.margin) + "：H = S/A_req − 1 = " + figure(l.area) + "/" +
                 figure(l.required_area) + " − 1，" + required;
    const design::TubeDrop& t = l.tube;
    const QString lambda = t.regime == design::Regime::Laminar
                               ? "λ = 64/Rei′ = " + figure(t.friction)
                               : "λ = " + figure(t.friction) +
                                     "（Colebrook 式，ε/di = " + figure(t.relative_roughness) +
                                     "）";
    lines << "管程压降 ΔPt = " + kpa(t.drop) + "：按 ui′，Rei′ = " + summary(t.reynolds, 100) +
                 "，" + lambda + "，ΔP1 = λ·(L/di)·ρi·ui′²/2 = " + figure(t.friction_drop) +
                 " Pa，ΔP2 = 3·ρi·ui′²/2 = " + figure(t.return_drop) +
                 " Pa，(ΔP1 + ΔP2)·Ft·Ns·Np = (" + figure(t.friction_drop) + " + " +
                 figure(t.return_drop) + ") × " + plain(t.fouling) + " × " + count(l.shells) +
                 " × " + count(l.passes) + " Pa，允许 " + allowed(t.allowable);
    const design::ShellDrop& s = l.shell;
    const QString flow = "A0 = h·(D − nc·do) = " + figure(s.cross_section) +
                         " ㎡，u0 = Wo/(ρo·A0) = " + summary(in.shell_flow) + "/(" +
                         plain(in.shell.density) + " × " + figure(s.cross_section) +
                         ") = " + figure(s.velocity) +
                         " m/s，Re0 = do·u0·ρo/μo = " + figure(s.reynolds);
    if (!s.holds) {
        lines << "壳程压降：" + flow + "，不高于 500，Esso 法不适用";
        return lines;
    }
    const bool vapour = design::condensing(in);
    lines << (vapour ? "壳程压降 ΔPs ≈ " + kpa(s.drop) + "（估算，按进口蒸气的一半）："
                     : "壳程压降 ΔPs = " + kpa(s.drop) + "：") +
                 flow + "，f0 = 5.0·Re0^−0.228 = " + figure(s.friction) +
                 "，ΔP′1 = F·f0·nc·(NB + 1)·ρo·u0²/2 = " + figure(s.bundle_drop) +
                 " Pa（F = " + plain(s.bundle_factor) +
                 "），ΔP′2 = NB·(3.5 − 2h/D)·ρo·u0²/2 = " + figure(s.window_drop) +
                 " Pa，(ΔP′1 + ΔP′2)·Fs·Ns = (" + figure(s.bundle_drop) + " + " +
                 figure(s.window_drop) + ") × " + plain(s.fouling) + " × " + count(l.shells) +
                 (vapour ? QString(" × 1/2") : QString()) + " Pa，允许 " + allowed(s.allowable) +
                 (vapour
                      ? "（饱和压力的 " + percent(s.drop / (in.saturation.pressure * 1000.0)) + "）"
                      : QString());
    return lines;
}

}  // namespace

QString figure(double value) {
    if (std::abs(value) >= 1e5 && std::abs(value) < 1e15) return QString::number(value, 'f', 0);
    // The exponent of the value as rounded to 5 digits, so that 9.99996 is 10.000.
    QString scientific = QString::number(value, 'e', 4);
    const int exponent = scientific.section('e', 1).toInt();
    if (value == 0.0 || exponent < -5 || !std::isfinite(value)) return scientific;
    return QString::number(value, 'f', 4 - exponent);
}

QString plain(double value) {
    return QString::number(value, 'g', 6);
}

QString mm(double metres) {
    return plain(metres * 1000.0) + " mm";
}

QString count(double value) {
    return QString::number(value, 'f', 0);
}

QString span(const calc::Range& range, const QString& unit) {
    return plain(range.low) + "–" + plain(range.high) + unit;
}

QString kpa(double pascals) {
    return figure(pascals / 1000.0) + " kPa";
}

QString percent(double fraction) {
    return figure(fraction * 100.0) + " %";
}

bool laid_out(const LayoutEntry& e) {
    return e.gap == design::LayoutGap::None && e.unreadable.isEmpty() &&
           e.layout.stop == design::LayoutStop::None;
}

std::optional<CheckRow> shells_row(const LayoutEntry& e) {
    const design::Layout& l = e.layout;
    if (!laid_out(e) || l.shells == 1.0) return std::nullopt;
    const QString F_n = shells_F(static_cast<int>(l.shells));
    const bool sound = l.correction >= calc::correction_floor;
    return CheckRow{
        "多壳程温差校正系数 " + F_n,
        "Ns = " + count(l.shells) + " 台串联：" +
            (std::isfinite(l.correction) ? F_n + " = " + summary(l.correction) : F_n + " 不存在"),
        F_n + " ≥ " + summary(calc::correction_floor),
        sound ? within : QString("注意：宜增加串联台数或用纯逆流"), !sound};
}

QList<std::pair<QString, QString>> layout_figures(const LayoutEntry& e) {
    if (!laid_out(e)) return {};
    const design::Layout& l = e.layout;
    QList<std::pair<QString, QString>> figures{
        {"shells", count(l.shells)},   {"passes", count(l.passes)},
        {"tubes", count(l.tubes)},     {"shell_diameter", mm(l.shell_diameter)},
        {"baffles", count(l.baffles)}, {"area", figure(l.area) + " ㎡"},
        {"margin", percent(l.margin)}, {"tube_drop", kpa(l.tube.drop)}};
    if (l.shell.holds) figures.append({"shell_drop", kpa(l.shell.drop)});
    return figures;
}

QString arrangement_name(design::Arrangement arrangement) {
    switch (arrangement) {
        case design::Arrangement::Triangle:
            return "正三角形";
        case design::Arrangement::Square:
            return "正方形";
        case design::Arrangement::RotatedSquare:
            return "转角正方形";
    }
    return {};
}

QString choice_name(LayoutChoice choice) {
    switch (choice) {
        case LayoutChoice::TubeLength:
            return "管长 L";
        case LayoutChoice::Arrangement:
            return "排列方式";
        case LayoutChoice::Pitch:
            return "管心距 t";
        case LayoutChoice::ShellDiameter:
            return "壳体内径 D";
        case LayoutChoice::BaffleSpacing:
            return "折流板间距 h";
        case LayoutChoice::Roughness:
            return "管壁粗糙度 ε";
        case LayoutChoice::AllowableTubeDrop:
            return "管程允许压降";
        case LayoutChoice::AllowableShellDrop:
            return "壳程允许压降";
        case LayoutChoice::Passes:
            return "管程数 Np";
        case LayoutChoice::PerPass:
            return "每程管数 ns";
        case LayoutChoice::TubeFouling:
            return "管内污垢热阻 Rsi";
        case LayoutChoice::ShellFouling:
            return "管外污垢热阻 Rso";
        case LayoutChoice::Material:
            return "管材";
        case LayoutChoice::WallConductivity:
            return "管壁导热系数 λw";
        case LayoutChoice::Shells:
            return "壳程数 Ns（串联台数）";
    }
    return {};
}

QString refusal_words(const design::RefusedChoice& r) {
    QString name = choice_name(r.choice);
    const calc::Range& a = r.allowed;
    switch (r.choice) {
        case LayoutChoice::TubeLength:
            return name + " = " + plain(r.value) + " m 不是标准管长（1.5、2、3、4.5、6、9 m）";
        case LayoutChoice::Pitch:
            if (a.low == 0.0) return name + " = " + mm(r.value) + " 不是正数";
            return name + " = " + mm(r.value) + " 小于 1.25·do = " + mm(a.low);
        case LayoutChoice::ShellDiameter:
            if (r.not_standard) return name + " = " + mm(r.value) + " 不是标准壳径（159–1800 mm）";
            return name + " = " + mm(r.value) + " 小于排管所需的 " + mm(a.low);
        case LayoutChoice::BaffleSpacing:
            if (std::isinf(a.high)) return name + " = " + mm(r.value) + " 不是正数";
            return name + " = " + mm(r.value) + " 不在 " + plain(a.low * 1000) + "–" + mm(a.high) +
                   " 之内（0.2·D 至 D，且不小于 50 mm）";
        case LayoutChoice::Roughness:
            return name + " = " + mm(r.value) + " 不在 0.001–1 mm 之内";
        case LayoutChoice::AllowableTubeDrop:
        case LayoutChoice::AllowableShellDrop:
            return name + " " + plain(r.value / 1000) + " kPa 不是正数";
        case LayoutChoice::Passes:
            if (a.high == 1.0)
                return name + " = " + plain(r.value) + " 不可用：F 不存在，只能单管程";
            return name + " = " + plain(r.value) + " 不是 1、2、4、6 之一";
        case LayoutChoice::Shells:
            if (a.high == 1.0) return name + " = " + plain(r.value) + " 不可用：冷凝只用单壳程";
            if (r.not_standard) return name + " = " + plain(r.value) + " 不是整数";
            return name + " = " + plain(r.value) + " 不在 1–4 之内";
        case LayoutChoice::PerPass:
            if (r.not_standard) return name + " = " + plain(r.value) + " 不是整数";
            return name + " = " + plain(r.value) + " 不在 1–5000 之内";
        case LayoutChoice::TubeFouling:
        case LayoutChoice::ShellFouling:
            return name + " = " + plain(r.value) + " ㎡·℃/W 不在 0–0.005 之内";
        case LayoutChoice::WallConductivity:
            return name + " = " + plain(r.value) + " W/(m·℃) 不在 1–500 之内";
        case LayoutChoice::Arrangement:
        case LayoutChoice::Material:
            break;
    }
    return name;
}

QStringList layout_lines(const LayoutEntry& e) {
    const double shells = e.layout.shells;
    const QString head = "结构与压降（固定管板式，" +
                         (shells > 1 ? count(shells) + " 台单壳程串联" : QString("单壳程")) +
                         "，化工原理课程设计方法）";
    if (!e.unreadable.isEmpty()) return {head + "：" + e.unreadable + "，不作排管"};
    if (e.gap != design::LayoutGap::None) return {head + "：" + gap_words(e.gap) + "，不作排管"};
    if (e.layout.stop == design::LayoutStop::Wall) {
        return {head + "：管外直径 do 不大于管内直径 di，不作排管"};
    }
    if (e.layout.stop == design::LayoutStop::Overflow) {
        return {head + "：数值超出可计算的范围，不作排管"};
    }
    QStringList lines{head + "："};
    lines << figure_lines(e);
    if (e.layout.stop == design::LayoutStop::Refused) {
        lines << "结构参数 " + refusal_words(*e.layout.refused) + "，不作排管";
    }
    return lines;
}

QStringList layout_notes(const LayoutEntry& e) {
    const design::Layout& l = e.layout;
    QStringList notes;
    if (!e.unreadable.isEmpty()) return {attention(e.unreadable + "：" + where_to_choose)};
    if (e.gap != design::LayoutGap::None) return {};
    if (l.stop == design::LayoutStop::Refused) {
        return {attention("结构参数 " + refusal_words(*l.refused) + "：" + where_to_choose)};
    }
    if (l.stop == design::LayoutStop::TooManyPasses) {
        notes << attention("L′/L = " + figure(l.length_ratio) +
                           "，需要 6 个以上管程：宜选更长的管子，或两台换热器串联");
    }
    if (l.stop == design::LayoutStop::ShellTooLarge) {
        notes << attention("排管所需壳径 " + figure(l.bundle_diameter) +
                           " m，大于 1800 mm：宜分为几台换热器并联");
    }
    // Once rated, the margin is H′'s to judge: H is the estimate's, at the typed shell velocity.
    const bool rated = e.rating && e.rating->finite;
    if (l.stop == design::LayoutStop::None) {
        if (!rated && l.margin < design::margin_sound.low) {
            notes << attention("面积裕度 H = " + percent(l.margin) +
                               "，低于 10 %：面积偏小，宜选更长的管子");
        } else if (!rated && l.margin > design::margin_sound.high) {
            notes << attention("面积裕度 H = " + percent(l.margin) +
                               "，高于 40 %：面积浪费，宜选较短的管子");
        }
        if (!calc::contains(design::default_length_to_diameter, length_to_diameter(l))) {
            notes << attention("长径比 L/D = " + estimate(length_to_diameter(l)) + "，超出 " +
                               span(design::default_length_to_diameter) +
                               "：管子过长、壳径过小，宜用 自动设计 或选较短的管子");
        }
        if (!l.shell.holds) {
            notes << attention("壳程 Re0 = " + figure(l.shell.reynolds) +
                               "，不高于 500：Esso 法不适用，不给出壳程压降");
        }
        if (l.tube.regime == design::Regime::Transition) {
            notes << attention("管程 Rei′ = " + summary(l.tube.reynolds, 100) +
                               "，在 2000–4000 的过渡区：λ 按 Colebrook 式，数值不确定");
        }
        if (l.tube.drop > l.tube.allowable) {
            notes << attention("管程压降 ΔPt = " + kpa(l.tube.drop) + "，高于允许的 " +
                               allowed(l.tube.allowable) + "：宜降低管内流速或减少管程");
        }
        if (l.shell.holds && l.shell.drop > l.shell.allowable && design::condensing(e.input)) {
            const bool own = l.shell.allowable == design::condensing_allowable_drop(e.input);
            notes << (own ? QString("注意：壳程压降估算值超过饱和压力的 10%，饱和温度将明显下降，"
                                    "宜加大折流板间距或壳径")
                          : attention("壳程压降估算值 ΔPs ≈ " + kpa(l.shell.drop) +
                                      "，高于允许的 " + allowed(l.shell.allowable) +
                                      "：饱和温度将明显下降，宜加大折流板间距或壳径"));
        } else if (l.shell.holds && l.shell.drop > l.shell.allowable) {
            notes << attention("壳程压降 ΔPs = " + kpa(l.shell.drop) + "，高于允许的 " +
                               allowed(l.shell.allowable) + "：宜加大折流板间距或壳径");
        }
    }
    if (l.stop == design::LayoutStop::Wall) {
        notes << attention("管外直径 do = " + plain(e.input.shell.diameter) +
                           " m 不大于管内直径 di = " + plain(e.input.tube.diameter) +
                           " m，管壁厚度不为正：请检查两侧的管道直径");
    }
    return notes;
}

QList<CheckRow> layout_rows(const LayoutEntry& e) {
    if (!laid_out(e)) {
        const QStringList lines = layout_lines(e);
        const QStringList notes = layout_notes(e);
        return {CheckRow{"结构与压降", lines.last().section("：", 1), informs,
                         notes.isEmpty() ? informs : notes.first(), !notes.isEmpty()}};
    }
    const design::Layout& l = e.layout;
    const auto verdict = [](bool sound) { return sound ? within : QString("注意"); };
    QList<CheckRow> rows;
    const bool own_shells = l.defaults.shells == l.shells;
    rows << CheckRow{"壳程数 Ns（串联台数）",
                     "Ns = " + count(l.shells) + (l.shells > 1 ? "，各台相同，逐台逆流" : ""),
                     "单壳程 F ≥ 0.75 时 1 台，否则 F ≥ 0.75 的最少台数（至多 4 台）",
                     own_shells ? within : QString("选定"), false};
    rows << CheckRow{
        "管程数、总管数",
        "ns = " + count(l.per_pass) + "，Np = " + count(l.passes) + "，NT = " + count(l.tubes),
        "Np ≤ 6", within};
    rows << CheckRow{"管长、排列",
                     "L = " + plain(l.length) + " m，" + arrangement_name(l.arrangement) +
                         "，t = " + mm(l.pitch) + "，nc = " + count(l.centre_tubes),
                     "t ≥ 1.25·do", within};
    rows << CheckRow{
        "壳体内径 D",
        mm(l.shell_diameter) + "（排管需 " + figure(l.bundle_diameter * 1000) + " mm）",
        "D ≤ 1800 mm", within};
    rows << CheckRow{"折流板", "h = " + mm(l.baffle_spacing) + "，NB = " + count(l.baffles),
                     "0.2·D ≤ h ≤ D", within};
    const bool slender = calc::contains(design::default_length_to_diameter, length_to_diameter(l));
    rows << CheckRow{"长径比 L/D", estimate(length_to_diameter(l)),
                     span(design::default_length_to_diameter) + "（与自动设计相同）",
                     slender ? within : QString("注意：宜用自动设计"), !slender};
    // Once rated, H′ judges the margin in section 6; H is the estimate's and only informs.
    const bool rated = e.rating && e.rating->finite;
    const bool margin_sound = rated || calc::contains(design::margin_sound, l.margin);
    const bool margin_aim = calc::contains(design::margin_aim, l.margin);
    rows << CheckRow{"实际面积、面积裕度",
                     "S = " + figure(l.area) + " ㎡，H = " + percent(l.margin),
                     rated ? QString("以第 6 节核算的 H′ 为准")
                           : QString("宜 15 % ≤ H ≤ 25 %，不低于 10 %、不高于 40 %"),
                     rated          ? informs
                     : margin_aim   ? within
                     : margin_sound ? QString("可用")
                                    : QString("注意"),
                     !margin_sound};
    const bool transition = l.tube.regime == design::Regime::Transition;
    rows << CheckRow{
        "管程压降 ΔPt",
        kpa(l.tube.drop) + "（Rei′ = " + summary(l.tube.reynolds, 100) +
            "，λ = " + figure(l.tube.friction) + "）",
        "ΔPt ≤ " + allowed(l.tube.allowable),
        transition ? QString("注意：过渡区") : verdict(l.tube.drop <= l.tube.allowable),
        transition || l.tube.drop > l.tube.allowable};
    const bool shell_sound = l.shell.holds && l.shell.drop <= l.shell.allowable;
    const bool vapour = design::condensing(e.input);
    rows << CheckRow{
        vapour ? "壳程压降 ΔPs（估算，进口蒸气的一半）" : "壳程压降 ΔPs",
        (l.shell.holds ? (vapour ? "≈ " : "") + kpa(l.shell.drop) + "（" : QString("—（")) +
            "u0 = " + figure(l.shell.velocity) + " m/s，Re0 = " + figure(l.shell.reynolds) + "）",
        "Re0 > 500，ΔPs ≤ " + allowed(l.shell.allowable) +
            (vapour && l.shell.allowable == design::condensing_allowable_drop(e.input)
                 ? QString("（ps 的 10 %）")
                 : QString()),
        verdict(shell_sound), !shell_sound};
    return rows;
}

}  // namespace report
