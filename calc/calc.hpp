// Everything calc/ offers: numbers and faults, conversions, film coefficients, sizing and
// the checks after it.
#pragma once

#include "calc/checked.hpp"
#include "calc/conversion.hpp"
#include "calc/correlation_range.hpp"
#include "calc/design_checks.hpp"
#include "calc/fault.hpp"
#include "calc/film_coefficient.hpp"
#include "calc/numbers.hpp"
#include "calc/sizing.hpp"
#include "calc/units.hpp"
