#pragma once
// Frames and comparisons for the engine tests.

#include "frame_builders.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace frames {

// Agreement to five significant digits: within half a unit of the fifth digit.
inline void expectSig5(double actual, double expected)
{
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 4);
    EXPECT_NEAR(actual, expected, 0.5 * unit) << "expected " << expected;
}

}  // namespace frames
