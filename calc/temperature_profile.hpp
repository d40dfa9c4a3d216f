// Each stream's temperature along the exchanger, for the counter-flow the logarithmic mean
// assumes: what a temperature diagram draws. Never raises; drawing it is left to the report.
#pragma once

#include <vector>

#include "calc/numbers.hpp"
#include "calc/sizing.hpp"

namespace calc {

// ℃ at a fraction of the area from the shell inlet (T1, t2) to the shell outlet (T2, t1).
struct ProfilePoint {
    Double fraction, shell, tube;
};

// `intervals` (≥ 1) + 1 points evenly spaced from 0 to 1, both ends as typed; empty where the end
// differences have no profile (one of them ≤ 0 or not finite).
std::vector<ProfilePoint> counterflow_profile(const SizingInput& input, int intervals);

}  // namespace calc
