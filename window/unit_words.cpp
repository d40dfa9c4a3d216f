#include "window/unit_words.hpp"

#include <QStringList>

#include "window/qt_text.hpp"

namespace window {
namespace {

QStringList shown_units(calc::UnitQuantity quantity) {
    QStringList shown;
    for (const calc::UnitRow& row : calc::units_of(quantity)) {
        if (!row.shown.empty()) shown << qt(row.shown);
    }
    return shown;
}

}  // namespace

QString si_unit(calc::UnitQuantity quantity) {
    return qt(calc::units_of(quantity).front().shown);
}

QString unit_list(calc::UnitQuantity quantity) {
    return shown_units(quantity).join("、");
}

QString unit_example(calc::UnitQuantity quantity) {
    using Q = calc::UnitQuantity;
    switch (quantity) {  // values as a source would print them, in a unit other than SI
        case Q::Temperature:
            return "303.15 K";
        case Q::MassFlow:
            return "7.2 t/h";
        case Q::Conductivity:
            return "618 mW/(m·K)";
        case Q::Density:
            return "0.9957 g/cm³";
        case Q::SpecificHeat:
            return "4.174 kJ/(kg·℃)";
        case Q::Viscosity:
            return "0.801 mPa·s";
        case Q::Velocity:
            return "60 m/min";
        case Q::Length:
            return "20 mm";
        case Q::Pressure:
            return "0.3 MPa";
    }
    return {};
}

QString unit_description(calc::UnitQuantity quantity) {
    QStringList others = shown_units(quantity);
    const QString si = others.takeFirst();
    return si + "；也可输入 " + others.join("、") + "，如 " + unit_example(quantity);
}

}  // namespace window
