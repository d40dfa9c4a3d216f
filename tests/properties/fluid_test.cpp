// Every fluid of the table at both ends of its range, against the sheet's formulas evaluated
// on their own (Python, from the printed coefficients); the sheet's spot values to its digits;
// the refusals; and finding a fluid by what a user types.
#include "properties/fluid.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "properties/fluid_search.hpp"

namespace {

using namespace properties;

const Fluid& named(std::string_view english) {
    for (const Fluid& fluid : fluid_table()) {
        if (fluid.english == english) return fluid;
    }
    throw std::logic_error("no fluid " + std::string(english));
}

void expect_near(const Properties& got, const std::array<double, 4>& want, double relative,
                 const std::string& where) {
    const std::array<double, 4> values{got.conductivity, got.density, got.specific_heat,
                                       got.viscosity};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_LE(std::abs(values[i] - want[i]), relative * std::abs(want[i]))
            << where << ", property " << i << ": " << values[i] << " against " << want[i];
    }
}

// The range's ends in ℃ (Tmin and Tmax less 273.15 in decimal), then λ, ρ, cp, μ there;
// gases at 101.325 kPa.
struct EndRow {
    const char* english;
    double low, high;
    std::array<double, 4> at_low, at_high;
};

// clang-format off
const EndRow ends[] = {
    {"benzene", 5.53, 139.95, {0.14924195040000005, 892.20393009600627, 1706.0385924826721, 0.00077605608139907109}, {0.10814706800000001, 744.01598742856015, 2131.0252298397941, 0.00018315993384083733}},
    {"toluene", -94.97, 110.63, {0.16141778640000001, 966.26999791673222, 1465.9265205169611, 0.015690811331845321}, {0.11155567440000001, 780.20296792303407, 1997.590933183124, 0.00024278860674327278}},
    {"o-xylene", -25.17, 144.43, {0.14287939800000002, 915.44957332156605, 1630.886928478574, 0.001734586881237597}, {0.10388835800000001, 769.68523525900707, 2097.5548284308979, 0.00024671177752830448}},
    {"m-xylene", -47.85, 139.95, {0.147395368, 918.11670161697987, 1527.4722239768284, 0.0018339240038689423}, {0.10317973600000001, 755.62195014676468, 2131.6289898412847, 0.00021892593837181696}},
    {"p-xylene", 13.26, 139.95, {0.13251457070000003, 866.45159567447797, 1666.9018111512939, 0.00070211768627232688}, {0.10264993700000002, 751.44859003295471, 2107.4979372746752, 0.00021692112153100593}},
    {"ethylbenzene", -94.95, 136.20, {0.15744741400000001, 959.80992950664472, 1453.0144091141146, 0.0080123023220819139}, {0.1023805495, 760.12444427803496, 2173.510242615504, 0.00023805203826598236}},
    {"styrene", -30.61, 145.16, {0.14876694600000001, 948.67785989355241, 1608.1418201145102, 0.0019190718068368337}, {0.110079969, 784.48831932410371, 2190.6852501947151, 0.0002268368593604777}},
    {"chlorobenzene", -23.15, 86.85, {0.13617500000000002, 1147.8956311863617, 1293.0959807883846, 0.0014215201874471773}, {0.11508800000000001, 1034.9275937482157, 1608.186152959084, 0.00040858796033444469}},
    {"phenol", 40.91, 151.85, {0.15690400000000002, 1058.1393071833788, 2140.7504802828994, 0.0047026376410767038}, {0.14581, 956.38579523860392, 2515.1549443636891, 0.00051734760647723955}},
    {"methanol", -97.68, 64.70, {0.23439293, 894.43757393461783, 2219.5057450435211, 0.01192767773121646}, {0.18876415000000002, 749.60309617399423, 2823.6452939042315, 0.0003442318684007869}},
    {"ethanol", -73.15, 80.00, {0.19400000000000001, 864.98928042005093, 1949.4742600133713, 0.01314752480850076}, {0.15356839999999999, 733.02106012625734, 3024.4571656184994, 0.00042790260870259898}},
    {"1-propanol", -73.15, 97.20, {0.1772, 876.66910577682404, 1839.0881104917212, 0.069375513575660089}, {0.14048957500000001, 731.73354998518312, 3222.4654663865545, 0.00047345294295077277}},
    {"2-propanol", -87.89, 82.15, {0.16172537460000003, 881.20014932165384, 1885.2398543923041, 0.39166950139730083}, {0.12511746300000001, 721.34010457760212, 3409.086320346114, 0.00048919032218728588}},
    {"1-butanol", -83.15, 118.75, {0.17495400000000003, 887.68170350618902, 1827.3590964037478, 0.32366140453008174}, {0.13388754000000003, 717.14717975715951, 3483.0929968861974, 0.00038767404116934594}},
    {"ethylene glycol", -13.00, 197.30, {0.24570730929349996, 1136.4609931897453, 2201.743218877582, 0.13359902905958562}, {0.24339635624150002, 971.64322353234286, 3224.0444124948845, 0.00054905827003969324}},
    {"acetone", -83.15, 56.29, {0.20667000000000002, 899.69040367454113, 2013.4165474327253, 0.0016550349358326786}, {0.14712912, 749.73760946639675, 2285.0566952486624, 0.00023505534483428479}},
    {"acetic acid", 16.66, 117.90, {0.16084884599999999, 1050.4144198999998, 2033.8010347007591, 0.0012653517240117334}, {0.14228142999999999, 939.32827676736474, 2524.3101328223865, 0.00038903161959056166}},
    {"ethyl acetate", -53.15, 77.06, {0.17171400000000001, 980.11875724034144, 1816.2263024501419, 0.0011322324705681523}, {0.125320177, 828.69620232256318, 2133.3071628679841, 0.00025260759106867411}},
    {"diethyl ether", -73.15, 100.00, {0.1681, 811.21222795463825, 2087.1648750161903, 0.00073593274353022438}, {0.097627949999999991, 608.92400650745856, 2959.3106668387823, 0.00011411705261799136}},
    {"n-pentane", -129.73, 116.85, {0.17816591796159997, 755.66466659262426, 1950.9534539405784, 0.0035286198424690704}, {0.081382399999999966, 513.44282099780787, 2841.08366320715, 0.0001029385158607741}},
    {"n-hexane", -95.32, 96.85, {0.16209266100000003, 753.77661794933488, 1943.7009516326702, 0.0021456995015528089}, {0.094199000000000005, 585.33833202203527, 2617.8961281293732, 0.00016629902088706295}},
    {"n-octane", -56.77, 125.68, {0.15180468460000002, 765.89012373042783, 2007.760398606337, 0.0022403460629062981}, {0.098012951100000023, 612.81017140593633, 2651.9277587633469, 0.00020541898777310077}},
    {"cyclohexane", 6.54, 80.72, {0.128067655, 789.45352002392235, 1762.857992018151, 0.0012635795252554565}, {0.10948556499999999, 720.52587185545156, 2098.8209801120415, 0.00041505906721604589}},
    {"dichloromethane", -64.77, 46.85, {0.16894192920000001, 1477.0614393410608, 1129.7727248036681, 0.0014064560749199187}, {0.1316988, 1275.7617952373944, 1208.6082375907486, 0.00034220793031544705}},
    {"chloroform", -40.00, 80.05, {0.13063375500000002, 1596.947423625634, 917.72473079560143, 0.0012588919508745972}, {0.10634764000000001, 1375.2462703942226, 1005.2308238865583, 0.00034096161950837193}},
    {"carbon tetrachloride", -22.82, 76.64, {0.10915942900000002, 1667.8863774696147, 829.75130828372357, 0.0020185467541989411}, {0.089396727000000023, 1484.71238681412, 905.94139954173181, 0.00048231667043940044}},
    {"carbon disulfide", -111.57, 46.22, {0.18886550000000002, 1450.9167219017556, 995.05543530542047, 0.0025924494339702063}, {0.14547325, 1222.2678008417336, 1016.5088845648735, 0.00030209770728290881}},
    {"air", -193.15, 726.85, {0.0072023676268645311, 4.4113346222876739, 1008.1388461799878, 5.5083506123075937e-06}, {0.067975552275296808, 0.35290676978301377, 1140.747509852323, 4.1769332123555206e-05}},
    {"nitrogen", -210.00, 726.85, {0.0060200696199379476, 5.4059857306323229, 1045.6895810073565, 4.371697361993258e-06}, {0.067577231299539783, 0.34138799888943111, 1165.8423884106892, 4.1496948579385163e-05}},
    {"oxygen", -193.15, 726.85, {0.0069091265541763158, 4.8744557510259057, 916.07853582344865, 5.8996451733078123e-06}, {0.073451946217683098, 0.38995646008207241, 1092.8731630969912, 4.9210514411689553e-05}},
    {"hydrogen", -223.15, 726.85, {0.039480987984297534, 0.49133919264438047, 12573.780826375552, 2.5093361385597188e-06}, {0.45097943427591314, 0.024566959632219013, 14988.222210333844, 2.040532675467111e-05}},
    {"helium", -243.15, 1726.85, {0.031237868140335918, 1.6259356883430049, 5193.1635799230498, 4.6527736462890831e-06}, {0.58820274199867739, 0.024389035325145053, 5193.1635799230498, 7.5606599500856151e-05}},
    {"argon", -183.15, 2999.95, {0.0058514096274299536, 5.4092239109517406, 520.3303430709924, 7.2918281794112498e-06}, {0.095251052011473991, 0.1487367180916124, 520.3303430709924, 0.0001205096064218996}},
    {"carbon dioxide", -78.48, 726.85, {0.0088668451545007524, 2.7550522071322243, 742.88900051256837, 9.7491043858161557e-06}, {0.068093942952574218, 0.53632601316243, 1219.5061566068689, 3.9943357442278027e-05}},
    {"carbon monoxide", -203.15, 726.85, {0.0057624634688856367, 4.8763969017341999, 1095.8287995683588, 4.5676820184249811e-06}, {0.064842798103109278, 0.34134778312139386, 1178.1501005295231, 4.0595974399652328e-05}},
    {"methane", -161.52, 326.85, {0.012633468139533468, 1.7513524352306342, 2059.0584875108625, 4.3608833755722982e-06}, {0.08425060425480721, 0.32583912057465936, 3270.0267086433596, 1.9469965587245217e-05}},
    {"ethane", -88.60, 726.85, {0.0088627586907281536, 1.9855798775276878, 1354.7793040776, 5.8576107026692751e-06}, {0.15807371334399825, 0.36643876639773476, 4067.7794264324712, 2.582744214599938e-05}},
    {"propane", -42.04, 726.85, {0.011142296892045348, 2.3251926749613232, 1387.1899561902605, 6.6231724636096114e-06}, {0.14598852861226297, 0.53737527911031135, 3949.8581019844137, 2.4798443728684285e-05}},
    {"ethylene", -103.15, 317.77, {0.008788245215486332, 2.0110177966185487, 1213.1481076551263, 5.7354289812255329e-06}, {0.066132051985671417, 0.57854366991327633, 2502.614918160361, 1.8550368640878169e-05}},
    {"ammonia (gas)", -73.15, 626.85, {0.014461201660271253, 1.0377191478161267, 1978.9578088847968, 6.5453300551254448e-06}, {0.11523179580826989, 0.23060425507025031, 3159.1984748708651, 3.192005903163435e-05}},
    {"sulfur dioxide", -23.15, 626.85, {0.0074507836360487543, 3.1228786913766604, 631.63589354369117, 1.0733912736890924e-05}, {0.039685587815432931, 0.86746630316018336, 867.82513434913471, 3.5345681278205394e-05}},
    {"chlorine", -73.15, 726.85, {0.0055109664908266111, 4.3205140128035158, 451.37532521843679, 8.9003002155133475e-06}, {0.030016474231117328, 0.86410280256070315, 527.22600094564086, 3.9916491759671072e-05}},
    {"hydrogen sulfide", -23.15, 206.85, {0.01074241755431306, 1.6613206895772468, 986.08892590862308, 1.0583264203696518e-05}, {0.025082586393212192, 0.86527119248814921, 1083.6345214218395, 2.0498264996542829e-05}},
};
// clang-format on

