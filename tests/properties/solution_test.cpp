// Melinder's seven solutions: the sheet's 21 spot values to their six digits; each solution at
// both ends of its concentration range, at its freezing point and at t_max, against the fits
// evaluated on their own (Python, from the stored coefficients); the refusals; and finding one.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "digits.hpp"
#include "properties/fluid.hpp"
#include "properties/fluid_search.hpp"

namespace {

using namespace properties;

const Fluid& named(std::string_view chinese) {
    for (const Fluid& fluid : fluid_table()) {
        if (fluid.chinese == chinese) return fluid;
    }
    throw std::logic_error("no fluid " + std::string(chinese));
}

// The value to six significant digits, as the sheet prints it.
std::string six_digits(double value) {
    return to_digits(value, 6);
}

TEST(Solutions, SpotValuesOfTheSheet) {
    struct Spot {
        const char* chinese;
        double fraction, celsius;
        double density, specific_heat, conductivity, viscosity, freezing;
    };
    for (const Spot& s : {
             Spot{"乙二醇水溶液", 0.30, -5, 1046.31, 3642.65, 0.441062, 0.00525412, -14.5758},
             Spot{"乙二醇水溶液", 0.40, 20, 1051.86, 3519.02, 0.425295, 0.00281913, -23.8129},
             Spot{"乙二醇水溶液", 0.50, 80, 1026.41, 3581.58, 0.425698, 0.000968456, -35.9944},
             Spot{"丙二醇水溶液", 0.30, -5, 1033.02, 3788.97, 0.424519, 0.00927193, -12.7891},
             Spot{"丙二醇水溶液", 0.40, 20, 1032.27, 3706.72, 0.400262, 0.00438378, -20.5682},
             Spot{"丙二醇水溶液", 0.50, 80, 994.899, 3759.78, 0.390999, 0.00108799, -32.1935},
             Spot{"甲醇水溶液", 0.15, -5, 978.829, 4159.21, 0.479055, 0.00358225, -10.5664},
             Spot{"甲醇水溶液", 0.25, 0, 966.577, 3968.94, 0.439257, 0.00348021, -20.1050},
             Spot{"甲醇水溶液", 0.40, 20, 934.569, 3822.44, 0.385711, 0.00183855, -38.7030},
             Spot{"乙醇水溶液", 0.15, -5, 980.685, 4430.70, 0.469253, 0.00563488, -7.39059},
             Spot{"乙醇水溶液", 0.25, 10, 966.768, 4285.38, 0.429863, 0.00369516, -15.4454},
             Spot{"乙醇水溶液", 0.40, 30, 927.889, 4079.90, 0.365414, 0.00200619, -29.5333},
             Spot{"氯化钙水溶液", 0.15, 0, 1135.41, 3292.90, 0.550800, 0.00260516, -11.0546},
             Spot{"氯化钙水溶液", 0.20, -10, 1186.92, 3023.18, 0.531168, 0.00433632, -18.2599},
             Spot{"氯化钙水溶液", 0.28, -30, 1281.60, 2690.55, 0.493074, 0.0148976, -38.9750},
             Spot{"氯化钠水溶液", 0.10, 5, 1075.42, 3697.86, 0.564061, 0.00177837, -6.55319},
             Spot{"氯化钠水溶液", 0.15, -5, 1117.95, 3507.54, 0.544322, 0.00275096, -10.8977},
             Spot{"氯化钠水溶液", 0.22, -15, 1179.38, 3308.58, 0.523495, 0.00500831, -19.0956},
             Spot{"甘油水溶液", 0.20, 0, 1051.51, 3819.40, 0.495988, 0.00339038, -5.55421},
             Spot{"甘油水溶液", 0.40, 10, 1103.06, 3404.84, 0.441975, 0.00522521, -15.3293},
             Spot{"甘油水溶液", 0.55, 30, 1134.51, 3219.15, 0.407319, 0.00551831, -28.4384},
         }) {
        const Fluid& fluid = named(s.chinese);
        const Properties p = fluid_properties(fluid, s.celsius, standard_pressure, s.fraction);
        const std::string where = std::string(s.chinese) + " " + std::to_string(s.fraction);
        EXPECT_EQ(six_digits(p.density), six_digits(s.density)) << where;
        EXPECT_EQ(six_digits(p.specific_heat), six_digits(s.specific_heat)) << where;
        EXPECT_EQ(six_digits(p.conductivity), six_digits(s.conductivity)) << where;
        EXPECT_EQ(six_digits(p.viscosity), six_digits(s.viscosity)) << where;
        EXPECT_EQ(six_digits(freezing_celsius(fluid, s.fraction)), six_digits(s.freezing)) << where;
    }
}

void expect_near(const Properties& got, const std::array<double, 4>& want,
                 const std::string& where) {
    const std::array<double, 4> values{got.conductivity, got.density, got.specific_heat,
                                       got.viscosity};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_LE(std::abs(values[i] - want[i]), 1e-12 * std::abs(want[i]))
            << where << ", property " << i << ": " << values[i] << " against " << want[i];
    }
}

