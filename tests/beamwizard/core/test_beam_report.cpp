#include "beam_fixture.h"

#include "beamwizard/solver/beam_report.h"
#include "beamwizard/solver/beam_solver.h"

#include <gtest/gtest.h>

namespace beamwizard {
namespace {

using testing::BeamInput;
using testing::Lines;
using testing::makeBeam;
using testing::workedExample;

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

TEST(InputListing, TwoNodeBeamLineByLine)
{
    BeamModel b = makeBeam({"2", "1", "2", {"12345678"}, {"2"}, {"0.5", "-0.5"}, {"-30", "30"}, {"30", "-30"}});
    Lines out;
    ASSERT_FALSE(appendInputListing(b, out.sink()));
    const std::vector<std::string> expected = {
        "结点数  左端信息 右端信息",
        " 2" + blanks(7) + " 1" + blanks(8) + " 2",
        " 杆序号  杆长度 刚度EI",
        blanks(4) + "1" + blanks(4) + " 1.234568E+07" + blanks(4) + " 2",
        "   结点序号 结点力偶荷载",
        blanks(5) + "1" + blanks(8) + " .5" + blanks(2),
        blanks(5) + "2" + blanks(8) + "-.5" + blanks(2),
        "杆序号   左端固端弯矩 右端固端弯矩",
        blanks(3) + "1" + blanks(8) + "-30" + blanks(10) + " 30",
        "杆序号   左端固端剪力 右端固端剪力",
        blanks(3) + "1" + blanks(8) + " 30" + blanks(10) + "-30",
    };
    EXPECT_EQ(out.lines, expected);
}

TEST(InputListing, ThreeNodesFixedLeftHingedRight)
{
    BeamModel b = makeBeam({"3", "1", "0", {"6", "4"}, {"2", "1"}, {}, {}, {}});
    Lines out;
    ASSERT_FALSE(appendInputListing(b, out.sink()));
    ASSERT_GE(out.lines.size(), 5u);
    EXPECT_EQ(out.lines[1], " 3       " " 1        " " 0");
    EXPECT_EQ(out.lines[3], "    1     6     2");
    EXPECT_EQ(out.lines[4], "    2     4     1");
    EXPECT_EQ(out.lines.size(), 1 + 1 + 1 + 2 + 1 + 3 + 1 + 2 + 1 + 2u);
}

TEST(InputListing, AfterAComputationShowsTheCouplesAsEntered)
{
    BeamInput in = workedExample();
    in.P = {"10", "0", "-5"};
    BeamModel b = makeBeam(in);
    Lines before;
    ASSERT_FALSE(appendInputListing(b, before.sink()));
    Lines computed;
    ASSERT_FALSE(computeBeam(b, computed.sink()));
    Lines after;
    ASSERT_FALSE(appendInputListing(b, after.sink()));
    EXPECT_EQ(after.lines, before.lines);
    EXPECT_EQ(after.lines[6], blanks(5) + "1" + blanks(8) + " 10" + blanks(2));
}

TEST(InputListing, TwiceGivesTwoBlocks)
{
    BeamModel b = makeBeam(workedExample());
    Lines out;
    ASSERT_FALSE(appendInputListing(b, out.sink()));
    const auto once = out.lines;
    ASSERT_FALSE(appendInputListing(b, out.sink()));
    ASSERT_EQ(out.lines.size(), 2 * once.size());
    EXPECT_EQ(std::vector<std::string>(out.lines.begin() + once.size(), out.lines.end()), once);
}

TEST(InputListing, StopsAtTheFirstMissingArrayKeepingTheLinesBefore)
{
    BeamModel b;
    ASSERT_FALSE(confirmBasicParameters(b, "3", "0", "0"));
    ASSERT_FALSE(confirmSpanLengths(b, testing::spanFields({"6", "6"})));
    ASSERT_FALSE(confirmStiffnesses(b, testing::spanFields({"1", "1"})));
    Lines out;
    const auto fault = appendInputListing(b, out.sink());
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::SubscriptOutOfRange);
    EXPECT_NE(fault->message.find("P(1)（该数组尚未建立）"), std::string::npos) << fault->message;
    ASSERT_EQ(out.lines.size(), 6u);
    EXPECT_EQ(out.lines[5], "   结点序号 结点力偶荷载");
}

TEST(InputListing, ArrayConfirmedForFewerNodesIsOutOfRange)
{
    BeamModel b = makeBeam({"2", "0", "0", {"6"}, {"1"}, {}, {}, {}});
    ASSERT_FALSE(confirmBasicParameters(b, "3", "0", "0"));
    Lines out;
    const auto fault = appendInputListing(b, out.sink());
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::SubscriptOutOfRange);
    EXPECT_NE(fault->message.find("L(2)（该数组只有 1 个元素）"), std::string::npos) << fault->message;
    EXPECT_EQ(out.lines.size(), 4u);  // two headings, the counts, span 1
}

