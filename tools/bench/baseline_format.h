// A straightforward result formatter for comparison: the C library prints 17 significant
// digits, then the same cut to ten digits and fixed layout as the result fields use.
// Covers zero and magnitudes from 0.1 to below 10^10, the values a conversion produces.
#pragma once

#include <string>

namespace fokuro::bench {

std::string BaselineFormatResultText(double value);

}  // namespace fokuro::bench
