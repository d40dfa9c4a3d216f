// The counter-flow profile against points worked by hand: at mid-area the difference of the
// streams is the geometric mean √(ΔT1·ΔT2), and q = (√r − 1)/(r − 1) with r = ΔT2/ΔT1.
#include "calc/temperature_profile.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Only the four temperatures shape the profile.
calc::SizingInput temperatures(float t1, float t2, float T1, float T2) {
    return {{}, {}, t1, t2, T1, T2, 0.0f};  // no fluids, no flow
}

TEST(TemperatureProfile, EndsAsTypedAndTheMiddleWorkedByHand) {
    struct Row {
        const char* name;
        float t1, t2, T1, T2;
        double shell_mid, tube_mid;  // at x = 0.5
    };
    const Row rows[] = {
        // r = 0.8: q = 0.52786404500, √2000 = 44.72135955 between the streams.
        {"worked example", 20, 40, 90, 60, 74.16407864998738, 29.44271909999159},
        // The tube leaves hotter than the shell does: r = 1.5, √600 between them.
        {"outlets cross", 20, 70, 90, 50, 72.02041028867288, 47.52551286084110},
        // Equal capacity rates: straight lines.
        {"ends equal", 30, 60, 90, 60, 75.0, 45.0},
        // The hot stream in the tubes: both differences negative, r = 1.25.
        {"hot in the tubes", 90, 60, 20, 40, 29.44271909999159, 74.16407864998738},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto points =
            calc::counterflow_profile(temperatures(row.t1, row.t2, row.T1, row.T2), 4);
        ASSERT_EQ(points.size(), 5u);
        EXPECT_EQ(points.front().fraction, 0.0);
        EXPECT_EQ(points.front().shell, row.T1);
        EXPECT_EQ(points.front().tube, row.t2);
        EXPECT_EQ(points.back().fraction, 1.0);
        EXPECT_EQ(points.back().shell, row.T2);
        EXPECT_EQ(points.back().tube, row.t1);
        EXPECT_NEAR(points[2].shell, row.shell_mid, 1e-12);
        EXPECT_NEAR(points[2].tube, row.tube_mid, 1e-12);
    }
}

TEST(TemperatureProfile, NoneWhereTheEndDifferencesDisagree) {
    EXPECT_TRUE(calc::counterflow_profile(temperatures(20, 40, 90, 10), 4).empty());  // ΔT2 < 0
    EXPECT_TRUE(calc::counterflow_profile(temperatures(20, 90, 90, 60), 4).empty());  // ΔT1 = 0
    EXPECT_TRUE(calc::counterflow_profile(temperatures(20, 40, NAN, 60), 4).empty());
}

}  // namespace
