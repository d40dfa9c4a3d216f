#include "report/steps_text.hpp"

#include "report/check_text.hpp"
#include "report/condensing_text.hpp"
#include "report/html_text.hpp"
#include "report/layout_text.hpp"
#include "report/number_text.hpp"
#include "report/summary.hpp"

namespace report {
namespace {

using calc::Side;

// A variable, italic, with an upright subscript where it has one: d, α_t, Δt_m.
QString var(const QString& name, const QString& subscript = {}) {
    const QString italic = "<i>" + escaped(name) + "</i>";
    return subscript.isEmpty() ? italic : italic + "<sub>" + escaped(subscript) + "</sub>";
}

QString delta(const QString& name, const QString& subscript) {
    return "Δ" + var(name, subscript);
}

QString raised(const QString& base, const QString& exponent) {
    return base + "<sup>" + escaped(exponent) + "</sup>";
}

// A number put into a formula: upright, a negative one in brackets with a true minus.
QString put(const QString& number) {
    return number.startsWith('-') ? "(−" + escaped(number.mid(1)) + ")" : escaped(number);
}

// Operators between the numbers put in, with thin spaces, so that a step keeps to one line.
const QString times = "\u2009×\u2009", over = "\u2009/\u2009", minus = "\u2009−\u2009",
              plus = "\u2009+\u2009";

QString constant(double value) {
    return QString::number(value, 'g', 6);
}

QString unit(const QString& text) {
    return "&nbsp;" + escaped(text);
}

QStringList film_steps(const calc::FluidSide& f, const calc::FilmWorking& w,
                       const calc::Correlation& k, Side side) {
    const QString name = side_name(side) + " ";
    const QString alpha = var("α", side == Side::Tube ? "t" : "s");
    const QString re = summary(w.reynolds, 100), pr = summary(w.prandtl);
    const QString d = put(exact(f.diameter)), lambda = put(exact(f.conductivity));
    const QString mu = put(exact(f.viscosity));
    return {
        name + var("Re") + " = " + var("d") + "·" + var("ρ") + "·" + var("u") + "/" + var("μ") +
            " = " + d + times + put(exact(f.density)) + times + put(exact(f.velocity)) + over + mu +
            " = " + put(re) + "，" + var("Pr") + " = " + var("μ") + "·" + var("c", "p") + "/" +
            var("λ") + " = " + mu + times + put(exact(f.specific_heat)) + over + lambda + " = " +
            put(pr),
        alpha + " = " + constant(k.C) + "·" + var("λ") + "·" + raised(var("Re"), constant(k.m)) +
            "·" + raised(var("Pr"), constant(k.n)) + "/" + var("d") + " = " + constant(k.C) +
            times + lambda + times + raised(put(re), constant(k.m)) + times +
            raised(put(pr), constant(k.n)) + over + d + " = " + put(summary(w.alpha)) +
            unit("W/(㎡·℃)"),
    };
}

// The single-tube condensing film at the converged wall of the estimate's trial.
QStringList condensing_steps(const design::CondensingEstimate& c) {
    const design::WallTrial& t = c.trial;
    const QString ts = put(summary(c.state.celsius)), tw = put(summary(t.wall));
    return {
        "管外 " + vapour_name(*c.vapour) + " " + put(report::plain(c.state.pressure)) +
            unit("kPa") + "（绝压）饱和：" + var("t", "s") + " = " + ts + unit("℃") + "，" +
            var("r") + " = " + put(summary(c.state.latent_heat / 1000.0)) + unit("kJ/kg"),
        var("α", "s") + " = 0.725·[" + raised(var("ρ"), "2") + "·" + var("g") + "·" +
            raised(var("λ"), "3") + "·" + var("r") + "/(" + raised(var("n"), "2/3") + "·" +
            var("μ") + "·" + var("d", "o") + "·(" + var("t", "s") + minus + var("t", "w") + "))]" +
            raised("", "1/4") + " = 0.725" + times + "[" +
            raised(put(summary(t.film.density)), "2") + times + "9.81" + times +
            raised(put(summary(t.film.conductivity)), "3") + times +
            put(summary(c.state.latent_heat)) + over + "(1" + times +
            put(summary(t.film.viscosity)) + times + put(exact(c.input.shell.diameter)) + times +
            "(" + ts + minus + tw + "))]" + raised("", "1/4") + " = " +
            put(summary(c.working.shell.alpha)) + unit("W/(㎡·℃)") + "（" + var("n") +
            " = 1，壁温试差得 " + var("t", "w") + " = " + tw + unit("℃") + "）",
    };
}

}  // namespace

QStringList step_html(const calc::SizingInput& in, const calc::SizingWorking& w,
                      const design::CondensingEstimate* condensing) {
    QStringList steps = film_steps(in.tube, w.tube, calc::tube_side, Side::Tube) +
                        (condensing ? condensing_steps(*condensing)
                                    : film_steps(in.shell, w.shell, calc::shell_side, Side::Shell));
    const QString at = put(summary(w.tube.alpha)), as = put(summary(w.shell.alpha));
    const QString a_t = var("α", "t"), a_s = var("α", "s");
    const calc::SizingResult& r = w.result;
    const QString K = put(exact(r.K)), Q = put(exact(r.Q)), dtm = put(exact(w.dtm));
    const QString dT1 = put(exact(w.dT1)), dT2 = put(exact(w.dT2));
    const QString fouling = constant(calc::fouling_factor);
    const QString reserve = constant(calc::reserve_factor);
    steps << var("K") + " = " + fouling + "·" + a_t + "·" + a_s + "/(" + a_t + plus + a_s +
                 ") = " + fouling + times + at + times + as + over + "(" + at + plus + as +
                 ") = " + K + unit("W/(㎡·℃)");
    steps << var("Q") + " = " + var("W") + "·" + var("c", "p") + "·(" + var("t", "2") + minus +
                 var("t", "1") + ") = " + put(exact(in.W)) + times +
                 put(exact(in.tube.specific_heat)) + times + "(" + put(exact(in.t2)) + minus +
                 put(exact(in.t1)) + ") = " + Q + unit("W");
    if (condensing) {
        steps << var("D") + " = " + var("Q") + "/" + var("r") + " = " + Q + over +
                     put(summary(condensing->state.latent_heat)) + " = " +
                     put(summary(condensing->vapour_flow)) + unit("kg/s") + "（" + var("T", "1") +
                     " = " + var("T", "2") + " = " + var("t", "s") + "）";
    }
    steps << delta("T", "1") + " = " + var("T", "1") + minus + var("t", "2") + " = " +
                 put(exact(in.T1)) + minus + put(exact(in.t2)) + " = " + dT1 + unit("℃") + "，" +
                 delta("T", "2") + " = " + var("T", "2") + minus + var("t", "1") + " = " +
                 put(exact(in.T2)) + minus + put(exact(in.t1)) + " = " + dT2 + unit("℃");
    if (w.dT1 == w.dT2) {
        steps << delta("T", "1") + " = " + delta("T", "2") + "，" + delta("t", "m") + " = " +
                     delta("T", "1") + " = " + dtm + unit("℃");
    } else {
        steps << delta("t", "m") + " = (" + delta("T", "1") + minus + delta("T", "2") + ")/ln(" +
                     delta("T", "1") + "/" + delta("T", "2") + ") = (" + dT1 + minus + dT2 + ")" +
                     over + "ln(" + dT1 + "/" + dT2 + ") = " + dtm + unit("℃");
    }
    steps << var("A") + " = " + var("Q") + "/(" + reserve + "·" + var("K") + "·" + delta("t", "m") +
                 ") = " + Q + over + "(" + reserve + times + K + times + dtm +
                 ") = " + put(exact(r.A)) + unit("㎡");
    return steps;
}

}  // namespace report