// Both ends of each concentration range, each at its freezing point and at t_max: λ, ρ, cp, μ.
TEST(Solutions, EndsOfEachRange) {
    struct End {
        const char* chinese;
        double fraction, freezing, t_max;
        std::array<double, 4> at_freezing, at_t_max;
    };
    for (const End& e : {
             End{"乙二醇水溶液",
                 0,
                 0.0002850815544333113,
                 100,
                 {0.5612077210458365, 999.266273438264, 4210.578452566023, 0.0017771595867287979},
                 {0.6799364110564119, 957.7299735437241, 4213.604664289232, 0.0002765661034241951}},
             End{"乙二醇水溶液",
                 0.6,
                 -51.20091508282945,
                 100,
                 {0.32466561861209736, 1103.947647128141, 2603.199068831733, 0.45110637704222556},
                 {0.3933165603449303, 1020.8169384061707, 3476.4596540234816,
                  0.0008291105380205005}},
             End{"丙二醇水溶液",
                 0,
                 -0.025071276065458448,
                 100,
                 {0.5610020839945533, 1000.2406746166555, 4213.588508897095, 0.0018083282514021713},
                 {0.6795600159956868, 958.94195802948, 4215.4838909551, 0.00027837002144849425}},
             End{"丙二醇水溶液",
                 0.6,
                 -50.00264668494646,
                 100,
                 {0.29598303967575973, 1077.3116740515827, 3025.103901965493, 3.8916100038530654},
                 {0.3534367605886188, 980.8338948943883, 3697.694339248061, 0.0009093541325210121}},
             End{"甲醇水溶液",
                 0,
                 0.014473962756050396,
                 40,
                 {0.5606698437581229, 999.8547190453569, 4241.915647535938, 0.0017904590735862737},
                 {0.6298561723905404, 992.1553350593045, 4180.161397125808, 0.0006542217896604209}},
             End{"甲醇水溶液",
                 0.6,
                 -73.00626355205723,
                 40,
                 {0.2986726709112479, 957.9982813458989, 2194.420501305023, 0.1577391587483417},
                 {0.3119566555459892, 879.6430000295716, 3473.0392199410976,
                  0.0009737026612696759}},
             End{"乙醇水溶液",
                 0,
                 -0.04732831151365913,
                 40,
                 {0.5612226644547339, 1000.081227633836, 4217.220843048887, 0.0017991410583016404},
                 {0.6301386409168674, 992.4415904855562, 4200.533847503584, 0.0006545682001450922}},
             End{"乙醇水溶液",
                 0.6,
                 -44.910244376230644,
                 40,
                 {0.2717852858605984, 943.9298076435441, 2628.0337280752806, 0.08329276289658404},
                 {0.2800792924156064, 874.2810336936914, 3691.1461240260655,
                  0.0014234077114215376}},
             End{"甘油水溶液",
                 0,
                 -0.035265163125172805,
                 40,
                 {0.5608817996390472, 999.7043249173531, 4191.303497130246, 0.001809403367914089},
                 {0.6303786185861353, 992.9647714154379, 4175.576072646531, 0.0006447925205992691}},
             End{"甘油水溶液",
                 0.6,
                 -34.88886141664225,
                 40,
                 {0.3579709924848427, 1179.5920102135478, 2649.5300669101716, 0.4643506173740529},
                 {0.3969227388031088, 1142.4001762398432, 3206.809644754626, 0.005251531084567532}},
             End{"氯化钙水溶液",
                 0,
                 -0.0011212046120547825,
                 40,
                 {0.5610141445750553, 1000.5318822245486, 4215.545337246774, 0.0017928579139138714},
                 {0.6308776920076046, 991.7473196734858, 4175.6183004590375,
                  0.0006522624720130273}},
             End{"氯化钙水溶液",
                 0.3,
                 -48.01445190253712,
                 40,
                 {0.465892055992556, 1309.36591386173, 2618.1634279974337, 0.05370092096819698},
                 {0.5881050217598399, 1271.4531351005646, 2827.217280774697, 0.002325239057301708}},
             End{"氯化钠水溶液",
                 0,
                 -0.0004959238673027944,
                 40,
                 {0.5602689818751991, 999.9682360184809, 4214.2315433618105, 0.0017902419396599802},
                 {0.6302206159336283, 992.2247220307758, 4176.87522507126, 0.0006550514441630463}},
             End{"氯化钠水溶液",
                 0.23,
                 -20.51458883242929,
                 40,
                 {0.5144955403331289, 1189.965350612769, 3276.7096496558493, 0.006573113681116976},
                 {0.6049009403668008, 1161.606672771468, 3352.590326712588, 0.001168867077648263}},
         }) {
        const Fluid& fluid = named(e.chinese);
        const std::string where = std::string(e.chinese) + " " + std::to_string(e.fraction);
        const Range range = fluid_range(fluid, e.fraction);
        EXPECT_NEAR(range.low, e.freezing, 1e-12) << where;
        EXPECT_EQ(range.high, e.t_max) << where;
        expect_near(fluid_properties(fluid, range.low, standard_pressure, e.fraction),
                    e.at_freezing, where + " at freezing");
        expect_near(fluid_properties(fluid, e.t_max, standard_pressure, e.fraction), e.at_t_max,
                    where + " at t_max");
    }
}