TEST(ResultLabels, FillTheRowsInOrderAfterAComputation)
{
    BeamModel b = makeBeam(workedExample());
    Lines ignored;
    ASSERT_FALSE(computeBeam(b, ignored.sink()));
    const LabelCaptions rows = resultLabelCaptions(b, 7);
    ASSERT_FALSE(rows.fault);
    ASSERT_EQ(rows.captions.size(), 4 * 3 + 4 * 2u);
    const auto is = [](const LabelCaption& c, int array, int row, const std::string& text) {
        return c.labelArray == array && c.row == row && c.caption == text;
    };
    EXPECT_TRUE(is(rows.captions[0], 5, 1, " "));
    EXPECT_TRUE(is(rows.captions[1], 6, 1, " "));
    EXPECT_TRUE(is(rows.captions[2], 5, 1, " 1"));
    EXPECT_TRUE(is(rows.captions[3], 6, 1, " 67.5"));
    EXPECT_TRUE(is(rows.captions[7], 6, 2, "-45"));
    EXPECT_TRUE(is(rows.captions[12], 7, 1, " "));
    EXPECT_TRUE(is(rows.captions[15], 8, 1, " 22.5"));
    EXPECT_TRUE(is(rows.captions[18], 7, 2, "-22.5"));
    EXPECT_TRUE(is(rows.captions[19], 8, 2, " 0"));
    for (const LabelCaption& c : rows.captions)
        EXPECT_LE(c.row, c.labelArray <= 6 ? 3 : 2);  // rows beyond the counts untouched
}

TEST(ResultLabels, BeforeAComputationTheRotationPartIsFilledThenOutOfRange)
{
    BeamModel b = makeBeam(workedExample());
    const LabelCaptions rows = resultLabelCaptions(b, 7);
    ASSERT_TRUE(rows.fault);
    EXPECT_EQ(rows.fault->kind, FaultKind::SubscriptOutOfRange);
    EXPECT_NE(rows.fault->message.find("杆端弯矩"), std::string::npos) << rows.fault->message;
    ASSERT_EQ(rows.captions.size(), 4 * 3 + 2u);
    EXPECT_EQ(rows.captions[11].caption, " 0");  // P holds the couples as entered
}

TEST(ResultLabels, MoreNodesThanRowsIsOutOfRange)
{
    BeamModel b;
    ASSERT_FALSE(confirmBasicParameters(b, "8", "0", "0"));
    ASSERT_FALSE(confirmCouples(b, std::vector<std::string>(8, "1")));
    const LabelCaptions rows = resultLabelCaptions(b, 7);
    ASSERT_TRUE(rows.fault);
    EXPECT_EQ(rows.fault->kind, FaultKind::SubscriptOutOfRange);
    EXPECT_NE(rows.fault->message.find("Label5(8)"), std::string::npos) << rows.fault->message;
    EXPECT_EQ(rows.captions.size(), 4 * 7u);
}

struct Fixed3Case {
    double value;
    const char* text;
};

class Fixed3 : public ::testing::TestWithParam<Fixed3Case> {};

