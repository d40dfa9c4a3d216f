// The saturation state of a condensing vapour: IF97's own check values for the equations it
// adds (region 1's h, region 2, the backward saturation line), the worked examples' states,
// and the refusals at each vapour's ranges.
#include "properties/saturation.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "digits.hpp"
#include "properties/if97.hpp"

namespace {

using namespace properties;

std::string printed(double value, int digits = 9) {
    return to_digits(value, digits);
}

// R7-97(2012) Table 5 (h of region 1), Table 15 (region 2) and Table 36 (Eq. 31).
TEST(Saturation, IF97CheckValues) {
    EXPECT_EQ(printed(if97::region1_enthalpy(3, 300)), "1.15331273e+02");
    EXPECT_EQ(printed(if97::region1_enthalpy(80, 300)), "1.84142828e+02");
    EXPECT_EQ(printed(if97::region1_enthalpy(3, 500)), "9.75542239e+02");
    struct Row {
        double T, p;
        const char *v, *h, *cp;
    };
    for (const Row& row : {Row{300, 0.0035, "3.94913866e+01", "2.54991145e+03", "1.91300162e+00"},
                           Row{700, 0.0035, "9.23015898e+01", "3.33568375e+03", "2.08141274e+00"},
                           Row{700, 30, "5.42946619e-03", "2.63149474e+03", "1.03505092e+01"}}) {
        const if97::Region2 r = if97::region2(row.p, row.T);
        EXPECT_EQ(printed(r.v), row.v) << row.T << " K, " << row.p << " MPa";
        EXPECT_EQ(printed(r.h), row.h) << row.T << " K, " << row.p << " MPa";
        EXPECT_EQ(printed(r.cp), row.cp) << row.T << " K, " << row.p << " MPa";
    }
    EXPECT_EQ(printed(if97::saturation_temperature(0.1)), "3.72755919e+02");
    EXPECT_EQ(printed(if97::saturation_temperature(1)), "4.53035632e+02");
    EXPECT_EQ(printed(if97::saturation_temperature(10)), "5.84149488e+02");
}

// The states of the two worked examples, to their 6 digits: steam at 200 kPa and benzene at
// one atmosphere.
TEST(Saturation, WorkedExamples) {
    struct Row {
        const char* name;
        double kpa;
        const char *T, *r, *rho, *mu;
    };
    for (const Row& row :
         {Row{"水", 200, "3.93362e+02", "2.20156e+06", "1.12901e+00", "1.29339e-05"},
          Row{"苯", 101.325, "3.53279e+02", "3.94325e+05", "2.69452e+00", "8.95473e-06"}}) {
        const SaturationState s = saturation_state(*find_vapour(row.name), row.kpa);
        EXPECT_EQ(printed(s.kelvin, 6), row.T) << row.name;
        EXPECT_EQ(printed(s.latent_heat, 6), row.r) << row.name;
        EXPECT_EQ(printed(s.vapour_density, 6), row.rho) << row.name;
        EXPECT_EQ(printed(s.vapour_viscosity, 6), row.mu) << row.name;
        EXPECT_EQ(s.celsius, s.kelvin - 273.15) << row.name;
    }
    // More digits of the steam example, and benzene's t_s to the sheet's 4 decimals.
    EXPECT_NEAR(saturation_state(*find_vapour("水"), 200).celsius, 120.211545936, 1e-9);
    EXPECT_NEAR(saturation_state(*find_vapour("水"), 200).latent_heat, 2201557.496, 1e-3);
    EXPECT_NEAR(saturation_state(*find_vapour("苯"), 101.325).celsius, 80.1285, 5e-5);
}

// Each organic vapour's t_s lies in its vapour-pressure row and gives back its pressure; at
// each end of its range and at one atmosphere where it is allowed.
TEST(Saturation, OrganicInversionReturnsThePressure) {
    for (const Vapour& v : vapour_table()) {
        if (is_steam(v)) continue;
        for (const double kpa : {v.pressures.low, 101.325, v.pressures.high}) {
            if (!contains(v.pressures, kpa)) continue;
            const SaturationState s = saturation_state(v, kpa);
            const double back = std::exp(v.pressure.c[0] + v.pressure.c[1] / s.kelvin +
                                         v.pressure.c[2] * std::log(s.kelvin) +
                                         v.pressure.c[3] * std::pow(s.kelvin, v.pressure.c[4]));
            EXPECT_NEAR(back / 1000.0 / kpa, 1.0, 1e-11) << v.chinese << " " << kpa;
            EXPECT_GT(s.latent_heat, 1e5) << v.chinese;
            EXPECT_GT(s.vapour_viscosity, 0.0) << v.chinese;
        }
    }
}

// Pressures outside the range, a NaN among them, and a film outside its rows are refused with
// the range; 氯苯 and 苯酚 have no vapour.
TEST(Saturation, Refusals) {
    const auto refused_pressure = [](const char* name, double kpa, Range range) {
        try {
            saturation_state(*find_vapour(name), kpa);
            ADD_FAILURE() << name << " " << kpa << " kPa was accepted";
        } catch (const OutOfRange& e) {
            EXPECT_EQ(e.quantity(), Quantity::Pressure);
            EXPECT_EQ(e.range().low, range.low);
            EXPECT_EQ(e.range().high, range.high);
        }
    };
    refused_pressure("水", 0.999, {1, 10000});
    refused_pressure("水", 10001, {1, 10000});
    refused_pressure("水", std::numeric_limits<double>::quiet_NaN(), {1, 10000});
    refused_pressure("苯", 4.7, {4.765, 523.7});
    refused_pressure("甲苯", 116.5, {1, 116.4});
    EXPECT_NO_THROW(saturation_state(*find_vapour("苯"), 523.7));

    EXPECT_EQ(film_range(*find_vapour("苯")).low, 5.53);
    EXPECT_EQ(film_range(*find_vapour("苯")).high, 139.95);
    EXPECT_EQ(film_range(*find_vapour("水")).high, 350.0);
    EXPECT_THROW(condensate(*find_vapour("苯"), 140), OutOfRange);
    EXPECT_THROW(condensate(*find_vapour("甲醇"), -33.16), OutOfRange);
    EXPECT_NO_THROW(condensate(*find_vapour("甲醇"), -33.15));

    EXPECT_EQ(find_vapour("氯苯"), nullptr);
    EXPECT_EQ(find_vapour("苯酚"), nullptr);
    EXPECT_EQ(find_vapour("空气"), nullptr);
}

}  // namespace
