// Any bytes as an exchanger and two streams for 操作型计算: the geometry from the standard
// lists, fouling, both sides' typed properties or a fluid of the table that follows its mean,
// any inlets and flows. The simulation must end within bounded work and give a refusal, or
// states whose every figure is finite, whose outlets lie between the two inlets and whose
// effectiveness lies in [0, 1].
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "calc/design_checks.hpp"
#include "design/simulation.hpp"

namespace {

void check(bool holds) {
    if (!holds) std::abort();
}

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::uint8_t byte() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    double number() {
        double x = 0;
        if (size >= sizeof x) {
            std::memcpy(&x, data, sizeof x);
            data += sizeof x;
            size -= sizeof x;
        }
        return x;
    }
    // A finite number within [low, high] from the next eight bytes.
    double within(double low, double high) {
        const double x = number();
        if (!std::isfinite(x)) return low;
        return low + (high - low) * (std::fmod(std::abs(x), 1.0));
    }
};

const properties::Fluid* fluid_of(std::uint8_t byte) {
    const auto table = properties::fluid_table();
    if (byte % 3 == 0) return nullptr;  // typed
    return &table[byte % table.size()];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader r{data, size};
    design::LayoutInput in{};
    in.tube = {static_cast<calc::Single>(r.within(0.01, 100)),
               static_cast<calc::Single>(r.within(0.1, 2000)),
               static_cast<calc::Single>(r.within(100, 10000)),
               static_cast<calc::Single>(r.within(1e-6, 1)),
               0.02,
               1.0};
    in.shell = {static_cast<calc::Single>(r.within(0.01, 100)),
                static_cast<calc::Single>(r.within(0.1, 2000)),
                static_cast<calc::Single>(r.within(100, 10000)),
                static_cast<calc::Single>(r.within(1e-6, 1)),
                0.025,
                0.5};
    in.tube_flow = 1.0;
    in.shell_flow = 1.0;
    in.area = 1.0;
    in.corrections = {0.9, 0.95, 0.97, 0.98};
    in.per_pass = 1.0;
    in.duty = 1.0;
    in.mean_difference = 1.0;
    const design::LayoutChoices choices{
        .tube_length = design::standard_lengths[r.byte() % design::standard_lengths.size()],
        .passes = design::standard_passes[r.byte() % design::standard_passes.size()],
        .per_pass = 1.0 + r.byte(),
        .tube_fouling = design::FoulingChoice{{}, r.within(0, 0.005)},
        .shell_fouling = design::FoulingChoice{{}, r.within(0, 0.005)},
        .shells = 1.0 + r.byte() % 4};
    design::SimulationInput s;
    s.design = in;
    s.choices = choices;
    s.layout = design::layout(in, choices);
    if (s.layout.stop != design::LayoutStop::None) return 0;
    s.rating = design::rate(in, s.layout, choices);
    s.tube = {r.within(-50, 400), r.within(-1, 50), calc::full_precision(in.tube),
              fluid_of(r.byte())};
    s.shell = {r.within(-50, 400), r.within(-1, 50), calc::full_precision(in.shell),
               fluid_of(r.byte())};
    s.tube.fraction = r.within(0, 0.3);
    s.shell.fraction = r.within(0, 0.3);
    try {
        const design::Simulation sim = design::simulate(s);
        check(!sim.states.empty() && sim.evaluations <= design::most_evaluations);
        const double low = std::min(s.tube.inlet, s.shell.inlet);
        const double high = std::max(s.tube.inlet, s.shell.inlet);
        for (const design::SimulatedState& st : sim.states) {
            for (const double x : {st.tube_outlet, st.shell_outlet, st.duty, st.effectiveness,
                                   st.units, st.ratio, st.rating.coefficient}) {
                check(std::isfinite(x));
            }
            check(st.tube_outlet >= low && st.tube_outlet <= high);
            check(st.shell_outlet >= low && st.shell_outlet <= high);
            check(st.effectiveness >= 0.0 && st.effectiveness <= 1.0);
        }
    } catch (const design::SimulationFault&) {
    } catch (const properties::OutOfRange&) {
        // A solution's fraction or a gas's pressure outside what its fit holds.
    }
    return 0;
}
