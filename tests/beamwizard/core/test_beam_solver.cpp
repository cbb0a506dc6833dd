#include "beam_fixture.h"

#include "beamwizard/solver/beam_solver.h"

#include <gtest/gtest.h>

namespace beamwizard {
namespace {

using testing::BeamInput;
using testing::Lines;
using testing::makeBeam;
using testing::workedExample;

constexpr float kTol = 1e-4f;

TEST(BeamSolver, WorkedExampleRotationsEndMomentsAndShears)
{
    BeamModel b = makeBeam(workedExample());
    Lines out;
    ASSERT_FALSE(computeBeam(b, out.sink()));

    EXPECT_NEAR(*b.P.at(1), 67.5f, kTol);
    EXPECT_NEAR(*b.P.at(2), -45.0f, kTol);
    EXPECT_NEAR(*b.P.at(3), 22.5f, kTol);
    EXPECT_EQ(*b.lineStiffness.at(1), 1.0f / 6.0f);

    EXPECT_NEAR(*b.endMoment.at(1, 1), 0.0f, kTol);
    EXPECT_NEAR(*b.endMoment.at(1, 2), 22.5f, kTol);
    EXPECT_NEAR(*b.endMoment.at(2, 1), -22.5f, kTol);
    EXPECT_NEAR(*b.endMoment.at(2, 2), 0.0f, kTol);
    EXPECT_NEAR(*b.endShear.at(1, 1), 26.25f, kTol);
    EXPECT_NEAR(*b.endShear.at(1, 2), -33.75f, kTol);
    EXPECT_NEAR(*b.endShear.at(2, 1), 3.75f, kTol);
    EXPECT_NEAR(*b.endShear.at(2, 2), 3.75f, kTol);

    ASSERT_EQ(out.lines.size(), 7u);
    EXPECT_EQ(out.lines[0], "   结点序号 结点转角位移");
    EXPECT_EQ(out.lines[1], "     1         67.5  ");
    EXPECT_EQ(out.lines[2], "     2        -45  ");
    EXPECT_EQ(out.lines[3], "     3         22.5  ");
    EXPECT_EQ(out.lines[4], "杆序号   左端弯矩 右端弯矩 左端剪力 右端剪力");
    EXPECT_EQ(out.lines[5].substr(0, 10), "   1      ");
    EXPECT_NE(out.lines[5].find("       22.5       26.25        -33.75"), std::string::npos) << out.lines[5];
    EXPECT_EQ(out.lines[6], "   2      -22.5       0       3.75         3.75");

    // The inputs stay as entered.
    EXPECT_EQ(b.L.at(1), 6.0f);
    EXPECT_EQ(b.M.at(1, 1), -30.0f);
    EXPECT_EQ(b.S0.at(1, 2), -30.0f);
    EXPECT_EQ(b.enteredCouple.at(1), 0.0f);
}

TEST(BeamSolver, TwoFixedEndsKeepTheFixedEndMomentsWhateverCoupleIsEntered)
{
    BeamModel b = makeBeam({"2", "1", "1", {"6"}, {"2"}, {"5", "-7"}, {"-20", "40"}, {"25", "-35"}});
    Lines out;
    ASSERT_FALSE(computeBeam(b, out.sink()));
    EXPECT_EQ(*b.P.at(1), 0.0f);
    EXPECT_EQ(*b.P.at(2), 0.0f);
    EXPECT_EQ(*b.endMoment.at(1, 1), -20.0f);
    EXPECT_EQ(*b.endMoment.at(1, 2), 40.0f);
    // S0 minus the sum of the fixed-end moments over the length.
    EXPECT_NEAR(*b.endShear.at(1, 1), 25.0f - 20.0f / 6.0f, kTol);
    EXPECT_NEAR(*b.endShear.at(1, 2), -35.0f - 20.0f / 6.0f, kTol);
    EXPECT_EQ(out.lines[1], "     1         0  ");
    EXPECT_EQ(out.lines[2], "     2         0  ");
}

TEST(BeamSolver, TwoHingedEndsReleaseTheFixedEndMoments)
{
    BeamModel b = makeBeam({"2", "0", "0", {"6"}, {"1"}, {}, {"-30", "30"}, {"30", "-30"}});
    Lines out;
    ASSERT_FALSE(computeBeam(b, out.sink()));
    EXPECT_NEAR(*b.endMoment.at(1, 1), 0.0f, kTol);
    EXPECT_NEAR(*b.endMoment.at(1, 2), 0.0f, kTol);
    EXPECT_NEAR(*b.endShear.at(1, 1), 30.0f, kTol);
    EXPECT_NEAR(*b.endShear.at(1, 2), -30.0f, kTol);
}

TEST(BeamSolver, AFixedEndShowsRotationZeroWhateverCoupleWasEntered)
{
    BeamInput in = workedExample();
    in.left = "1";
    in.P = {"100", "0", "0"};
    BeamModel b = makeBeam(in);
    Lines out;
    ASSERT_FALSE(computeBeam(b, out.sink()));
    EXPECT_EQ(*b.P.at(1), 0.0f);
    EXPECT_EQ(out.lines[1], "     1         0  ");
}

TEST(BeamSolver, SupportCodeTwoActsLikeZero)
{
    BeamInput in = workedExample();
    in.P = {"3", "-4", "5"};
    BeamModel hinged = makeBeam(in);
    in.left = "2";
    in.right = "2";
    BeamModel two = makeBeam(in);

    Lines a, b;
    ASSERT_FALSE(computeBeam(hinged, a.sink()));
    ASSERT_FALSE(computeBeam(two, b.sink()));
    EXPECT_EQ(a.lines, b.lines);
    for (int j = 1; j <= 3; ++j)
        EXPECT_EQ(hinged.P.at(j), two.P.at(j));
}

TEST(BeamSolver, ComputingTwiceAppendsTheSameBlockAgain)
{
    BeamInput in = workedExample();
    in.P = {"10", "0", "-5"};
    BeamModel b = makeBeam(in);
    Lines out;
    ASSERT_FALSE(computeBeam(b, out.sink()));
    const std::vector<std::string> first = out.lines;
    const float rotation2 = *b.P.at(2);
    ASSERT_FALSE(computeBeam(b, out.sink()));

    ASSERT_EQ(out.lines.size(), 2 * first.size());
    EXPECT_EQ(std::vector<std::string>(out.lines.begin() + first.size(), out.lines.end()), first);
    EXPECT_EQ(*b.P.at(2), rotation2);
    EXPECT_EQ(b.enteredCouple.at(1), 10.0f);
}

TEST(BeamSolver, EmptySpanLengthIsDivisionByZeroBeforeAnyLine)
{
    BeamInput in = workedExample();
    in.L = {"", "6"};
    BeamModel b = makeBeam(in);
    Lines out;
    const auto fault = computeBeam(b, out.sink());
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::DivisionByZero);
    EXPECT_NE(fault->message.find("除数为零"), std::string::npos);
    EXPECT_NE(fault->message.find("L(1)"), std::string::npos) << fault->message;
    EXPECT_TRUE(out.lines.empty());
}

TEST(BeamSolver, ZeroStiffnessGivesAZeroPivot)
{
    BeamModel b = makeBeam({"2", "0", "0", {"6"}, {"0"}, {}, {"-30", "30"}, {}});
    Lines out;
    const auto fault = computeBeam(b, out.sink());
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::DivisionByZero);
    EXPECT_NE(fault->message.find("主元 K(1,1)"), std::string::npos) << fault->message;
    EXPECT_TRUE(out.lines.empty());
}

