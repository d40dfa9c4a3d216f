#include "report/rating_text.hpp"

#include <cmath>

#include "report/condensing_text.hpp"
#include "report/summary.hpp"

namespace report {
namespace {

using design::Rating;

constexpr char coefficient_unit[] = " W/(㎡·℃)";
constexpr char resistance_unit[] = " ㎡·℃/W";

QString attention(const QString& text) {
    return "注意：" + text + "。";
}

QString coefficient(double value) {
    return figure(value) + coefficient_unit;
}

// A resistance as the table prints it, without an exponent: 0.000176, 0.0000881.
QString resistance(double value) {
    QString text = QString::number(value, 'f', 10);
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith('.')) text.chop(1);
    return text;
}

// R_max to 5 digits with its exponent, as small as it may be: 2.8384e-05.
QString scientific(double value) {
    return QString::number(value, 'e', 4);
}

QString range_text(const calc::Range& r) {
    return span(r, " m/s");
}

QString state(bool gas) {
    return gas ? "气体" : "液体";
}

QString heated(bool is_heated) {
    return is_heated ? "被加热" : "被冷却";
}

const QString& column_words(int column) {
    static const QString words[] = {"≤ 52 ℃、≤ 0.9 m/s", "≤ 52 ℃、> 0.9 m/s", "> 52 ℃、≤ 0.9 m/s",
                                    "> 52 ℃、> 0.9 m/s"};
    return words[column];
}

QString fouling_source(const design::AppliedFouling& f) {
    QString source = f.chosen ? "选定" : "默认";
    if (f.service) {
        source += "：" + fouling_name(*f.service);
        if (f.column >= 0) source += "，" + column_words(f.column);
        return source + "，TEMA";
    }
    return f.chosen ? source : source + "：TEMA 0.001 类（有机液体、溶剂蒸气、压缩空气等）";
}

QString tube_film_line(const Rating& r, const design::LayoutInput& in, double length) {
    const design::TubeFilm& t = r.tube;
    QString line = "αi = " + coefficient(t.alpha) + "：";
    const QString phi = "φw = " + plain(t.wall_factor) + "（管内流体" + heated(t.heated) + "）";
    switch (t.form) {
        case design::TubeForm::DittusBoelter:
            line +=
                "Dittus–Boelter 式，αi = 0.023·(λi/di)·Rei′^0.8·Pri^n，n = " + plain(t.exponent) +
                "（管内流体" + heated(t.heated) + "）";
            break;
        case design::TubeForm::SiederTate:
            line += "Sieder–Tate 式（μi = " + plain(in.tube.viscosity * 1000.0) +
                    " mPa·s > 2 mPa·s），αi = 0.027·(λi/di)·Rei′^0.8·Pri^(1/3)·φw，" + phi;
            break;
        case design::TubeForm::Laminar:
            line += "层流 Sieder–Tate 式，αi = 1.86·(λi/di)·(Rei′·Pri·di/L)^(1/3)·φw，" + phi;
            break;
    }
    if (t.transition != 1.0 || t.entrance != 1.0) line += " = " + figure(t.form_value);
    if (t.transition != 1.0) {
        line += "，乘过渡区系数 f = 1 − 6×10⁵/Rei′^1.8 = " + figure(t.transition);
    }
    if (t.entrance != 1.0) {
        line += "，乘短管系数 1 + (di/L)^0.7 = " + figure(t.entrance) +
                "（L/di = " + figure(length / in.tube.diameter) + " < 60）";
    }
    return line;
}

QString equivalent_line(const Rating& r, const design::Layout& l) {
    const QString cell = l.arrangement == design::Arrangement::Triangle ? "√3/2·t²" : "t²";
    return "de = " + figure(r.shell.equivalent_diameter * 1000.0) + " mm：" +
           arrangement_name(l.arrangement) + "排列，de = 4·(" + cell +
           " − π/4·do²)/(π·do)，t = " + mm(l.pitch);
}

QString mean_difference_words(const Rating& r, const LayoutEntry& e) {
    if (e.condensing) {
        return "Δtm′ = |Δtm| = " + figure(r.mean_difference) + " ℃（一侧恒温冷凝，φΔt = 1）";
    }
    if (e.layout.passes >= 2.0 && e.layout.shells > 1.0) {
        const QString F_n = shells_F(static_cast<int>(e.layout.shells));
        return "Δtm′ = " + F_n + "·|Δtm| = " + summary(e.layout.correction) + " × " +
               summary(e.input.mean_difference) + " = " + figure(r.mean_difference) + " ℃（" +
               count(e.layout.shells) + " 壳程串联）";
    }
    if (e.layout.passes >= 2.0) {
        return "Δtm′ = F·|Δtm| = " + summary(e.layout.correction) + " × " +
               summary(e.input.mean_difference) + " = " + figure(r.mean_difference) + " ℃";
    }
    return "Δtm′ = |Δtm| = " + figure(r.mean_difference) + " ℃（单管程，逆流）";
}

bool outside(double value, const calc::Range& range) {
    return value < range.low || value > range.high;
}

QString celsius(double value) {
    return figure(value) + " ℃";
}

// The lines both blocks share: K′ and K_c, A′, H′ and R_max.
QStringList closing_lines(const Rating& r, const LayoutEntry& e) {
    const design::LayoutInput& in = e.input;
    const design::Layout& l = e.layout;
    return {"Kc = " + coefficient(r.clean_coefficient) + "：同上，不计污垢热阻",
            "A′ = " + figure(r.required_area) + " ㎡：A′ = |Q|/(K′·Δtm′) = " + summary(in.duty) +
                "/(" + figure(r.coefficient) + " × " + figure(r.mean_difference) + ")，" +
                mean_difference_words(r, e),
            "H′ = " + percent(r.margin) + "：H′ = S/A′ − 1 = " + figure(l.area) + "/" +
                figure(r.required_area) + " − 1（估算的 H = " + percent(l.margin) + "）",
            "Rmax = " + scientific(r.carried_fouling) + resistance_unit +
                "：Rmax = 1/KS − 1/Kc，KS = |Q|/(S·Δtm′) = " + coefficient(r.duty_coefficient) +
                "（所取 Rsi·do/di + Rso = " +
                figure(r.resistances.tube_fouling + r.resistances.shell_fouling) + "）"};
}

QStringList fouling_lines(const Rating& r) {
    return {"Rsi = " + resistance(r.tube_fouling.resistance) + resistance_unit + "（" +
                fouling_source(r.tube_fouling) + "）",
            "Rso = " + resistance(r.shell_fouling.resistance) + resistance_unit + "（" +
                fouling_source(r.shell_fouling) + "）",
            "管壁 b = (do − di)/2 = " + mm(r.wall.thickness) +
                "，dm = (do − di)/ln(do/di) = " + figure(r.wall.mean_diameter * 1000.0) +
                " mm，λw = " + plain(r.wall.conductivity) + " W/(m·℃)（" +
                (r.wall.material ? material_name(*r.wall.material) : QString("选定")) + "）"};
}

QString tube_velocity_line(const Rating& r, const LayoutEntry& e) {
    const design::LayoutInput& in = e.input;
    const design::TubeFilm& t = r.tube;
    return "ui′ = " + figure(t.velocity) +
           " m/s：ui′ = Wi/(ρi·ns·π·di²/4) = " + summary(in.tube_flow) + "/(" +
           plain(in.tube.density) + " × " + count(e.layout.per_pass) + " × π × " +
           plain(in.tube.diameter) + "²/4)，Rei′ = di·ui′·ρi/μi = " + figure(t.reynolds) +
           "，Pri = cpi·μi/λi = " + figure(t.prandtl);
}

// The condensing side's 核算: R_rest, the wall trial at n = √N_T, α_o, K′ and the film's Re_f.
QStringList condensing_lines(const LayoutEntry& e, double estimate) {
    const QString head =
        "核算（按排管结构重算；壳程为水平管外膜状冷凝，管束按 n = √NT，污垢热阻 TEMA）";
    const design::CondensingRating& c = *e.condensing;
    const Rating& r = c.rating;
    if (!r.finite) return {head + "：数值超出可计算的范围，不作核算"};
    const design::LayoutInput& in = e.input;
    const design::Layout& l = e.layout;
    const design::WallTrial& t = c.trial;
    const double ts = in.saturation.celsius;
    QStringList lines{head + "："};
    lines << "估算 K = " + coefficient(estimate) +
                 "（单管 n = 1，不计污垢与管壁）；核算 K′ = " + coefficient(r.coefficient);
    lines << tube_velocity_line(r, e);
    lines << tube_film_line(r, in, l.length);
    lines << fouling_lines(r);
    lines << "Rrest = Rso + b·do/(λw·dm) + Rsi·do/di + do/(αi·di) = " + figure(c.rest) +
                 resistance_unit + "（除冷凝膜外的热阻，以管外表面计）";
    lines << "n = √NT = √" + count(l.tubes) + " = " + figure(c.rows) + "（Kern 管束负荷）";
    lines << "壁温试差：tc = ts − Δtm = " + celsius(ts - in.mean_difference) +
                 "，αo(tw)·(ts − tw) = "
                 "(tw − tc)/Rrest；" +
                 trial_words(t, "αo");
    lines << "tw = " + celsius(t.wall) + "：tm = (ts + tw)/2 = " + celsius(t.film_celsius) +
                 "，冷凝液 ρ = " + figure(t.film.density) +
                 " kg/m³，λ = " + figure(t.film.conductivity) +
                 " W/(m·℃)，μ = " + figure(t.film.viscosity) + " Pa·s";
    lines << "αo = " + coefficient(t.alpha) +
                 "：αo = 0.725·[ρ²gλ³r/(n^(2/3)·μ·do·Δt)]^(1/4)，Δt = ts − tw = " +
                 figure(ts - t.wall) + " ℃，r = " + summary(in.saturation.latent_heat / 1000.0) +
                 " kJ/kg";
    lines << "K′ = " + coefficient(r.coefficient) +
                 "：1/K′ = 1/αo + Rrest = " + figure(1.0 / t.alpha) + " + " + figure(c.rest) +
                 resistance_unit +
                 "；q = K′·Δtm = αo·(ts − tw) = " + figure(r.coefficient * in.mean_difference) +
                 " W/㎡";
    lines << closing_lines(r, e);
    lines << "Ref = " + figure(c.film_reynolds) + "：G″ = D/(L·NT^(2/3)) = " + figure(c.loading) +
                 " kg/(m·s)，Ref = 4·G″/μ（层流膜 Ref ≤ 1800）";
    lines << "流速：管内 ui′ = " + figure(r.tube.velocity) + " m/s（" + state(r.tube.gas) +
                 "常用 " + range_text(r.tube_velocities) + "）";
    return lines;
}

}  // namespace