TEST_P(Fixed3, ThreeDecimalsAtLeastOneDigitBeforeThePoint)
{
    EXPECT_EQ(fixed3(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Fixed3,
    ::testing::Values(Fixed3Case{67.5, "67.500"}, Fixed3Case{-45, "-45.000"}, Fixed3Case{0, "0.000"},
                      Fixed3Case{-0.0, "0.000"}, Fixed3Case{-0.0004, "0.000"}, Fixed3Case{-0.0006, "-0.001"},
                      Fixed3Case{0.25, "0.250"}, Fixed3Case{1234.5678, "1234.568"},
                      Fixed3Case{12345678, "12345678.000"}, Fixed3Case{2.0625, "2.063"},
                      Fixed3Case{-2.0625, "-2.063"}, Fixed3Case{0.0005, "0.001"},
                      Fixed3Case{static_cast<double>(22.4999981f), "22.500"}));

TEST(PrintColumns, NumberPrintedAsANumberHasSignPlaceAndTrailingBlank)
{
    EXPECT_EQ(printedNumber(1), " 1 ");
    EXPECT_EQ(printedNumber(12), " 12 ");
    EXPECT_EQ(printedNumber(-3), "-3 ");
}

TEST(PrintColumns, WideCharactersTakeTwoColumns)
{
    EXPECT_EQ(textColumns("abc"), 3);
    EXPECT_EQ(textColumns("结点序号 "), 9);
    EXPECT_EQ(textColumns("M（1，1）"), 1 + 2 + 1 + 2 + 1 + 2);
    EXPECT_EQ(textColumns(""), 0);
}

TEST(PrintColumns, ColumnOneIsTheLeftEdgeAndAPositionPastTheColumnGoesToTheNextLine)
{
    EXPECT_EQ(composeLine({{1, "ab"}}), std::vector<std::string>{"ab"});
    EXPECT_EQ(composeLine({{4, "x"}}), std::vector<std::string>{"   x"});
    // Text ending just before the column: no gap, same line.
    EXPECT_EQ(composeLine({{1, "abcd"}, {5, "X"}}), std::vector<std::string>{"abcdX"});
    // One character too long: the item goes to its column on the next line.
    EXPECT_EQ(composeLine({{1, "abcde"}, {5, "X"}, {8, "Y"}}),
              (std::vector<std::string>{"abcde", "    X  Y"}));
    EXPECT_EQ(composeLine({{24, "10000000000.000"}, {35, "1.000"}}),
              (std::vector<std::string>{blanks(23) + "10000000000.000", blanks(34) + "1.000"}));
}

TEST(ResultText, WorkedExampleComposedByColumns)
{
    BeamModel b = makeBeam(workedExample());
    Lines ignored;
    ASSERT_FALSE(computeBeam(b, ignored.sink()));
    const ResultText text = buildResultText(b);
    ASSERT_FALSE(text.fault);
    const std::vector<std::string> lines = composeLines(text.lines);
    const std::vector<std::string> expected = {
        blanks(9) + "结点序号 " + " " + "结点转角位移",
        blanks(11) + " 1 " + blanks(9) + "67.500",
        blanks(11) + " 2 " + blanks(9) + "-45.000",
        blanks(11) + " 3 " + blanks(9) + "22.500",
        blanks(9) + "杆序号" + blanks(4) + "左端杆端弯矩" + blanks(2) + "右端杆端弯矩" + blanks(2) +
            "左端杆端剪力" + blanks(2) + "右端杆端剪力",
        blanks(11) + " 1 " + blanks(9) + "0.000" + blanks(6) + "22.500" + blanks(11) + "26.250" +
            blanks(7) + "-33.750",
        blanks(11) + " 2 " + blanks(9) + "-22.500" + blanks(4) + "0.000" + blanks(12) + "3.750" +
            blanks(8) + "3.750",
    };
    EXPECT_EQ(lines, expected);
    ASSERT_EQ(text.lines[1].size(), 2u);
    EXPECT_EQ(text.lines[1][0].column, 12);
    EXPECT_EQ(text.lines[1][1].column, 24);
}

TEST(ResultText, BeforeAComputationStopsAfterTheRotationPart)
{
    BeamModel b = makeBeam(workedExample());
    const ResultText text = buildResultText(b);
    ASSERT_TRUE(text.fault);
    EXPECT_EQ(text.fault->kind, FaultKind::SubscriptOutOfRange);
    ASSERT_EQ(text.lines.size(), 1 + 3 + 1u);
    EXPECT_EQ(text.lines[4][0].text, "杆序号");
}

}  // namespace
}  // namespace beamwizard
