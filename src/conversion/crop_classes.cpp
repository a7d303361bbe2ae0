#include "conversion/conversion.h"

#include <array>

namespace fokuro {
namespace {

constexpr int kFirstClass = 1001;

// Index 0 is class 1001 (1.0) and each next class adds 0.1; the literals are the doubles
// nearest those decimals.
constexpr std::array<double, 8> kFactors = {1.0, 1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7};

}  // namespace

double CropFactorForClass(int classNumber) {
  // Compared before subtracting: a class number near INT_MIN must not overflow.
  if (classNumber < kFirstClass || classNumber >= kFirstClass + static_cast<int>(kFactors.size())) {
    return kFactors[0];
  }
  return kFactors[static_cast<std::size_t>(classNumber - kFirstClass)];
}

}  // namespace fokuro