QString fouling_name(design::FoulingService service) {
    using S = design::FoulingService;
    switch (service) {
        case S::SeaWater:
            return "海水";
        case S::BrackishWater:
            return "苦咸水";
        case S::CoolingTowerTreated:
            return "循环冷却水（已处理）";
        case S::CoolingTowerUntreated:
            return "循环冷却水（未处理）";
        case S::CityWater:
            return "自来水、井水";
        case S::RiverWater:
            return "河水";
        case S::HardWater:
            return "硬水";
        case S::DistilledWater:
            return "蒸馏水、冷凝水";
        case S::BoilerFeedwater:
            return "锅炉给水（已处理）";
        case S::OrganicLiquids:
            return "有机液体（溶剂、制冷剂液体、液压油）";
        case S::TransformerOil:
            return "变压器油、润滑油";
        case S::HeatTransferOil:
            return "有机传热介质（导热油）";
        case S::LightFuelOil:
            return "轻燃料油";
        case S::HeavyFuelOil:
            return "重燃料油";
        case S::VegetableOil:
            return "植物油";
        case S::GlycolSolutions:
            return "乙二醇、甲醇、乙醇水溶液";
        case S::Brines:
            return "氯化钙、氯化钠盐水";
        case S::Caustic:
            return "碱液";
        case S::CompressedGases:
            return "压缩空气、氨气、二氧化碳";
        case S::SolventVapours:
            return "溶剂蒸气";
        case S::NaturalGas:
            return "天然气";
        case S::Steam:
            return "水蒸气（不含油）";
    }
    return {};
}