TEST(Fluids, EveryRowAtBothEndsOfItsRange) {
    EXPECT_EQ(std::size(ends) + 1 + 7, fluid_table().size());  // water; solution_test the 7
    for (const EndRow& row : ends) {
        const Fluid& fluid = named(row.english);
        EXPECT_EQ(fluid_range(fluid).low, row.low) << row.english;
        EXPECT_EQ(fluid_range(fluid).high, row.high) << row.english;
        expect_near(fluid_properties(fluid, row.low), row.at_low, 1e-12, row.english);
        expect_near(fluid_properties(fluid, row.high), row.at_high, 1e-12, row.english);
    }
}

// The sheet's own spot values, to the half unit of their sixth digit.
TEST(Fluids, SpotValuesOfTheSheet) {
    struct Spot {
        const char* english;
        double celsius;
        std::array<double, 4> values;
    };
    for (const Spot& spot :
         {Spot{"benzene", 20, {0.144818, 877.976, 1732.78, 0.000639443}},
          Spot{"ethanol", 50, {0.161488, 762.869, 2673.05, 0.000688491}},
          Spot{"toluene", 80, {0.118984, 811.542, 1877.96, 0.000321045}},
          Spot{"air", 20, {0.0256141, 1.20384, 1004.33, 1.82154e-05}},
          Spot{"carbon dioxide", 100, {0.022438, 1.43729, 912.06, 1.84235e-05}}}) {
        expect_near(fluid_properties(named(spot.english), spot.celsius), spot.values, 5e-6,
                    spot.english);
    }
    // Water is IAPWS', as 水物性 gives it.
    EXPECT_EQ(fluid_properties(named("water"), 30).density, saturated_water(30).density);
}

