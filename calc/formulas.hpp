// The formulas of the calculation, each written once over its steps (see steps.hpp).
// The public entry points in film_coefficient.cpp and sizing.cpp run them with CheckedSteps.
// A formula hands back its working (Re, Pr, ΔT1 ...) with its result; the plain entry points
// keep only the result, so both come from the one run of the same steps.
// Inputs need no check of their own: each is first an operand of a checked step, where an
// infinity or a NaN passed in shows as a result that is not finite.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

#include "calc/design_checks.hpp"
#include "calc/film_coefficient.hpp"
#include "calc/sizing.hpp"
#include "calc/steps.hpp"
#include "calc/temperature_profile.hpp"

namespace calc::formulas {

// α = C·λ·Re^m·Pr^n / d,  Re = d·ρ·u/μ,  Pr = μ·cp/λ   (SI units; α in W/(m²·℃)).
// Steps, one operation each, in this order so that Prandtl faults come before Reynolds ones:
//   c = C·λ;  Pr = (μ·cp)/λ;  p = Pr^n;  x = d·ρ;  x = u·x;  Re = x/μ;  r = Re^m;
//   y = c·r;  y = y·p;  α = y/d.
// Worked example (tube side, 0.023/0.8/0.3): λ 0.618, ρ 995.7, cp 4174, μ 0.000801,
// d 0.02, u 1.0 give Pr ≈ 5.40999, Re ≈ 24861.42, α ≈ 3873.165.
template <typename Steps, typename Fluid>  // FluidSide or FluidState
FilmWorking film_working(Steps& s, const Fluid& fluid, const Correlation& k, Side side) {
    const Where at_alpha{Quantity::FilmCoefficient, side};
    const Where at_pr{Quantity::PrandtlNumber, side};
    const Where at_re{Quantity::ReynoldsNumber, side};

    const Double c = s.product(k.C, fluid.conductivity, at_alpha);
    const Double pr = s.quotient(s.product(fluid.viscosity, fluid.specific_heat, at_pr),
                                 fluid.conductivity, at_pr);
    const Double p = s.power(pr, k.n, at_pr);
    Double x = s.product(fluid.diameter, fluid.density, at_re);
    x = s.product(fluid.velocity, x, at_re);
    const Double re = s.quotient(x, fluid.viscosity, at_re);
    const Double r = s.power(re, k.m, at_re);
    Double y = s.product(c, r, at_alpha);
    y = s.product(y, p, at_alpha);
    return FilmWorking{re, pr, s.quotient(y, fluid.diameter, at_alpha)};
}

template <typename Steps>
Double film_coefficient(Steps& s, const FluidSide& fluid, const Correlation& k, Side side) {
    return film_working(s, fluid, k, side).alpha;
}

// mean = (a + b) · 0.5, kept as Double.  20.1 and 30.2, read as Single, give
// 25.15000057220458984375, not 25.15.
template <typename Steps>
Double mean_temperature(Steps& s, Single inlet, Single outlet, Side side) {
    const Where at{Quantity::MeanTemperature, side};
    return s.product(s.sum(inlet, outlet, at), 0.5, at);
}

// Δtm = (ΔT1 − ΔT2)/ln(ΔT1/ΔT2), ℃: q = ΔT1/ΔT2, L = ln q, z = ΔT1 − ΔT2, Δtm = z/L → Single.
// Ends equal as Single give Δtm = ΔT1 exactly.  50 and 40 give ≈ 44.8142.
template <typename Steps>
Single mean_temperature_difference(Steps& s, Single dT1, Single dT2) {
    const Where at{Quantity::MeanTemperatureDifference};
    s.require_finite(dT1, at);  // equal ends are returned without a step that would show it
    s.require_finite(dT2, at);
    if (dT1 == dT2) return dT1;
    const Double q = s.quotient(dT1, dT2, at);
    const Double L = s.natural_log(q, at);
    const Double z = s.difference(dT1, dT2, at);
    return s.to_single(s.quotient(z, L, at), at);
}

// Counter-current sizing, heat duty from the tube side; in this order:
//   αt, αs                       film coefficients, tube side first
//   K   = (0.85·αt·αs)/(αt + αs)         → Single   W/(m²·℃)
//   Q   = (W·cp_t)·(t2 − t1)              → Single   W
//   ΔT1 = T1 − t2,  ΔT2 = T2 − t1         → Single   ℃
//   Δtm as above                          → Single   ℃
//   A   = Q/((K·0.89)·Δtm)                → Single   m²
// Worked example: t 20→40 ℃, W 2 kg/s, T 90→60 ℃ with the two film examples give
// K = 2006.8310546875, Q = 166960, Δtm ≈ 44.8142, A = 2.08591175079345703125.
// The same from K on, with both sides' film working given: a condensing shell side brings its
// own αs (design/condensing), the tube side's is always film_working's.
template <typename Steps>
SizingWorking sizing_from_films(Steps& s, const SizingInput& in, const FilmWorking& tube,
                                const FilmWorking& shell) {
    const Double alpha_t = tube.alpha;
    const Double alpha_s = shell.alpha;

    const Where at_k{Quantity::OverallCoefficient};
    Double x = s.product(fouling_factor, alpha_t, at_k);
    x = s.product(x, alpha_s, at_k);
    const Double y = s.sum(alpha_t, alpha_s, at_k);
    const Single K = s.to_single(s.quotient(x, y, at_k), at_k);

    const Where at_q{Quantity::HeatDuty};
    const Double flow_heat = s.product(in.W, in.tube.specific_heat, at_q);
    const Double rise = s.difference(in.t2, in.t1, at_q);
    const Single Q = s.to_single(s.product(flow_heat, rise, at_q), at_q);

    const Where at_dt1{Quantity::EndDifference1};
    const Single dT1 = s.to_single(s.difference(in.T1, in.t2, at_dt1), at_dt1);
    const Where at_dt2{Quantity::EndDifference2};
    const Single dT2 = s.to_single(s.difference(in.T2, in.t1, at_dt2), at_dt2);

    const Single dtm = mean_temperature_difference(s, dT1, dT2);

    const Where at_a{Quantity::Area};
    const Double ka = s.product(K, reserve_factor, at_a);
    const Double kat = s.product(ka, dtm, at_a);
    const Single A = s.to_single(s.quotient(Q, kat, at_a), at_a);

    return SizingWorking{tube, shell, dT1, dT2, dtm, SizingResult{K, A, Q}};
}

template <typename Steps>
SizingWorking sizing_working(Steps& s, const SizingInput& in) {
    const FilmWorking tube = film_working(s, in.tube, tube_side, Side::Tube);
    const FilmWorking shell = film_working(s, in.shell, shell_side, Side::Shell);
    return sizing_from_films(s, in, tube, shell);
}

template <typename Steps>
SizingResult size_exchanger(Steps& s, const SizingInput& in) {
    return sizing_working(s, in).result;
}

// The design checks below run with PlainSteps: a value that cannot be had comes out as a NaN or
// an infinity, and design_checks leaves it out.

// Within this of 1 the general forms of R lose more digits to cancellation than the limit's
// first-order error.
inline constexpr Double near_one = 1e-7;

// Correction for one shell pass and an even number of tube passes (Bowman, Mueller and Nagle,
// 1940), at P = (t2 − t1)/(T1 − t1) and R = (T1 − T2)/(t2 − t1), in this order:
//   S = √(R² + 1);  D = ln{[2 − P(R + 1 − S)] / [2 − P(R + 1 + S)]}
//   F = S/(R − 1) · ln[(1 − P)/(1 − PR)] / D;  at R = 1, F = √2·P/(1 − P) / D
// F exists only where 0 < P < 1 and R > 0, and lies in (0, 1]; elsewhere not finite or ≤ 0.
// Worked example, t 20→40 ℃, T 90→60 ℃: P = 0.28571, R = 1.5, F = 0.94791; T2 = 70 (R = 1)
// gives F = 0.97274, t2 = 70 gives 0.4757, and t2 = 80 no F (the second denominator is
// negative).
template <typename Steps>
Double one_shell_correction(Steps& s, Double P, Double R) {
    const Where at{};
    const Double S = s.square_root(s.sum(s.product(R, R, at), 1.0, at), at);
    const Double below =
        s.difference(2.0, s.product(P, s.difference(s.sum(R, 1.0, at), S, at), at), at);
    const Double above = s.difference(2.0, s.product(P, s.sum(s.sum(R, 1.0, at), S, at), at), at);
    const Double D = s.natural_log(s.quotient(below, above, at), at);
    Double N = 0;
    if (std::abs(R - 1.0) <= near_one) {
        N = s.quotient(s.product(std::numbers::sqrt2, P, at), s.difference(1.0, P, at), at);
    } else {
        const Double ratio =
            s.quotient(s.difference(1.0, P, at), s.difference(1.0, s.product(P, R, at), at), at);
        N = s.product(s.quotient(S, s.difference(R, 1.0, at), at), s.natural_log(ratio, at), at);
    }
    // F ≤ 1 where it exists, but for P near 0 both logarithms lose digits to cancellation and
    // F comes out above 1 (by 3·10⁻⁸ at P = 6.4·10⁻⁸, R = 0.955).
    const Double ratio_F = s.quotient(N, D, at);
    return std::isfinite(ratio_F) ? std::min(ratio_F, 1.0) : ratio_F;
}

inline bool correction_exists(Double P, Double R, Double F) {
    return P > 0.0 && P < 1.0 && R > 0.0 && std::isfinite(F) && F > 0.0;
}

// The exchanger's P and R, F of one shell, and area = A/F.
// Worked example, t 20→40 ℃, T 90→60 ℃: A = 2.0859 m², A/F = 2.2005 m².
template <typename Steps>
MultipassCorrection multipass_correction(Steps& s, const SizingInput& in, Single A) {
    const Where at{};
    const Double rise = s.difference(in.t2, in.t1, at);
    const Double P = s.quotient(rise, s.difference(in.T1, in.t1, at), at);
    const Double R = s.quotient(s.difference(in.T1, in.T2, at), rise, at);
    const Double F = one_shell_correction(s, P, R);
    const bool exists = correction_exists(P, R, F);
    const Double area = s.quotient(A, F, at);
    return MultipassCorrection{P, R, exists, F, area, !exists || F < correction_floor};
}

// F of N_s identical 1-2N shells in series, the streams counter-current from shell to shell:
// one shell's F at the P₁ each shell takes of the exchanger's P (Bowman, Mueller and Nagle,
// 1940; Fakheri's closed form for N shells gives the same to 1e-15):
//   R ≠ 1: X = ((1 − P·R)/(1 − P))^(1/N_s),  P₁ = (X − 1)/(X − R)
//   R = 1: P₁ = P/(N_s − (N_s − 1)·P)
// Check values, T 80 → 40 ℃, t 25 → 60 ℃ (P = 0.63636, R = 1.1429): no F₁, F₂ = 0.76159,
// F₃ = 0.90727, F₄ = 0.94969; the worked example's F₂ = 0.98742.
template <typename Steps>
Double shells_correction(Steps& s, Double P, Double R, Double shells) {
    const Where at{};
    Double P1 = 0;
    if (std::abs(R - 1.0) <= near_one) {
        P1 = s.quotient(
            P, s.difference(shells, s.product(s.difference(shells, 1.0, at), P, at), at), at);
    } else {
        const Double ratio =
            s.quotient(s.difference(1.0, s.product(P, R, at), at), s.difference(1.0, P, at), at);
        const Double X = s.power(ratio, s.quotient(1.0, shells, at), at);
        P1 = s.quotient(s.difference(X, 1.0, at), s.difference(X, R, at), at);
    }
    const Double F = one_shell_correction(s, P1, R);
    return correction_exists(P1, R, F) ? F : std::numeric_limits<Double>::quiet_NaN();
}

// Heat balance against the shell side, W, kg/s, J/(kg·℃), ℃:
//   Ws typed:  Qs = (Ws·cps)·(T1 − T2);  difference = (Qs − Q)/Q
//   otherwise: Ws = Q/(cps·(T1 − T2)), the shell flow that balances Q
// Worked example, Q = 166960 W, cps 4190, T 90→60 ℃: Ws = 1.3282 kg/s; Ws = 1.0 gives
// Qs = 125700 W, −24.71 %.
template <typename Steps>
HeatBalance heat_balance(Steps& s, const SizingInput& in, Single Q,
                         std::optional<Single> shell_flow) {
    const Where at{};
    const Double fall = s.difference(in.T1, in.T2, at);
    if (!shell_flow) {
        const Double Ws = s.quotient(Q, s.product(in.shell.specific_heat, fall, at), at);
        return HeatBalance{false, Ws, 0.0, 0.0, false};
    }
    const Double Qs = s.product(s.product(*shell_flow, in.shell.specific_heat, at), fall, at);
    const Double difference = s.quotient(s.difference(Qs, Q, at), Q, at);
    return HeatBalance{true, *shell_flow, Qs, difference,
                       !(std::abs(difference) <= balance_tolerance)};
}

// Tubes per pass on the tube inside diameter, and the length of one pass at that count:
//   n = W/(ρt·ut·π·dt²/4);  count = ⌈n⌉;  L = A/(count·π·dt)
// Worked example, W 2 kg/s, ρ 995.7, u 1.0 m/s, d 0.02 m, A 2.0859 m²: n = 6.394, 7 tubes,
// L = 4.743 m.
template <typename Steps>
TubeEstimate tube_estimate(Steps& s, const SizingInput& in, Single A) {
    const Where at{};
    const FluidSide& t = in.tube;
    const Double section =
        s.quotient(s.product(std::numbers::pi, s.product(t.diameter, t.diameter, at), at), 4.0, at);
    const Double n =
        s.quotient(in.W, s.product(s.product(t.density, t.velocity, at), section, at), at);
    const Double count = std::ceil(n);
    const Double L =
        s.quotient(A, s.product(s.product(count, std::numbers::pi, at), t.diameter, at), at);
    return TubeEstimate{n, count, L};
}

// Counter-flow temperatures at a fraction x of the area, counted from the end where the shell
// stream enters (T1) and the tube stream leaves (t2), as the logarithmic mean assumes. With
// dQ = K·(T − t)·dA and each stream's capacity rate C = W·cp, the shell falling along x and
// the tube, flowing the other way, too:  d(T − t)/dA = −K·(T − t)·(1/Cs − 1/Ct), so the
// difference runs exponentially,  ΔT(x) = ΔT1·exp(−K·A·(1/Cs − 1/Ct)·x).  With the capacity
// rates that balance Q between the four temperatures (the shell's is Ws·cps with the
// balancing Ws), K·A·(1/Cs − 1/Ct) = ln(ΔT1/ΔT2), hence, in this order:
//   r = ΔT2/ΔT1;  q = (r^x − 1)/(r − 1), the fraction of Q passed by x; q = x at r = 1
//   T(x) = T1 − (T1 − T2)·q;  t(x) = t2 − (t2 − t1)·q           ℃
// Equal capacity rates (ΔT1 = ΔT2) give straight lines. No r > 0, no profile: a NaN.
// Worked example, t 20→40 ℃, T 90→60 ℃: r = 0.8; at x = 0.5, q = (√0.8 − 1)/(0.8 − 1)
// = 0.5278640450, T = 74.164078650, t = 29.442719100, and T − t = √(50·40) = 44.72135955.
template <typename Steps>
ProfilePoint counterflow_point(Steps& s, const SizingInput& in, Double x) {
    const Where at{};
    const Double dT1 = s.difference(in.T1, in.t2, at);
    const Double dT2 = s.difference(in.T2, in.t1, at);
    const Double r = s.quotient(dT2, dT1, at);
    // Ends typed as Single differ by 6·10⁻⁸ of themselves or more, where the quotient still
    // keeps eight digits.
    Double q = r > 0.0 ? x : std::numeric_limits<Double>::quiet_NaN();
    if (r > 0.0 && r != 1.0) {
        q = s.quotient(s.difference(s.power(r, x, at), 1.0, at), s.difference(r, 1.0, at), at);
    }
    const Double T = s.difference(in.T1, s.product(s.difference(in.T1, in.T2, at), q, at), at);
    const Double t = s.difference(in.t2, s.product(s.difference(in.t2, in.t1, at), q, at), at);
    return ProfilePoint{x, T, t};
}

}  // namespace calc::formulas
