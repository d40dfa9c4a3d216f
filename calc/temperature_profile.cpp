#include "calc/temperature_profile.hpp"

#include <cmath>

#include "calc/formulas.hpp"

namespace calc {

std::vector<ProfilePoint> counterflow_profile(const SizingInput& input, int intervals) {
    PlainSteps steps;
    std::vector<ProfilePoint> points;
    for (int i = 0; i <= intervals; ++i) {
        const ProfilePoint p = formulas::counterflow_point(steps, input, Double(i) / intervals);
        if (!std::isfinite(p.shell) || !std::isfinite(p.tube)) return {};
        points.push_back(p);
    }
    return points;
}

}  // namespace calc