TEST(Fluids, GasDensityFollowsThePressureAndTheRestDoNot) {
    const Fluid& air = named("air");
    const Properties low = fluid_properties(air, 20), high = fluid_properties(air, 20, 300);
    // ρ = pM/(RT): 300 · 28.9586 / (8.314462618 · 293.15) kg/m³.
    EXPECT_NEAR(high.density, 3.5643, 5e-5);
    EXPECT_EQ(low.viscosity, high.viscosity);
    EXPECT_EQ(fluid_properties(named("benzene"), 20, 300).density,
              fluid_properties(named("benzene"), 20).density);
}

TEST(Fluids, Refusals) {
    struct Refusal {
        const char* english;
        double celsius, pressure;
        Quantity quantity;
        Range range;
    };
    const double nan = std::nan("");
    for (const Refusal& r : {
             Refusal{"benzene",
                     std::nextafter(5.53, 0.0),
                     standard_pressure,
                     Quantity::Temperature,
                     {5.53, 139.95}},
             Refusal{"benzene",
                     std::nextafter(139.95, 200.0),
                     standard_pressure,
                     Quantity::Temperature,
                     {5.53, 139.95}},
             Refusal{"benzene", nan, standard_pressure, Quantity::Temperature, {5.53, 139.95}},
             Refusal{"water", 350.5, standard_pressure, Quantity::Temperature, {0.01, 350}},
             Refusal{"air", 20, 0, Quantity::Pressure, gas_pressure_range},
             Refusal{"air", 20, -101.325, Quantity::Pressure, gas_pressure_range},
             Refusal{"air", 20, nan, Quantity::Pressure, gas_pressure_range},
             Refusal{"air", 20, 20000, Quantity::Pressure, gas_pressure_range},
             Refusal{"helium", 1800, standard_pressure, Quantity::Temperature, {-243.15, 1726.85}},
         }) {
        try {
            fluid_properties(named(r.english), r.celsius, r.pressure);
            ADD_FAILURE() << r.english << " at " << r.celsius << " ℃, " << r.pressure << " kPa";
        } catch (const OutOfRange& error) {
            EXPECT_EQ(error.quantity(), r.quantity) << r.english;
            EXPECT_EQ(error.range().low, r.range.low) << r.english;
            EXPECT_EQ(error.range().high, r.range.high) << r.english;
        }
    }
}

