// 操作型计算 in the window: the last result's exchanger with each side's stream — its fluid
// where the fields hold a fill, else the typed properties read in full precision — at the
// design's inlets and flows unless told otherwise.
#include "calc/fault.hpp"
#include "calc/units.hpp"
#include "window/layout_choices.hpp"
#include "window/main_window.hpp"

namespace window {
namespace {

// A field's text in full precision, or the value the sizing read where it does not parse so.
double full(const QMap<QString, QString>& texts, const char* name, calc::UnitQuantity quantity,
            double as_read) {
    try {
        return calc::to_number(texts.value(name).toStdString(), quantity);
    } catch (const calc::Fault&) {
        return as_read;
    }
}

// λ, ρ, cp, μ of a side as typed; its diameter and velocity as the sizing read them.
calc::FluidState typed(const QMap<QString, QString>& texts, const calc::FluidSide& read,
                       const std::array<const char*, 4>& names) {
    using calc::UnitQuantity;
    return {full(texts, names[0], UnitQuantity::Conductivity, read.conductivity),
            full(texts, names[1], UnitQuantity::Density, read.density),
            full(texts, names[2], UnitQuantity::SpecificHeat, read.specific_heat),
            full(texts, names[3], UnitQuantity::Viscosity, read.viscosity),
            read.diameter,
            read.velocity};
}

design::SimulatedSide side_of(const report::FillSource& fill, calc::FluidState properties,
                              double inlet, double flow) {
    design::SimulatedSide side{inlet, flow, properties};
    if (fill) {
        side.fluid = fill->fluid;
        side.pressure = fill->pressure;
        side.fraction = fill->fraction;
    }
    return side;
}

}  // namespace

std::optional<design::SimulationInput> MainWindow::simulation_input(const Operation& op) const {
    if (!computed_ || !computed_->layout || !report::laid_out(*computed_->layout) ||
        !computed_->layout->rating) {
        return std::nullopt;
    }
    const report::LayoutEntry& e = *computed_->layout;
    const QMap<QString, QString>& texts = computed_->texts;
    const calc::SizingInput& in = computed_->input;
    using calc::UnitQuantity;
    design::SimulationInput s{};
    s.design = e.input;
    s.layout = e.layout;
    s.rating = *e.rating;
    s.choices = read_layout_choices(layout_texts_);
    s.tube = side_of(fill_source(tube_fill_, tube_fill_fields()),
                     typed(texts, in.tube, {"Text4", "Text5", "Text6", "Text7"}),
                     op.tube_inlet.value_or(full(texts, "Text1", UnitQuantity::Temperature, in.t1)),
                     op.tube_flow.value_or(full(texts, "Text3", UnitQuantity::MassFlow, in.W)));
    // The shell's flow as typed, or the one that balanced the design's duty.
    s.shell =
        side_of(fill_source(shell_fill_, shell_fill_fields()),
                typed(texts, in.shell, {"Text13", "Text14", "Text16", "Text15"}),
                op.shell_inlet.value_or(full(texts, "Text20", UnitQuantity::Temperature, in.T1)),
                op.shell_flow.value_or(e.input.shell_flow));
    return s;
}

}  // namespace window
