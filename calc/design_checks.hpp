// What an engineer checks after K, A and Q: that the two streams run opposite ways, the
// correction F of a 1-2 exchanger, the heat balance against the shell side, a first tube count
// and length, and inputs that look like a slip of unit. Never raises and changes no result;
// wording them is left to the window.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "calc/correlation_range.hpp"
#include "calc/fault.hpp"
#include "calc/numbers.hpp"
#include "calc/sizing.hpp"

namespace calc {

// Below this F one shell pass is not a sound design (the usual rule of thumb).
inline constexpr Double correction_floor = 0.75;
// A heat balance off by more than this fraction points at an input.
inline constexpr Double balance_tolerance = 0.05;

// How a stream's temperature runs from its inlet to its outlet.
enum class Trend { Falls, Steady, Rises };

struct StreamTrends {
    Trend tube, shell;
};

// Heat passes from one stream to the other only where one falls and the other rises.
constexpr bool opposite(const StreamTrends& trends) {
    return trends.tube != trends.shell && trends.tube != Trend::Steady &&
           trends.shell != Trend::Steady;
}

// One shell pass and an even number of tube passes.
struct MultipassCorrection {
    Double P, R;
    bool exists;  // false outside 0 < P < 1, R > 0, or where a logarithm's argument is ≤ 0
    Double F;     // when it exists, in (0, 1]
    Double area;  // A/F, m², when it exists
    bool low;     // no F, or F below correction_floor
};

// Shells in series where one shell's F is low or missing.
inline constexpr int most_shells = 4;
struct SeriesShells {
    std::array<Double, most_shells> F;  // F of 1 … 4 shells; NaN where none exists
    int least;  // the fewest with F ≥ correction_floor; 0 where 4 fall short
};

// F of 1 … 4 shells in series at the exchanger's P and R; NaN where none exists.
SeriesShells series_shells(Double P, Double R);

struct HeatBalance {
    bool flow_typed;    // Text18 read as a number
    Double shell_flow;  // Ws, kg/s: as typed, or the flow that balances Q
    Double shell_duty;  // Qs = Ws·cps·(T1 − T2), W, when typed
    Double difference;  // (Qs − Q)/Q, when typed
    bool off;           // typed, and |difference| above balance_tolerance
};

// A first estimate on the tube inside diameter.
struct TubeEstimate {
    Double per_pass;  // n, tubes per pass
    Double count;     // ⌈n⌉
    Double length;    // L = A/(⌈n⌉·π·d), m, of one pass
};

enum class SlipQuantity { Viscosity, SpecificHeat, Conductivity, Diameter };

// An input no fluid of such an exchanger has, or a combination only a slip explains.
struct UnitSlip {
    Side side;
    SlipQuantity quantity;
    Double value;
    Range usual;  // where the quantity lies for such a fluid, in SI units
};

// Where the streams do not run opposite ways, no F, balance or tube count has a meaning.
struct DesignChecks {
    StreamTrends trends;
    std::optional<MultipassCorrection> correction;  // none where P or R is not finite
    std::optional<SeriesShells> shells;             // where the correction is low
    std::optional<HeatBalance> balance;             // none where it is not finite
    std::optional<TubeEstimate> tubes;              // none where n is not finite or ⌈n⌉ < 1
    std::vector<UnitSlip> slips;                    // tube side first
};

// The checks of a sizing that succeeded; `shell_flow` is Text18 when it reads as a number.
DesignChecks design_checks(const SizingInput& input, const SizingResult& result,
                           std::optional<Single> shell_flow);

// The checks of a sizing whose shell side condenses at one temperature: its F is 1 and its
// flow follows from Q, so only the tube side's slips and the tube count are left.
DesignChecks condensing_checks(const SizingInput& input, const SizingResult& result);

}  // namespace calc
