#include "calc/design_checks.hpp"

#include <array>
#include <cmath>
#include <limits>

#include "calc/formulas.hpp"

namespace calc {
namespace {

constexpr Double any = -unbounded;

// A value outside [low, high] is a slip, where the fluid's cp, λ and ρ exceed the given ones.
struct SlipRule {
    SlipQuantity quantity;
    Double low, high;
    Double cp_above, lambda_above, rho_above;
};

// clang-format off
constexpr std::array<SlipRule, 4> slip_rules{{
    // Watery liquids (cp > 3000 J/(kg·℃), λ > 0.4 W/(m·℃)) stay below 0.1 Pa·s even as cold
    // glycol solutions; heavy oils reach 1 Pa·s but have cp ≈ 2000 and λ ≈ 0.13. 0.801 typed
    // for water's 0.801 mPa·s.
    {SlipQuantity::Viscosity, any, 0.1, 3000.0, 0.4, any},
    // No fluid has cp below 50 J/(kg·℃): mercury and lead, the lowest, have about 140. 4.174
    // typed for 4.174 kJ/(kg·℃).
    {SlipQuantity::SpecificHeat, 50.0, unbounded, any, any, any},
    // Liquid metals conduct up to about 80 W/(m·℃) but have cp below 1500, but for lithium
    // (cp ≈ 4200, λ ≈ 45), whose ρ ≈ 510 kg/m³ lies below any water's (575 at 350 ℃). 61.8
    // typed from a ×10⁻² column.
    {SlipQuantity::Conductivity, any, 5.0, 3000.0, any, 550.0},
    // Exchanger tubes are 10 to 50 mm inside; 20 typed for 20 mm.
    {SlipQuantity::Diameter, any, 0.2, any, any, any},
}};
// clang-format on

Double value_of(const FluidSide& fluid, SlipQuantity quantity) {
    switch (quantity) {
        case SlipQuantity::Viscosity:
            return fluid.viscosity;
        case SlipQuantity::SpecificHeat:
            return fluid.specific_heat;
        case SlipQuantity::Conductivity:
            return fluid.conductivity;
        case SlipQuantity::Diameter:
            return fluid.diameter;
    }
    return 0.0;
}

void add_slips(const FluidSide& fluid, Side side, std::vector<UnitSlip>& slips) {
    for (const SlipRule& rule : slip_rules) {
        const bool applies = fluid.specific_heat > rule.cp_above &&
                             fluid.conductivity > rule.lambda_above &&
                             fluid.density > rule.rho_above;
        const Double value = value_of(fluid, rule.quantity);
        if (applies && (value < rule.low || value > rule.high)) {
            slips.push_back({side, rule.quantity, value, {rule.low, rule.high}});
        }
    }
}

Trend trend(Single inlet, Single outlet) {
    if (outlet < inlet) return Trend::Falls;
    return outlet > inlet ? Trend::Rises : Trend::Steady;
}

}  // namespace

SeriesShells series_shells(Double P, Double R) {
    PlainSteps steps;
    SeriesShells shells{{}, 0};
    for (int n = 1; n <= most_shells; ++n) {
        // One shell's F is the checks' own, with no detour through P₁.
        Double F = n == 1 ? formulas::one_shell_correction(steps, P, R)
                          : formulas::shells_correction(steps, P, R, n);
        if (n == 1 && !formulas::correction_exists(P, R, F)) {
            F = std::numeric_limits<Double>::quiet_NaN();
        }
        shells.F[static_cast<std::size_t>(n - 1)] = F;
        if (shells.least == 0 && F >= correction_floor) shells.least = n;
    }
    return shells;
}

DesignChecks design_checks(const SizingInput& input, const SizingResult& result,
                           std::optional<Single> shell_flow) {
    PlainSteps steps;
    DesignChecks checks;
    checks.trends = {trend(input.t1, input.t2), trend(input.T1, input.T2)};
    add_slips(input.tube, Side::Tube, checks.slips);
    add_slips(input.shell, Side::Shell, checks.slips);
    if (!opposite(checks.trends)) return checks;

    MultipassCorrection correction = formulas::multipass_correction(steps, input, result.A);
    if (std::isfinite(correction.P) && std::isfinite(correction.R)) {
        correction.exists = correction.exists && std::isfinite(correction.area);
        correction.low = correction.low || !correction.exists;
        checks.correction = correction;
        if (correction.low) checks.shells = series_shells(correction.P, correction.R);
    }

    const HeatBalance balance = formulas::heat_balance(steps, input, result.Q, shell_flow);
    const bool balance_finite = std::isfinite(balance.shell_flow) &&
                                std::isfinite(balance.shell_duty) &&
                                std::isfinite(balance.difference);
    if (balance_finite) checks.balance = balance;

    const TubeEstimate tubes = formulas::tube_estimate(steps, input, result.A);
    if (std::isfinite(tubes.per_pass) && tubes.count >= 1.0 && std::isfinite(tubes.length)) {
        checks.tubes = tubes;
    }
    return checks;
}

DesignChecks condensing_checks(const SizingInput& input, const SizingResult& result) {
    PlainSteps steps;
    DesignChecks checks;
    // The vapour gives its heat up at one temperature: the stream that heats the tubes.
    checks.trends = {trend(input.t1, input.t2), Trend::Falls};
    add_slips(input.tube, Side::Tube, checks.slips);
    const TubeEstimate tubes = formulas::tube_estimate(steps, input, result.A);
    if (std::isfinite(tubes.per_pass) && tubes.count >= 1.0 && std::isfinite(tubes.length)) {
        checks.tubes = tubes;
    }
    return checks;
}

}  // namespace calc