TEST(Fluids, CautionsAtTheBoilingPointAndAboveLowPressure) {
    EXPECT_EQ(boiling_celsius(named("benzene")), 80.09);
    EXPECT_FALSE(above_boiling_point(named("benzene"), 80.09));
    EXPECT_TRUE(above_boiling_point(named("benzene"), 80.1));
    EXPECT_FALSE(above_boiling_point(named("water"), 200));  // saturated: at its own pressure
    EXPECT_FALSE(beyond_low_pressure(named("air"), 1000));
    EXPECT_TRUE(beyond_low_pressure(named("air"), 1000.001));
    EXPECT_FALSE(beyond_low_pressure(named("benzene"), 5000));
}

std::vector<std::string> english_of(const std::vector<const Fluid*>& fluids) {
    std::vector<std::string> names;
    names.reserve(fluids.size());
    for (const Fluid* fluid : fluids) names.emplace_back(fluid->english);
    return names;
}

TEST(Fluids, FoundByNameFormulaOrCasNumber) {
    using Names = std::vector<std::string>;
    struct Row {
        const char* query;
        Names matched;
    };
    for (const Row& row : {
             Row{"苯", {"benzene"}},
             Row{" Benzene ", {"benzene"}},
             Row{"c6h6", {"benzene"}},
             Row{"71-43-2", {"benzene"}},
             Row{"水", {"water"}},
             Row{"H2O", {"water"}},
             Row{"C8H10", {"o-xylene", "m-xylene", "p-xylene", "ethylbenzene"}},
             Row{"xylene", {"o-xylene", "m-xylene", "p-xylene"}},
             Row{"氨", {"ammonia (gas)"}},
             Row{"nonesuch", {}},
         }) {
        EXPECT_EQ(english_of(match_fluid(row.query)), row.matched) << row.query;
    }
    // The window's list narrows on any part of a key; blank shows every fluid.
    EXPECT_EQ(english_of(search_fluids("乙酸")), (Names{"acetic acid", "ethyl acetate"}));
    EXPECT_EQ(search_fluids("").size(), fluid_table().size());
    EXPECT_EQ(search_fluids("苯").size(), 9u);  // 苯, 甲苯, 三种二甲苯, 乙苯, 苯乙烯, 氯苯, 苯酚
}

}  // namespace