TEST(Solutions, Refusals) {
    struct Refusal {
        double fraction, celsius;
        Quantity quantity;
        Range range;
    };
    const Fluid& glycol = named("乙二醇水溶液");
    const double freezing = freezing_celsius(glycol, 0.3);
    const double nan = std::nan("");
    for (const Refusal& r : {
             Refusal{std::nextafter(0.6, 1.0), 20, Quantity::Fraction, {0, 0.6}},
             Refusal{-0.01, 20, Quantity::Fraction, {0, 0.6}},
             Refusal{nan, 20, Quantity::Fraction, {0, 0.6}},
             Refusal{0.3, std::nextafter(freezing, -100.0), Quantity::Temperature, {freezing, 100}},
             Refusal{0.3, std::nextafter(100.0, 200.0), Quantity::Temperature, {freezing, 100}},
             Refusal{0.3, nan, Quantity::Temperature, {freezing, 100}},
         }) {
        try {
            fluid_properties(glycol, r.celsius, standard_pressure, r.fraction);
            ADD_FAILURE() << r.fraction << ", " << r.celsius << " ℃";
        } catch (const OutOfRange& error) {
            EXPECT_EQ(error.quantity(), r.quantity) << r.fraction << ", " << r.celsius;
            EXPECT_EQ(error.range().low, r.range.low) << r.fraction << ", " << r.celsius;
            EXPECT_EQ(error.range().high, r.range.high) << r.fraction << ", " << r.celsius;
        }
    }
    // The salt's own range: 23 % sodium chloride at most, 30 % calcium chloride.
    EXPECT_THROW(fluid_properties(named("氯化钠水溶液"), 20, standard_pressure, 0.24), OutOfRange);
    EXPECT_NO_THROW(fluid_properties(named("氯化钙水溶液"), 20, standard_pressure, 0.3));
}

// A solution is found by its own name and formula, never in place of the pure liquid.
TEST(Solutions, FoundByNameAndNotForThePureLiquid) {
    EXPECT_EQ(match_fluid("乙二醇水溶液").front()->kind, FluidKind::Solution);
    ASSERT_EQ(match_fluid("乙二醇").size(), 1u);
    EXPECT_EQ(match_fluid("乙二醇").front()->kind, FluidKind::Liquid);
    ASSERT_EQ(match_fluid("nacl + h2o").size(), 1u);
    EXPECT_EQ(match_fluid("nacl + h2o").front()->chinese, "氯化钠水溶液");
    EXPECT_EQ(search_fluids("水溶液").size(), 7u);
    EXPECT_EQ(named("氯化钙水溶液").solution->solute, Solute::Salt);
    EXPECT_EQ(named("甘油水溶液").solution->solute, Solute::Organic);
}

}  // namespace