QString material_name(design::Material material) {
    using M = design::Material;
    switch (material) {
        case M::CarbonSteel:
            return "碳钢";
        case M::StainlessSteel:
            return "不锈钢";
        case M::Copper:
            return "紫铜";
        case M::Brass:
            return "黄铜";
        case M::Bronze:
            return "青铜";
        case M::Aluminium:
            return "铝合金";
    }
    return {};
}

QStringList rating_lines(const LayoutEntry& e, double estimate) {
    if (!e.rating) return {};
    if (e.condensing) return condensing_lines(e, estimate);
    const QString head = "核算（按排管结构重算两侧传热系数；壳程 Kern 法，污垢热阻 TEMA）";
    const Rating& r = *e.rating;
    if (!r.finite) return {head + "：数值超出可计算的范围，不作核算"};
    const design::LayoutInput& in = e.input;
    const design::Layout& l = e.layout;
    const design::TubeFilm& t = r.tube;
    const design::ShellFilm& s = r.shell;
    const design::Resistances& w = r.resistances;
    QStringList lines{head + "："};
    lines << "估算 K = " + coefficient(estimate) + "（管外流速按输入 " + plain(in.shell.velocity) +
                 " m/s）；核算 K′ = " + coefficient(r.coefficient) +
                 "（按结构 uo = " + figure(s.velocity) + " m/s）";
    lines << tube_velocity_line(r, e);
    lines << tube_film_line(r, in, l.length);
    lines << equivalent_line(r, l);
    lines << "uo = " + figure(s.velocity) +
                 " m/s：Ao = h·D·(1 − do/t) = " + plain(l.baffle_spacing) + " × " +
                 plain(l.shell_diameter) + " × (1 − " + plain(in.shell.diameter) + "/" +
                 plain(l.pitch) + ") = " + figure(s.cross_section) +
                 " ㎡，uo = Wo/(ρo·Ao) = " + summary(in.shell_flow) + "/(" +
                 plain(in.shell.density) + " × " + figure(s.cross_section) + ")";
    lines << "Reo = " + figure(s.reynolds) +
                 "：Reo = de·uo·ρo/μo，Pro = cpo·μo/λo = " + figure(s.prandtl);
    lines << "αo = " + coefficient(s.alpha) +
                 "：Kern 法（圆缺 25 % 折流板），αo = 0.36·(λo/de)·Reo^0.55·Pro^(1/3)·φw，φw = " +
                 plain(s.wall_factor) + "（管外流体" +
                 (s.gas ? QString("为气体") : heated(s.heated)) + "）";
    lines << fouling_lines(r);
    lines << "K′ = " + coefficient(r.coefficient) +
                 "：1/K′ = do/(αi·di) + Rsi·do/di + b·do/(λw·dm) + Rso + 1/αo = " +
                 figure(w.tube_film) + " + " + figure(w.tube_fouling) + " + " + figure(w.wall) +
                 " + " + figure(w.shell_fouling) + " + " + figure(w.shell_film) + resistance_unit;
    lines << closing_lines(r, e);
    lines << "流速：管内 ui′ = " + figure(t.velocity) + " m/s（" + state(t.gas) + "常用 " +
                 range_text(r.tube_velocities) + "），管外 uo = " + figure(s.velocity) + " m/s（" +
                 state(s.gas) + "常用 " + range_text(r.shell_velocities) + "）";
    return lines;
}

