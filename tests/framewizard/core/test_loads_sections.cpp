#include "framewizard/engine/analysis.h"

#include "frames.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace framewizard::engine;
using frames::makeModel;

namespace {

constexpr double kL = 4;  // length of the test member

// A horizontal member 1 -> 2 of length kL, node 1 fixed, with the given loads
// and one section.
framewizard::FrameModel oneMember(const std::vector<frames::Load>& loads, double xp = 0)
{
    return makeModel({{0, 0}, {kL, 0}}, 1, {{1, 2, 1e6, 1e4}}, loads, {{1, xp}});
}

using Six = std::array<double, 6>;

Six fixedEndForces(double P, double a, double code)
{
    auto model = oneMember({{1, P, a, code}});
    FrameAnalysis analysis(model);
    EXPECT_FALSE(analysis.validate());
    analysis.sub2();
    analysis.createArrays();
    analysis.setLoad(1);
    analysis.sub3();
    analysis.sub11();
    Six f{};
    for (int i = 0; i < 6; ++i)
        f[i] = analysis.fixedEndForces()[i + 1];
    return f;
}

void expectNear(const Six& actual, const Six& expected)
{
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-12 * (1 + std::fabs(expected[i]))) << "entry " << i + 1;
}

// Load part (N, M, Q) of the section forces at XP for one load on the test member.
std::array<double, 3> loadPart(double P, double a, double code, double xp)
{
    auto model = oneMember({{1, P, a, code}}, xp);
    FrameAnalysis analysis(model);
    EXPECT_FALSE(analysis.validate());
    analysis.sub2();
    analysis.createArrays();
    analysis.setSection(1);
    analysis.sub9();
    analysis.sub3();
    analysis.sub4();
    analysis.sub5();
    analysis.sub6();
    analysis.sub15();
    const std::array<double, 3> before{analysis.sectionForces()[1], analysis.sectionForces()[2],
                                       analysis.sectionForces()[3]};
    analysis.setLoad(1);
    analysis.sub3();
    analysis.sub11();
    analysis.sub14();
    return {analysis.sectionForces()[1] - before[0], analysis.sectionForces()[2] - before[1],
            analysis.sectionForces()[3] - before[2]};
}

}  // namespace

