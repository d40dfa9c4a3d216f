// The two floating-point classes every quantity is held in.
// Which quantity uses which class is decided where it is computed.
#pragma once

#include <limits>

namespace calc {

using Single = float;   // IEEE binary32
using Double = double;  // IEEE binary64

static_assert(std::numeric_limits<Single>::is_iec559 && sizeof(Single) == 4);
static_assert(std::numeric_limits<Double>::is_iec559 && sizeof(Double) == 8);

}  // namespace calc
