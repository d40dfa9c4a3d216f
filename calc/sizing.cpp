#include "calc/sizing.hpp"

#include <initializer_list>

#include "calc/checked.hpp"

namespace calc {

// mean = (a + b) · 0.5, kept as Double.  20.1 and 30.2, read as Single, give
// 25.15000057220458984375, not 25.15.
Double mean_temperature(Single inlet, Single outlet, Side side) {
    const Where at{Quantity::MeanTemperature, side};
    require_finite(inlet, at);
    require_finite(outlet, at);
    return product(sum(inlet, outlet, at), 0.5, at);
}

Double mean_temperature(Single inlet, Single outlet) {
    return mean_temperature(inlet, outlet, Side::None);
}

// Δtm = (ΔT1 − ΔT2)/ln(ΔT1/ΔT2), ℃: q = ΔT1/ΔT2, L = ln q, z = ΔT1 − ΔT2, Δtm = z/L → Single.
// Ends equal as Single give Δtm = ΔT1 exactly.  50 and 40 give ≈ 44.8142.
Single mean_temperature_difference(Single dT1, Single dT2) {
    const Where at{Quantity::MeanTemperatureDifference};
    require_finite(dT1, at);
    require_finite(dT2, at);
    if (dT1 == dT2) return dT1;
    const Double q = quotient(dT1, dT2, at);
    const Double L = natural_log(q, at);
    const Double z = difference(dT1, dT2, at);
    return to_single(quotient(z, L, at), at);
}

// Counter-current sizing, heat duty from the tube side; in this order:
//   αt, αs                       film coefficients, tube side first
//   K   = (0.85·αt·αs)/(αt + αs)         → Single
//   Q   = (W·cp_t)·(t2 − t1)              → Single   W
//   ΔT1 = T1 − t2,  ΔT2 = T2 − t1         → Single   ℃
//   Δtm = ΔT1 if ΔT1 == ΔT2 (as Single), else (ΔT1 − ΔT2)/ln(ΔT1/ΔT2) → Single
//   A   = Q/((K·0.89)·Δtm)                → Single   m²
// Worked example: t 20→40 ℃, W 2 kg/s, T 90→60 ℃ with the two film examples give
// K = 2006.8310546875, Q = 166960, Δtm ≈ 44.8142, A = 2.08591175079345703125.
SizingResult size_exchanger(const SizingInput& in) {
    const Double alpha_t = film_coefficient(in.tube, tube_side, Side::Tube);
    const Double alpha_s = film_coefficient(in.shell, shell_side, Side::Shell);

    const Where at_k{Quantity::OverallCoefficient};
    Double x = product(fouling_factor, alpha_t, at_k);
    x = product(x, alpha_s, at_k);
    const Double y = sum(alpha_t, alpha_s, at_k);
    const Single K = to_single(quotient(x, y, at_k), at_k);

    const Where at_q{Quantity::HeatDuty};
    for (Single input : {in.W, in.t1, in.t2, in.T1, in.T2}) require_finite(input, at_q);
    const Double flow_heat = product(in.W, in.tube.specific_heat, at_q);
    const Double rise = difference(in.t2, in.t1, at_q);
    const Single Q = to_single(product(flow_heat, rise, at_q), at_q);

    const Where at_dt1{Quantity::EndDifference1};
    const Single dT1 = to_single(difference(in.T1, in.t2, at_dt1), at_dt1);
    const Where at_dt2{Quantity::EndDifference2};
    const Single dT2 = to_single(difference(in.T2, in.t1, at_dt2), at_dt2);

    const Single dtm = mean_temperature_difference(dT1, dT2);

    const Where at_a{Quantity::Area};
    const Double ka = product(K, reserve_factor, at_a);
    const Double kat = product(ka, dtm, at_a);
    const Single A = to_single(quotient(Q, kat, at_a), at_a);

    return SizingResult{K, A, Q};
}

}  // namespace calc
