// Water properties against the releases' own check values, to their printed digits, and the
// saturated liquid against an independent implementation's 9-digit table.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "digits.hpp"
#include "properties/if97.hpp"
#include "properties/saturated_water.hpp"
#include "properties/thermal_conductivity.hpp"
#include "properties/viscosity.hpp"

namespace {

using namespace properties;

// The value as a release prints it: 9 significant digits.
std::string printed(double value) {
    return to_digits(value, 9);
}

// R7-97(2012) Table 5 (region 1) and Table 35 (region 4).
TEST(Water, IF97CheckValues) {
    struct Row {
        double T, p;
        const char *v, *cp;
    };
    for (const Row& row : {Row{300, 3, "1.00215168e-03", "4.17301218e+00"},
                           Row{300, 80, "9.71180894e-04", "4.01008987e+00"},
                           Row{500, 3, "1.20241800e-03", "4.65580682e+00"}}) {
        const if97::Region1 r = if97::region1(row.p, row.T);
        EXPECT_EQ(printed(r.v), row.v) << row.T << " K, " << row.p << " MPa";
        EXPECT_EQ(printed(r.cp), row.cp) << row.T << " K, " << row.p << " MPa";
    }
    EXPECT_EQ(printed(if97::saturation_pressure(300)), "3.53658941e-03");
    EXPECT_EQ(printed(if97::saturation_pressure(500)), "2.63889776e+00");
    EXPECT_EQ(printed(if97::saturation_pressure(600)), "1.23443146e+01");
}

// R12-08 Table 4 with μ̄2 = 1, printed to 6 decimals in µPa·s.
TEST(Water, ViscosityCheckValues) {
    struct Row {
        double T, rho, mu;
    };
    for (const Row& row :
         {Row{298.15, 998, 889.735100}, Row{298.15, 1200, 1437.649467},
          Row{373.15, 1000, 307.883622}, Row{433.15, 1, 14.538324}, Row{433.15, 1000, 217.685358},
          Row{873.15, 1, 32.619287}, Row{873.15, 100, 35.802262}, Row{873.15, 600, 77.430195},
          Row{1173.15, 1, 44.217245}, Row{1173.15, 100, 47.640433}, Row{1173.15, 400, 64.154608}}) {
        EXPECT_NEAR(viscosity_micro_pa_s(row.T, row.rho), row.mu, 0.5e-6)
            << row.T << " K, " << row.rho << " kg/m³";
    }
}

// R15-11 Table 4 (no critical enhancement) and Table 7 (with it, from IF97 region 1).
TEST(Water, ConductivityCheckValues) {
    struct Row {
        double T, rho;
        const char* lambda;
    };
    for (const Row& row : {Row{298.15, 0, "1.84341883e+01"}, Row{298.15, 998, "6.07712868e+02"},
                           Row{298.15, 1200, "7.99038144e+02"}, Row{873.15, 0, "7.91034659e+01"}}) {
        EXPECT_EQ(printed(conductivity_background(row.T, row.rho)), row.lambda) << row.T;
    }
    EXPECT_EQ(printed(liquid_water(20, 620).conductivity * 1e3), "4.81485195e+02");
    EXPECT_EQ(printed(liquid_water(50, 620).conductivity * 1e3), "5.45038940e+02");
}

// Saturated liquid from python3-iapws 1.5.2, 9 significant digits, so relative ≤ 1e-8.
TEST(Water, SaturatedLiquidTable) {
    struct Row {
        double t;
        Water w;  // λ, ρ, cp, μ
    };
    // clang-format off
    const Row table[] = {
        {0.01, {0.555600375, 999.793745, 4219.89771, 1.79135245e-03}},
        {20,   {0.597952753, 998.160809, 4185.10249, 1.00162733e-03}},
        {30,   {0.614342010, 995.608883, 4180.28369, 7.97223665e-04}},
        {70,   {0.659738852, 977.748427, 4188.24882, 4.03538634e-04}},
        {100,  {0.677216844, 958.354277, 4216.64512, 2.81585019e-04}},
        {150,  {0.681014717, 917.006584, 4310.27026, 1.82610349e-04}},
        {200,  {0.660026513, 864.667527, 4494.01056, 1.34587281e-04}},
        {250,  {0.616880364, 798.889919, 4864.97760, 1.06282466e-04}},
        {300,  {0.552648043, 712.137621, 5751.52327, 8.58556984e-05}},
        {350,  {0.460458999, 574.689342, 10101.9767, 6.57968234e-05}},
    };
    // clang-format on
    const auto close = [](double got, double want) {
        return std::abs(got - want) <= 1e-8 * std::abs(want);
    };
    for (const Row& row : table) {
        const Water w = saturated_water(row.t);
        EXPECT_PRED2(close, w.conductivity, row.w.conductivity) << row.t << " ℃ λ";
        EXPECT_PRED2(close, w.density, row.w.density) << row.t << " ℃ ρ";
        EXPECT_PRED2(close, w.specific_heat, row.w.specific_heat) << row.t << " ℃ cp";
        EXPECT_PRED2(close, w.viscosity, row.w.viscosity) << row.t << " ℃ μ";
    }
}

TEST(Water, OutsideTheSaturatedLiquidRange) {
    EXPECT_NO_THROW(saturated_water(0.01));
    EXPECT_NO_THROW(saturated_water(350.0));
    for (const double t :
         {0.0, 0.0099, 350.0001, -273.15, 1e300, std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::infinity()}) {
        try {
            saturated_water(t);
            ADD_FAILURE() << t << " ℃ gave properties";
        } catch (const OutOfRange& error) {
            EXPECT_EQ(error.quantity(), Quantity::Temperature);
            EXPECT_EQ(error.range().low, 0.01);
            EXPECT_EQ(error.range().high, 350.0);
            EXPECT_TRUE(std::isnan(t) ? std::isnan(error.value()) : error.value() == t);
        }
    }
}

}  // namespace