TEST(BeamSolver, ArraysConfirmedForFewerNodesStopAtTheFirstAccess)
{
    BeamModel b = makeBeam(workedExample());
    // Four nodes now; couples, M and S0 confirmed again, L and EI not.
    ASSERT_FALSE(confirmBasicParameters(b, "4", "0", "0"));
    ASSERT_FALSE(confirmCouples(b, testing::nodeFields({})));
    ASSERT_FALSE(confirmFixedEndMoments(b, testing::endFields({})));
    ASSERT_FALSE(confirmSimpleBeamShears(b, testing::endFields({})));
    Lines out;
    const auto fault = computeBeam(b, out.sink());
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::SubscriptOutOfRange);
    EXPECT_NE(fault->message.find("EI(3)（该数组只有 2 个元素）"), std::string::npos) << fault->message;
    EXPECT_TRUE(out.lines.empty());
}

TEST(BeamSolver, NeverConfirmedInputsAreOutOfRange)
{
    BeamModel b;
    ASSERT_FALSE(confirmBasicParameters(b, "3", "0", "0"));
    Lines out;
    const auto fault = computeBeam(b, out.sink());
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::SubscriptOutOfRange);
    EXPECT_NE(fault->message.find("尚未建立"), std::string::npos) << fault->message;
}

TEST(BeamSolver, AFaultInTheSpanPassKeepsTheLinesAlreadyAppended)
{
    BeamModel b;
    ASSERT_FALSE(confirmBasicParameters(b, "2", "0", "0"));
    ASSERT_FALSE(confirmSimpleBeamShears(b, testing::endFields({"30", "-30"})));
    ASSERT_FALSE(confirmBasicParameters(b, "3", "0", "0"));
    ASSERT_FALSE(confirmSpanLengths(b, testing::spanFields({"6", "6"})));
    ASSERT_FALSE(confirmStiffnesses(b, testing::spanFields({"1", "1"})));
    ASSERT_FALSE(confirmCouples(b, testing::nodeFields({})));
    ASSERT_FALSE(confirmFixedEndMoments(b, testing::endFields({"-30", "30"})));

    Lines out;
    const auto fault = computeBeam(b, out.sink());
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::SubscriptOutOfRange);
    EXPECT_NE(fault->message.find("S0(2,1)"), std::string::npos) << fault->message;
    // Rotation heading, three nodes, span heading, span 1.
    ASSERT_EQ(out.lines.size(), 6u);
    EXPECT_EQ(out.lines[5].substr(0, 4), "   1");
    EXPECT_NEAR(*b.endMoment.at(2, 1), -22.5f, kTol);  // computed before the fault
    EXPECT_EQ(*b.endShear.at(2, 1), 0.0f);
}

TEST(BeamSolver, ResultBeyondSinglePrecisionIsOverflow)
{
    BeamModel b = makeBeam({"2", "0", "0", {"1e-30"}, {"1e30"}, {}, {}, {}});
    Lines out;
    const auto fault = computeBeam(b, out.sink());
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::Overflow);
    EXPECT_NE(fault->message.find("线刚度 i(1)"), std::string::npos) << fault->message;
}

TEST(BeamSolver, HugeNodeCountIsAFaultNotAnExhaustedMemory)
{
    BeamModel b;
    ASSERT_FALSE(confirmBasicParameters(b, "32767", "0", "0"));
    Lines out;
    const auto fault = computeBeam(b, out.sink());
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::Overflow);
    EXPECT_TRUE(out.lines.empty());
}

}  // namespace
}  // namespace beamwizard
