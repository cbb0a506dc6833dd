#include "frameproject/solver/fixed_end_forces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace frameproject::solver;

namespace {

constexpr double kTol = 1e-12;

FixedEndResult fef(double ind, double a, double q, double L = 5, double EA = 1e6, double EI = 1e4)
{
    return FixedEndForces(ind, a, q, L, EA, EI);
}

}  // namespace

TEST(FixedEndForces, SignFactsOfTheLoadTypes)
{
    // Positive Q, A inside the element: the resultants of the formulas.
    const double L = 5, A = 2, Q = 3;
    struct Case {
        int ind;
        double transverse;  // FO(2) + FO(5)
        double axial;       // FO(1) + FO(4)
    };
    const Case cases[] = {
        {1, -Q * A, 0}, {2, -Q, 0}, {3, 0, 0}, {4, -Q * A / 2, 0}, {5, 0, -Q}, {6, 0, -Q * A}, {7, 0, 0},
    };
    for (const Case& c : cases) {
        const FixedEndResult r = fef(c.ind, A, Q, L);
        ASSERT_EQ(r.status, FixedEndStatus::Ok) << c.ind;
        EXPECT_NEAR(r.FO[2] + r.FO[5], c.transverse, kTol) << "type " << c.ind;
        EXPECT_NEAR(r.FO[1] + r.FO[4], c.axial, kTol) << "type " << c.ind;
    }
    // The transverse types act across the element, the axial ones along it.
    for (int ind : {1, 2, 3, 4, 7}) {
        const FixedEndResult r = fef(ind, A, Q, L);
        EXPECT_EQ(r.FO[1], 0);
        EXPECT_EQ(r.FO[4], 0);
        EXPECT_LT(r.FO[2], 0) << ind;
    }
    for (int ind : {5, 6}) {
        const FixedEndResult r = fef(ind, A, Q, L);
        EXPECT_EQ(r.FO[2] + r.FO[3] + r.FO[5] + r.FO[6], 0);
    }
}

TEST(FixedEndForces, FullLengthDistributedLoads)
{
    const double L = 6, Q = 2;
    const FixedEndResult uniform = fef(1, L, Q, L);
    EXPECT_NEAR(uniform.FO[2], -Q * L / 2, kTol);
    EXPECT_NEAR(uniform.FO[5], -Q * L / 2, kTol);
    EXPECT_NEAR(uniform.FO[3], Q * L * L / 12, kTol);
    EXPECT_NEAR(uniform.FO[6], -Q * L * L / 12, kTol);

    const FixedEndResult rising = fef(4, L, Q, L);
    EXPECT_NEAR(rising.FO[2], -0.15 * Q * L, kTol);
    EXPECT_NEAR(rising.FO[5], -0.35 * Q * L, kTol);
    EXPECT_NEAR(rising.FO[3], Q * L * L / 30, kTol);
    EXPECT_NEAR(rising.FO[6], -Q * L * L / 20, kTol);
}

TEST(FixedEndForces, ConcentratedLoadsAtMidSpan)
{
    const double L = 4, Q = 8;
    const FixedEndResult force = fef(2, L / 2, Q, L);
    EXPECT_NEAR(force.FO[2], -Q / 2, kTol);
    EXPECT_NEAR(force.FO[5], -Q / 2, kTol);
    EXPECT_NEAR(force.FO[3], Q * L / 8, kTol);
    EXPECT_NEAR(force.FO[6], -Q * L / 8, kTol);

    const FixedEndResult couple = fef(3, L / 2, Q, L);
    EXPECT_NEAR(couple.FO[2], -1.5 * Q / L, kTol);
    EXPECT_NEAR(couple.FO[5], 1.5 * Q / L, kTol);
    EXPECT_NEAR(couple.FO[3], Q / 4, kTol);
    EXPECT_NEAR(couple.FO[6], Q / 4, kTol);

    const FixedEndResult axial = fef(5, 1, Q, L);
    EXPECT_NEAR(axial.FO[1], -Q * 3 / 4, kTol);
    EXPECT_NEAR(axial.FO[4], -Q / 4, kTol);
}

