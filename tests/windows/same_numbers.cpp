// Prints the numbers of a fixed sweep bit for bit: typed texts in their units read as
// numbers, exchangers sized from them with their working, saturated water across its range,
// every hundredth of a degree, the other fluids across their ranges, each result as the
// window shows it, the layout and rating after it, and each condensing vapour's saturation
// state and wall trial across its pressures, and the simulation of each layout off its design
// point. The Windows build, under Wine, must
// print exactly what the Linux build prints (same_numbers_test.sh): its C library rounds pow,
// exp, log and atan otherwise, so both use math/'s (musl's).
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <random>
#include <string>

#include "calc/calc.hpp"
#include "design/condensing.hpp"
#include "design/layout.hpp"
#include "design/rating.hpp"
#include "design/simulation.hpp"
#include "properties/fluid.hpp"
#include "properties/saturated_water.hpp"

namespace {

// Integers from a generator the standard defines bit for bit; no distribution, whose
// algorithm each library chooses.
std::mt19937 draw(20261209);

// A decimal text as an engineer types it: `digits` after the point, within [low, high).
std::string typed(double low, double high, int digits) {
    const double scale = std::pow(10.0, digits);
    const auto steps = static_cast<std::uint32_t>((high - low) * scale);
    const long long n = std::llround(low * scale) + static_cast<long long>(draw() % steps);
    const auto unit = static_cast<long long>(scale);
    char text[32];
    if (digits == 0) {
        std::snprintf(text, sizeof text, "%lld", n);
    } else {
        std::snprintf(text, sizeof text, "%lld.%0*lld", n / unit, digits, n % unit);
    }
    return text;
}

std::string bits(calc::Single value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08x", std::bit_cast<std::uint32_t>(value));
    return text;
}

std::string bits(calc::Double value) {
    char text[24];
    std::snprintf(text, sizeof text, "%016llx",
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
    return text;
}

void print(const std::string& line) {
    std::printf("%s\n", line.c_str());
}

// Each word after a blank.
void add(std::string& line, std::initializer_list<std::string> words) {
    for (const std::string& word : words) {
        line += ' ';
        line += word;
    }
}

// A side's four properties, velocity and diameter, half of them typed with a unit.
calc::FluidSide side(std::string& line) {
    using calc::UnitQuantity;
    const bool units = draw() % 2;
    const std::string texts[] = {
        typed(0.1, 0.7, 3),
        typed(800, 1000, 1),
        units ? typed(1.8, 4.3, 3) + " kJ/(kg·℃)" : typed(1800, 4300, 0),
        units ? typed(0.2, 2, 3) + " mPa·s" : typed(0.0002, 0.002, 6),
        typed(0.3, 2.5, 2),
        units ? typed(10, 50, 0) + " mm" : typed(0.01, 0.05, 3),
    };
    for (const std::string& text : texts) add(line, {text, "|"});
    return {calc::to_single_number(texts[0], UnitQuantity::Conductivity),
            calc::to_single_number(texts[1], UnitQuantity::Density),
            calc::to_single_number(texts[2], UnitQuantity::SpecificHeat),
            calc::to_single_number(texts[3], UnitQuantity::Viscosity),
            calc::to_number(texts[4], UnitQuantity::Velocity),
            calc::to_number(texts[5], UnitQuantity::Length)};
}

void size_one() {
    using calc::UnitQuantity;
    std::string line;
    calc::SizingInput input{};
    input.tube = side(line);
    input.shell = side(line);
    const std::string t1 = typed(5, 60, 1), t2 = typed(10, 90, 1);
    const std::string T1 = typed(50, 150, 1), T2 = typed(20, 120, 1), W = typed(0.1, 20, 2);
    input.t1 = calc::to_single_number(t1, UnitQuantity::Temperature);
    input.t2 = calc::to_single_number(t2, UnitQuantity::Temperature);
    input.T1 = calc::to_single_number(T1, UnitQuantity::Temperature);
    input.T2 = calc::to_single_number(T2, UnitQuantity::Temperature);
    input.W = calc::to_single_number(W, UnitQuantity::MassFlow);
    add(line, {t1, t2, T1, T2, W, "→"});
    try {
        const calc::SizingWorking w = calc::sizing_working(input);
        for (const calc::FilmWorking& film : {w.tube, w.shell}) {
            for (calc::Double value : {film.reynolds, film.prandtl, film.alpha}) {
                add(line, {bits(value)});
            }
        }
        for (calc::Single value : {w.dT1, w.dT2, w.dtm, w.result.K, w.result.A, w.result.Q}) {
            add(line, {bits(value), calc::to_text(value)});
        }
        // The checks after it, with no shell flow typed: F by its logarithms, the flow that
        // balances Q, the tubes.
        const calc::DesignChecks checks = calc::design_checks(input, w.result, std::nullopt);
        if (checks.correction && checks.correction->exists) {
            add(line, {"F", bits(checks.correction->F), bits(checks.correction->area)});
        }
        if (checks.balance) add(line, {"Ws", bits(checks.balance->shell_flow)});
        if (checks.tubes) add(line, {"L", bits(checks.tubes->length)});
        // The layout and its rating: Colebrook's logarithms, Kern's and the tube side's powers.
        const design::LayoutStart start = design::layout_input(
            input, w, checks, design::FillKind::Water, design::FillKind::Typed);
        if (start.gap == design::LayoutGap::None) {
            // The sweep draws diameters of any size, and flows no single shell holds: the
            // layout takes φ25×2.5 tubes, two passes of at most 20 tubes each.
            design::LayoutInput in = start.input;
            in.tube.diameter = 0.02;
            in.shell.diameter = 0.025;
            const design::LayoutChoices choices{.passes = 2.0,
                                                .per_pass = std::min(std::ceil(in.per_pass), 20.0)};
            const design::Layout l = design::layout(in, choices);
            add(line, {"stop", std::to_string(int(l.stop)), "ΔPt", bits(l.tube.drop), "ΔPs",
                       bits(l.shell.drop)});
            if (l.stop == design::LayoutStop::None) {
                const design::Rating r = design::rate(in, l, choices);
                add(line, {"K′", bits(r.coefficient), bits(r.margin), bits(r.carried_fouling)});
                // 操作型计算 at the design's inlets: ε by expm1 and log1p, typed and with water
                // that follows each side's mean.
                design::SimulationInput s{};
                s.design = in;
                s.layout = l;
                s.rating = r;
                s.choices = choices;
                s.tube = {input.t1, input.W, calc::full_precision(in.tube)};
                s.shell = {input.T1, in.shell_flow, calc::full_precision(in.shell)};
                for (const bool water : {false, true}) {
                    if (water) s.tube.fluid = s.shell.fluid = &properties::fluid_table()[0];
                    try {
                        const design::SimulatedState st = design::simulate(s).states.front();
                        add(line, {"sim", bits(st.tube_outlet), bits(st.shell_outlet),
                                   bits(st.effectiveness)});
                    } catch (const design::SimulationFault& fault) {
                        add(line, {"refused", std::to_string(int(fault.refusal))});
                    }
                }
            }
        }
    } catch (const calc::Fault& fault) {
        add(line, {"fault", std::to_string(int(fault.kind()))});
    }
    print(line);
}

void water_at(double celsius) {
    const properties::Water water = properties::saturated_water(celsius);
    std::string line = calc::to_text(celsius);
    add(line, {"℃ →", bits(water.conductivity), bits(water.density), bits(water.specific_heat),
               bits(water.viscosity), calc::to_decimal_text(water.viscosity, 5)});
    print(line);
}

// Each other fluid at 200 steps across its range (a gas at 0.3 MPa): pow, exp and log of
// Perry's and Poling's forms; each solution so at 11 concentrations across its range, with its
// freezing point.
int fluid_steps() {
    constexpr int steps = 200;
    constexpr int concentrations = 10;
    int count = 0;
    for (const properties::Fluid& fluid : properties::fluid_table()) {
        if (fluid.kind == properties::FluidKind::Water) continue;
        const int fractions = fluid.solution ? concentrations : 0;
        for (int k = 0; k <= fractions; ++k) {
            // The top end itself, as for the temperatures.
            const double most = properties::fraction_range(fluid).high;
            const double fraction = k == concentrations ? most : most * k / concentrations;
            const properties::Range range = properties::fluid_range(fluid, fraction);
            for (int i = 0; i <= steps; ++i, ++count) {
                // The top end itself, which low + (high − low) may miss by a rounding.
                const double celsius =
                    i == steps ? range.high : range.low + (range.high - range.low) * i / steps;
                const properties::Properties p =
                    properties::fluid_properties(fluid, celsius, 300, fraction);
                std::string line(fluid.english);
                add(line,
                    {calc::to_text(fraction), calc::to_text(celsius), "℃ →", bits(p.conductivity),
                     bits(p.density), bits(p.specific_heat), bits(p.viscosity)});
                print(line);
            }
        }
    }
    return count;
}

// Each vapour at 51 pressures across its range: its saturation state (Eq. 31 and regions 1
// and 2 for steam, Perry's inverted eq. 101 and eq. 106 for the rest), and the wall trial of
// a single tube at half the saturation temperature's rise above 5 ℃ cooling water.
int vapour_steps() {
    constexpr int steps = 50;
    int count = 0;
    for (const properties::Vapour& vapour : properties::vapour_table()) {
        const properties::Range p = vapour.pressures;
        for (int i = 0; i <= steps; ++i, ++count) {
            const double kpa = i == steps ? p.high : p.low + (p.high - p.low) * i / steps;
            const properties::SaturationState s = properties::saturation_state(vapour, kpa);
            std::string line(vapour.chinese);
            add(line, {calc::to_text(kpa), "kPa →", bits(s.kelvin), bits(s.latent_heat),
                       bits(s.vapour_density), bits(s.vapour_viscosity)});
            try {
                const design::WallTrial t =
                    design::wall_trial(vapour, s, (s.celsius - 5.0) / 2.0, 5e-4, 6.0, 0.025);
                add(line, {bits(t.wall), bits(t.alpha), std::to_string(t.steps.size())});
            } catch (const design::CondensingFault&) {
                add(line, {"film outside its rows"});
            }
            print(line);
        }
    }
    return count;
}

}  // namespace

int main() {
    constexpr int exchangers = 3040;
    for (int i = 0; i < exchangers; ++i) size_one();
    int temperatures = 0;
    for (int hundredths = 1; hundredths <= 35000; hundredths += 1, ++temperatures) {
        water_at(hundredths / 100.0);
    }
    water_at(350.0);
    const int fluids = fluid_steps();
    const int vapours = vapour_steps();
    print(std::to_string(exchangers) + " exchangers, " + std::to_string(temperatures + 1) +
          " water temperatures, " + std::to_string(fluids) + " other fluids' states, " +
          std::to_string(vapours) + " saturation states");
}