RatingNotes rating_notes(const LayoutEntry& e) {
    if (!e.rating || !e.rating->finite) return {};
    const Rating& r = *e.rating;
    const design::TubeFilm& t = r.tube;
    RatingNotes notes;
    if (r.margin < design::margin_sound.low) {
        notes.first << attention("按核算面积不足：H′ = " + percent(r.margin) +
                                 "，需 A′ = " + figure(r.required_area) + " ㎡；增加管数或管长");
    }
    if (t.form == design::TubeForm::Laminar) {
        notes.rest << attention("管程 Rei′ = " + summary(t.reynolds, 100) +
                                "，低于 2300，为层流：αi 按层流式，宜减少每程管数以提高管内流速");
    } else if (t.transition != 1.0) {
        notes.rest << attention("管程 Rei′ = " + summary(t.reynolds, 100) +
                                "，在 2300–10⁴ 的过渡区：αi 乘以 f = " + figure(t.transition) +
                                "，数值不确定");
    }
    if (outside(t.prandtl, design::tube_prandtl_range)) {
        notes.rest << attention("管程 Pri = " + figure(t.prandtl) +
                                "，不在 0.7–120 之内：αi 的关联式不适用，仅供参考");
    }
    if (e.condensing && e.condensing->film_reynolds > design::laminar_film_below) {
        notes.rest << "注意：冷凝液膜 Ref = " + figure(e.condensing->film_reynolds) +
                          " > 1800，液膜可能已非层流，努塞尔特层流膜理论偏差增大";
    }
    if (!e.condensing && outside(r.shell.reynolds, design::kern_reynolds_range)) {
        notes.rest << attention("壳程 Reo = " + figure(r.shell.reynolds) +
                                "，不在 2×10³–10⁶ 之内：Kern 法不适用，αo 仅供参考");
    }
    if (r.margin > design::margin_sound.high) {
        notes.rest << attention("按核算面积过大：H′ = " + percent(r.margin) +
                                "，只需 A′ = " + figure(r.required_area) + " ㎡；可减少管数或管长");
    }
    if (outside(t.velocity, r.tube_velocities)) {
        notes.rest << attention("管内流速 ui′ = " + figure(t.velocity) + " m/s，不在" +
                                state(t.gas) + "常用的 " + range_text(r.tube_velocities) +
                                " 之内：调整每程管数");
    }
    if (!e.condensing && outside(r.shell.velocity, r.shell_velocities)) {
        notes.rest << attention("管外流速 uo = " + figure(r.shell.velocity) + " m/s，不在" +
                                state(r.shell.gas) + "常用的 " + range_text(r.shell_velocities) +
                                " 之内：调整折流板间距或壳径");
    }
    return notes;
}