// Order of the six entries: M_i, N_i, Q_i, M_j, N_j, Q_j.
TEST(FixedEndForces, ClosedFormValuesOfEachKind)
{
    const double P = 10, L = kL;
    struct Case { const char* name; double a, code; Six expected; };
    const Case cases[] = {
        {"force at the small end", 0, 1, {0, 0, P, 0, 0, 0}},
        {"force at the large end", L, 1, {0, 0, 0, 0, 0, P}},
        {"force at mid-span", L / 2, 1, {-P * L / 8, 0, P / 2, P * L / 8, 0, P / 2}},
        {"uniform over the span", L, 2, {-P * L * L / 12, 0, P * L / 2, P * L * L / 12, 0, P * L / 2}},
        {"axial force at a quarter", 1, 3, {0, 0.75 * P, 0, 0, 0.25 * P, 0}},
        {"uniform axial over the span", L, 4, {0, P * L / 2, 0, 0, P * L / 2, 0}},
        {"uniform axial over half", 2, 4, {0, 15, 0, 0, 5, 0}},
        {"triangular over the span", L, 5,
         {-P * L * L / 30, 0, 3 * P * L / 20, P * L * L / 20, 0, 7 * P * L / 20}},
        {"couple at mid-span", L / 2, 6, {P / 4, 0, -1.5 * P / L, P / 4, 0, 1.5 * P / L}},
        {"axial end pair", 2, 7, {0, 2 * P, 0, 0, -2 * P, 0}},
        {"end-moment pair", 2, 8, {2 * P, 0, 0, -2 * P, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectNear(fixedEndForces(P, c.a, c.code), c.expected);
    }
}

TEST(FixedEndForces, TypeCodesAreRoundedFromTheirAbsoluteValue)
{
    struct Case { double code, actsAs; };
    const Case cases[] = {{-2, 2}, {2.4, 2}, {0, 1}, {9, 1}, {200, 1}, {255, 1}, {2.5, 2}, {3.5, 4},
                          {-6.2, 6}, {0.4, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(fixedEndForces(7, 1.5, c.code), fixedEndForces(7, 1.5, c.actsAs));
    }
    // The kinds themselves differ, so the comparison above means something.
    EXPECT_NE(fixedEndForces(7, 1.5, 2), fixedEndForces(7, 1.5, 1));
    EXPECT_NE(fixedEndForces(7, 1.5, 4), fixedEndForces(7, 1.5, 3));
}

TEST(EquivalentLoads, TwoLoadsAddUpAndAFixedSmallEndDropsItsShare)
{
    auto loadVectorOf = [](const std::vector<frames::Load>& loads) {
        auto model = oneMember(loads);
        FrameAnalysis analysis(model);
        EXPECT_FALSE(analysis.validate());
        analysis.sub2();
        analysis.createArrays();
        for (std::size_t l = 1; l <= loads.size(); ++l) {
            analysis.setLoad(l);
            analysis.sub3();
            analysis.sub11();
            analysis.sub12();
        }
        return analysis.loadVector();
    };
    const auto first = loadVectorOf({{1, 10, kL, 2}});
    const auto second = loadVectorOf({{1, 5, 1, 1}});
    const auto both = loadVectorOf({{1, 10, kL, 2}, {1, 5, 1, 1}});
    ASSERT_EQ(both.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(both[i], first[i] + second[i]);
    // Uniform load downwards on a horizontal member: only the large end's
    // share reaches the free node, as -M_j and -Q_j along y.
    EXPECT_NEAR(first[0], -10 * kL * kL / 12, 1e-12);
    EXPECT_NEAR(first[1], 0, 1e-12);
    EXPECT_NEAR(first[2], -10 * kL / 2, 1e-12);
}

// At XP = 0 the part of each load equals its small-end fixed-end forces
// (N = -N_i, M = M_i, Q = Q_i): carried back from the large end and the
// in-span share add up.
TEST(SectionLoadPart, AtTheSmallEndEqualsTheSmallEndFixedEndForces)
{
    for (double code = 1; code <= 8; ++code) {
        for (double a : {1.5, kL}) {
            SCOPED_TRACE(testing::Message() << "code " << code << " a " << a);
            const Six f = fixedEndForces(10, a, code);
            const auto part = loadPart(10, a, code, 0);
            EXPECT_NEAR(part[0], -f[1], 1e-9);
            EXPECT_NEAR(part[1], f[0], 1e-9);
            EXPECT_NEAR(part[2], f[2], 1e-9);
        }
    }
}

TEST(SectionLoadPart, ForceExactlyAtTheSectionCountsOnTheSmallEndSide)
{
    const Six f = fixedEndForces(10, 2, 1);
    const auto at = loadPart(10, 2, 1, 2);
    // No in-span term: the shear just beyond the load.
    EXPECT_NEAR(at[2], -f[5], 1e-12);
    EXPECT_NEAR(at[1], (kL - 2) * f[5] - f[3], 1e-12);
    const auto before = loadPart(10, 2, 1, 1.999);
    EXPECT_NEAR(before[2], -f[5] + 10, 1e-9);
}

TEST(SectionLoadPart, EndPairsOnlyGiveTheirEndValues)
{
    for (double xp : {0.5, 3.0}) {
        SCOPED_TRACE(xp);
        const auto axial = loadPart(3, 2, 7, xp);
        EXPECT_NEAR(axial[0], -6, 1e-12);
        EXPECT_NEAR(axial[1], 0, 1e-12);
        EXPECT_NEAR(axial[2], 0, 1e-12);
        const auto moment = loadPart(3, 2, 8, xp);
        EXPECT_NEAR(moment[0], 0, 1e-12);
        EXPECT_NEAR(moment[1], 6, 1e-12);
        EXPECT_NEAR(moment[2], 0, 1e-12);
    }
}

TEST(SectionLoadPart, UniformLoadMidSpanMoment)
{
    // Clamped-clamped beam under a full uniform load: M at mid-span is P L^2 / 24
    // sagging; in the member's sign convention the moment the left part exerts
    // on the right part is +P L^2 / 24, with no shear.
    const auto mid = loadPart(10, kL, 2, kL / 2);
    EXPECT_NEAR(mid[1], 10 * kL * kL / 24, 1e-9);
    EXPECT_NEAR(mid[2], 0, 1e-9);
}
