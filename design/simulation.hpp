// 操作型计算: what a laid-out exchanger does at other inlets and flows. The textbook trial —
// properties at each side's mean, the rating's own α_i, α_o and K′, NTU, ε, new outlets — to
// 1e-9 K, and where the tube side's form may change along the duty, a scan by the duty for every
// self-consistent state. The exchanger, its fouling and wall are held as rated; the words are
// the report's.
#pragma once

#include <array>
#include <exception>
#include <optional>
#include <vector>

#include "design/layout.hpp"
#include "design/rating.hpp"
#include "properties/fluid.hpp"

namespace design {

inline constexpr Double simulation_tolerance = 1e-9;  // K, between a guess and its outlets
inline constexpr int most_evaluations = 100;          // of the trial before the scan decides
inline constexpr Double near_limit = 0.98;            // ε of ε_lim: more area hardly helps

// One stream: its inlet and flow (a condensing shell's are its t_s and the D it condenses, which
// follows), and its properties — a fluid's that follow its mean
// temperature, or the typed ones at every temperature.
struct SimulatedSide {
    Double inlet = 0, flow = 0;                // ℃, kg/s
    calc::FluidState typed{};                  // the diameter, and λ, ρ, cp, μ with no fluid
    const properties::Fluid* fluid = nullptr;  // water, a listed fluid or a solution
    Double pressure = properties::standard_pressure;  // kPa, of a gas
    Double fraction = 0;                              // of a solution's solute
};

// The exchanger as the rating has it: the layout, its input for the fills and the gas flags,
// and the rating whose fouling and wall are kept.
struct SimulationInput {
    SimulatedSide tube, shell;
    LayoutInput design;  // the design case the layout was made for
    Layout layout;
    Rating rating;
    LayoutChoices choices;  // the roughness and the allowable drops
};

// Why a simulation cannot be had.
// AboveSaturation: the tube inlet not below a condensing shell's t_s (value: t_s); Film: a
// condensate's film temperature outside its rows (value: t_m, range); WallTrial: the wall
// trial did not settle.
enum class SimulationRefusal { Flow, Inlet, Mean, AboveSaturation, Film, WallTrial, NoLayout };

struct SimulationFault : std::exception {
    SimulationRefusal refusal;
    calc::Side side;
    Double value;
    properties::Range range;                   // of the fluid, where a temperature lies outside it
    const properties::Fluid* fluid = nullptr;  // whose range it is
    Double fraction = 0;                       // of a solution
    SimulationFault(SimulationRefusal r, calc::Side s, Double v, properties::Range range = {},
                    const properties::Fluid* fluid = nullptr, Double fraction = 0)
        : refusal(r), side(s), value(v), range(range), fluid(fluid), fraction(fraction) {}
    const char* what() const noexcept override { return "simulation refused"; }
};

// A self-consistent state.
struct SimulatedState {
    Double tube_outlet = 0, shell_outlet = 0;  // ℃
    Double duty = 0;                           // Q ≥ 0, W, from the hotter inlet to the colder
    Double effectiveness = 0, units = 0, ratio = 0;  // ε, NTU, C_r
    bool tube_is_min = false;                        // which side has C_min
    Double limit = 0;                                // ε as NTU → ∞
    Double tube_mean = 0, shell_mean = 0;            // ℃, where the properties were taken
    calc::FluidState tube_fluid{}, shell_fluid{};    // at those means
    Rating rating{};                                 // α_i, α_o, K′, velocities, Re
    Double correction = 0;  // F of the state for two passes or more; NaN for one
    TubeDrop tube_drop{};
    ShellDrop shell_drop{};
    // A condensing shell: the vapour it condenses, D = Q/r, and its wall trial.
    Double condensed = 0;  // kg/s
    Double wall = 0;       // t_w, ℃
    Double film_reynolds = 0;
    bool boundary = false;  // held at a jump of the tube side's forms, no root on either side
    std::array<Double, 2> boundary_outlets{};  // the tube outlets of the forms below and above
};

struct Simulation {
    std::vector<SimulatedState> states;  // by duty; the first is the one shown
    int evaluations = 0;                 // of the trial
    bool converged = false;              // the trial reached 1e-9 K
    bool scanned = false;                // the scan decided
    bool tube_hot = false;               // the tube side's inlet is the hotter
    // The trial's guesses and outlets, (x_i, x_o, y_i, y_o) each evaluation.
    std::vector<std::array<Double, 4>> trial;
};

// A sweep: one input from a value to a value in equal steps, each point one simulation.
enum class SweptInput { TubeInlet, TubeFlow, ShellInlet, ShellFlow };
inline constexpr int default_sweep_points = 11;  // 50 % to 150 % of the design's, by 10 %

struct SweepPoint {
    Double value;                          // of the swept input
    std::optional<Simulation> simulation;  // none where refused
    std::optional<SimulationFault> refusal;
};

std::vector<SweepPoint> sweep(const SimulationInput& input, SweptInput swept, Double from,
                              Double to, int points);

// The simulation; SimulationFault where a flow is not positive, an inlet or a final mean lies
// outside its fluid's range, the tube inlet is not below a condensing shell's t_s, or the layout
// stopped, or a condensate's film lies outside its rows.
Simulation simulate(const SimulationInput& input);

}  // namespace design