QList<CheckRow> rating_rows(const LayoutEntry& e, double estimate, double tube_film,
                            double shell_film, double area) {
    if (!e.rating) return {};
    const Rating& r = *e.rating;
    if (!r.finite) return {CheckRow{"核算", "数值超出可计算的范围", informs, informs}};
    const design::Layout& l = e.layout;
    const auto verdict = [](bool sound) { return sound ? within : QString("注意"); };
    const bool tube_sound = !outside(r.tube.velocity, r.tube_velocities) &&
                            r.tube.form != design::TubeForm::Laminar && r.tube.transition == 1.0;
    const bool shell_sound = e.condensing
                                 ? e.condensing->film_reynolds <= design::laminar_film_below
                                 : !outside(r.shell.velocity, r.shell_velocities) &&
                                       !outside(r.shell.reynolds, design::kern_reynolds_range);
    const double fouling = r.resistances.tube_fouling + r.resistances.shell_fouling;
    const bool margin_sound = calc::contains(design::margin_sound, r.margin);
    const bool margin_aim = calc::contains(design::margin_aim, r.margin);
    QList<CheckRow> rows;
    rows << CheckRow{
        "管内传热系数 αi",
        "估算 " + coefficient(tube_film) + "；核算 " + coefficient(r.tube.alpha) +
            "（ui′ = " + figure(r.tube.velocity) + " m/s，Rei′ = " + figure(r.tube.reynolds) + "）",
        "ui′ " + range_text(r.tube_velocities) + "，Rei′ ≥ 10⁴", verdict(tube_sound), !tube_sound};
    if (e.condensing) {
        const design::CondensingRating& c = *e.condensing;
        rows << CheckRow{"管外冷凝传热系数 αo",
                         "估算 αs = " + coefficient(shell_film) + "（n = 1）；核算 " +
                             coefficient(r.shell.alpha) + "（n = √NT = " + figure(c.rows) +
                             "，tw = " + celsius(c.trial.wall) +
                             "，Ref = " + figure(c.film_reynolds) + "）",
                         "层流膜 Ref ≤ 1800", verdict(shell_sound), !shell_sound};
    } else {
        rows << CheckRow{"管外传热系数 αo",
                         "估算 " + coefficient(shell_film) + "；核算 " +
                             coefficient(r.shell.alpha) + "（uo = " + figure(r.shell.velocity) +
                             " m/s，Reo = " + figure(r.shell.reynolds) + "）",
                         "uo " + range_text(r.shell_velocities) + "，Reo 2×10³–10⁶",
                         verdict(shell_sound), !shell_sound};
    }
    rows << CheckRow{"污垢热阻 Rsi、Rso",
                     "Rsi = " + resistance(r.tube_fouling.resistance) +
                         "，Rso = " + resistance(r.shell_fouling.resistance) + resistance_unit,
                     "TEMA", informs};
    rows << CheckRow{
        "管壁",
        "b = " + mm(r.wall.thickness) + "，λw = " + plain(r.wall.conductivity) + " W/(m·℃)" +
            (r.wall.material ? "（" + material_name(*r.wall.material) + "）" : QString()),
        informs, informs};
    rows << CheckRow{"总传热系数 K、K′、Kc",
                     "估算 K = " + figure(estimate) + "；核算 K′ = " + figure(r.coefficient) +
                         "，Kc = " + figure(r.clean_coefficient) + coefficient_unit,
                     informs, informs};
    rows << CheckRow{"面积 A、A′、S",
                     "A = " + figure(area) + "，A′ = " + figure(r.required_area) +
                         "，S = " + figure(l.area) + " ㎡",
                     "S ≥ A′", verdict(l.area >= r.required_area), l.area < r.required_area};
    rows << CheckRow{"核算面积裕度 H′", percent(r.margin),
                     "宜 15 % ≤ H′ ≤ 25 %，不低于 10 %、不高于 40 %",
                     margin_aim     ? within
                     : margin_sound ? QString("可用")
                                    : QString("注意"),
                     !margin_sound};
    rows << CheckRow{"可承受的污垢热阻 Rmax", scientific(r.carried_fouling) + resistance_unit,
                     "Rmax ≥ Rsi·do/di + Rso = " + figure(fouling),
                     verdict(r.carried_fouling >= fouling), r.carried_fouling < fouling};
    return rows;
}

