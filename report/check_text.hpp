// The design checks after a result in Chinese, a line each: F of a 1-2 exchanger, the heat
// balance, the tube count and length, and a "注意：" line for each that needs a look, those
// that point at an input first. The numbers come from calc/design_checks.
#pragma once

#include <QStringList>

#include "calc/design_checks.hpp"

namespace report {

struct CheckText {
    QStringList lines;  // F and A/F, the heat balance, the tubes
    QStringList notes;  // "注意：" lines
};

CheckText check_text(const calc::DesignChecks& checks);

}  // namespace report