TEST(FixedEndForces, SupportDisplacementTypes)
{
    // Type 8, k = 4: EA = 1e6, L = 2, Q = 0.001.
    FixedEndResult r = fef(8, 4, 0.001, 2, 1e6);
    EXPECT_NEAR(r.FO[4], 500, 1e-9);
    EXPECT_NEAR(r.FO[1], -500, 1e-9);
    r = fef(8, 1, 0.001, 2, 1e6);
    EXPECT_NEAR(r.FO[1], 500, 1e-9);
    EXPECT_NEAR(r.FO[4], -500, 1e-9);
    // A code that does not fit the type sets only its own entry.
    r = fef(8, 2, 0.001, 2, 1e6);
    EXPECT_NEAR(r.FO[2], 500, 1e-9);
    EXPECT_EQ(r.FO[1] + r.FO[3] + r.FO[4] + r.FO[5] + r.FO[6], 0);

    // Type 9: transverse end displacement.
    const double L = 2, EI = 1e4, Q = 0.01;
    r = fef(9, 2, Q, L, 1e6, EI);
    EXPECT_NEAR(r.FO[2], 12 * EI * Q / (L * L * L), 1e-9);
    EXPECT_NEAR(r.FO[5], -12 * EI * Q / (L * L * L), 1e-9);
    EXPECT_NEAR(r.FO[3], -6 * EI * Q / (L * L), 1e-9);
    EXPECT_NEAR(r.FO[6], -6 * EI * Q / (L * L), 1e-9);
    r = fef(9, 5, Q, L, 1e6, EI);
    EXPECT_NEAR(r.FO[5], 12 * EI * Q / (L * L * L), 1e-9);
    EXPECT_NEAR(r.FO[2], -12 * EI * Q / (L * L * L), 1e-9);
    EXPECT_NEAR(r.FO[3], 6 * EI * Q / (L * L), 1e-9);
    r = fef(9, 3, Q, L, 1e6, EI);
    EXPECT_EQ(r.FO[3], 0);
    EXPECT_EQ(r.FO[6], 0);

    // Type 10: end rotation.
    r = fef(10, 3, Q, L, 1e6, EI);
    EXPECT_NEAR(r.FO[3], 4 * EI * Q / L, 1e-9);
    EXPECT_NEAR(r.FO[6], 2 * EI * Q / L, 1e-9);
    EXPECT_NEAR(r.FO[5], 6 * EI * Q / (L * L), 1e-9);
    EXPECT_NEAR(r.FO[2], -6 * EI * Q / (L * L), 1e-9);
    r = fef(10, 6, Q, L, 1e6, EI);
    EXPECT_NEAR(r.FO[6], 4 * EI * Q / L, 1e-9);
    EXPECT_NEAR(r.FO[3], 2 * EI * Q / L, 1e-9);
    EXPECT_NEAR(r.FO[5], 6 * EI * Q / (L * L), 1e-9);
    r = fef(10, 2, Q, L, 1e6, EI);
    EXPECT_NEAR(r.FO[2], -3 * (2 * EI * Q / L) / L, 1e-9);
}

TEST(FixedEndForces, ProportionalTypes)
{
    FixedEndResult r = fef(11, 2, 3, 5, 7, 11);
    EXPECT_EQ(r.FO[1], 2 * 7 * 3);
    EXPECT_EQ(r.FO[4], -42);
    r = fef(12, 2, 3, 5, 7, 11);
    EXPECT_EQ(r.FO[3], 2 * 11 * 2 * 3);
    EXPECT_EQ(r.FO[6], -132);
}

TEST(FixedEndForces, TypeAndCodeAreIntegerParts)
{
    const FixedEndResult asTwo = fef(2.7, 1, 4);
    const FixedEndResult two = fef(2, 1, 4);
    EXPECT_EQ(asTwo.status, FixedEndStatus::Ok);
    EXPECT_EQ(asTwo.FO, two.FO);
    EXPECT_EQ(fef(8, 4.9, 0.001).FO, fef(8, 4, 0.001).FO);
}

TEST(FixedEndForces, RefusedInputsContributeNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double ind, a, L;
        FixedEndStatus status;
    };
    const Case cases[] = {
        {13, 1, 5, FixedEndStatus::BadType},  {0, 1, 5, FixedEndStatus::BadType},
        {-1, 1, 5, FixedEndStatus::BadType},  {0.9, 1, 5, FixedEndStatus::BadType},
        {nan, 1, 5, FixedEndStatus::BadType}, {1e300, 1, 5, FixedEndStatus::BadType},
        {8, 7, 5, FixedEndStatus::BadCode},   {9, 0.5, 5, FixedEndStatus::BadCode},
        {10, -1, 5, FixedEndStatus::BadCode}, {10, nan, 5, FixedEndStatus::BadCode},
        {1, 1, 0, FixedEndStatus::BadLength}, {11, 1, nan, FixedEndStatus::BadLength},
    };
    for (const Case& c : cases) {
        const FixedEndResult r = fef(c.ind, c.a, 3, c.L);
        EXPECT_EQ(r.status, c.status) << c.ind << " " << c.a << " " << c.L;
        for (double v : r.FO)
            EXPECT_EQ(v, 0);
    }
    EXPECT_STREQ(kBadLoadTypeMessage, "数据错误,重新输入!");
}
