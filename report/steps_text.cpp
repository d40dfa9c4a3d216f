#include "report/steps_text.hpp"

#include "report/number_text.hpp"
#include "report/summary.hpp"

namespace report {
namespace {

using calc::Side;

QString constant(double value) {
    return QString::number(value, 'g', 6);
}

QStringList film_steps(const calc::FluidSide& f, const calc::FilmWorking& w,
                       const calc::Correlation& k, Side side) {
    const QString name = side == Side::Tube ? "管内" : "管外";
    const QString alpha = side == Side::Tube ? "αt" : "αs";
    const QString re = summary(w.reynolds, 100), pr = summary(w.prandtl);
    return {
        name + " Re = d·ρ·u/μ = " + exact(f.diameter) + " × " + exact(f.density) + " × " +
            exact(f.velocity) + " / " + exact(f.viscosity) + " = " + re,
        name + " Pr = μ·cp/λ = " + exact(f.viscosity) + " × " + exact(f.specific_heat) + " / " +
            exact(f.conductivity) + " = " + pr,
        alpha + " = " + constant(k.C) + "·λ·Re^" + constant(k.m) + "·Pr^" + constant(k.n) +
            "/d = " + constant(k.C) + " × " + exact(f.conductivity) + " × " + re + "^" +
            constant(k.m) + " × " + pr + "^" + constant(k.n) + " / " + exact(f.diameter) + " = " +
            summary(w.alpha) + " W/(㎡·℃)",
    };
}

}  // namespace

QStringList step_lines(const calc::SizingInput& in, const calc::SizingWorking& w) {
    QStringList lines = film_steps(in.tube, w.tube, calc::tube_side, Side::Tube) +
                        film_steps(in.shell, w.shell, calc::shell_side, Side::Shell);
    const QString at = summary(w.tube.alpha), as = summary(w.shell.alpha);
    const calc::SizingResult& r = w.result;
    lines << "K = " + constant(calc::fouling_factor) +
                 "·αt·αs/(αt + αs) = " + constant(calc::fouling_factor) + " × " + at + " × " + as +
                 " / (" + at + " + " + as + ") = " + exact(r.K) + " W/(㎡·℃)";
    lines << "Q = W·cp·(t2 − t1) = " + exact(in.W) + " × " + exact(in.tube.specific_heat) + " × (" +
                 exact(in.t2) + " − " + exact(in.t1) + ") = " + exact(r.Q) + " W";
    lines << "ΔT1 = T1 − t2 = " + exact(in.T1) + " − " + exact(in.t2) + " = " + exact(w.dT1) + " ℃";
    lines << "ΔT2 = T2 − t1 = " + exact(in.T2) + " − " + exact(in.t1) + " = " + exact(w.dT2) + " ℃";
    if (w.dT1 == w.dT2) {
        lines << "ΔT1 = ΔT2，Δtm = ΔT1 = " + exact(w.dtm) + " ℃";
    } else {
        lines << "Δtm = (ΔT1 − ΔT2)/ln(ΔT1/ΔT2) = (" + exact(w.dT1) + " − " + exact(w.dT2) +
                     ") / ln(" + exact(w.dT1) + "/" + exact(w.dT2) + ") = " + exact(w.dtm) + " ℃";
    }
    lines << "A = Q/(" + constant(calc::reserve_factor) + "·K·Δtm) = " + exact(r.Q) + " / (" +
                 constant(calc::reserve_factor) + " × " + exact(r.K) + " × " + exact(w.dtm) +
                 ") = " + exact(r.A) + " ㎡";
    return lines;
}

}  // namespace report