QList<std::pair<QString, QString>> rating_figures(const LayoutEntry& e) {
    if (!e.rating || !e.rating->finite) return {};
    const Rating& r = *e.rating;
    // The shell's own figures: Kern's, or a condensing film's wall temperature.
    const QList<std::pair<QString, QString>> shell =
        e.condensing
            ? QList<std::pair<QString, QString>>{{"wall_temperature",
                                                  celsius(e.condensing->trial.wall)}}
            : QList<std::pair<QString, QString>>{
                  {"equivalent_diameter", figure(r.shell.equivalent_diameter * 1000.0) + " mm"},
                  {"shell_velocity", figure(r.shell.velocity) + " m/s"},
                  {"shell_reynolds", figure(r.shell.reynolds)}};
    QList<std::pair<QString, QString>> figures{{"tube_velocity", figure(r.tube.velocity) + " m/s"},
                                               {"tube_film", coefficient(r.tube.alpha)}};
    figures << shell;
    figures << QList<std::pair<QString, QString>>{
        {"shell_film", coefficient(r.shell.alpha)},
        {"tube_fouling", resistance(r.tube_fouling.resistance) + resistance_unit},
        {"shell_fouling", resistance(r.shell_fouling.resistance) + resistance_unit},
        {"wall_conductivity", plain(r.wall.conductivity) + " W/(m·℃)"},
        {"K", coefficient(r.coefficient)},
        {"clean_K", coefficient(r.clean_coefficient)},
        {"area", figure(r.required_area) + " ㎡"},
        {"margin", percent(r.margin)},
        {"carried_fouling", scientific(r.carried_fouling) + resistance_unit}};
    if (e.condensing) figures.append({"film_reynolds", figure(e.condensing->film_reynolds)});
    return figures;
}

}  // namespace report
