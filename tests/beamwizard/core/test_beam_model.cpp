#include "beam_fixture.h"

#include "beamwizard/model/beam_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace beamwizard {
namespace {

using testing::endFields;
using testing::nodeFields;
using testing::spanFields;

bool hasText(const std::optional<Fault>& fault, const std::string& part)
{
    return fault && fault->message.find(part) != std::string::npos;
}

struct CountCase {
    const char* text;
    int expected;
};

class NodeCountReading : public ::testing::TestWithParam<CountCase> {};

TEST_P(NodeCountReading, RoundsHalvesToEvenAndReadsBlankAsZero)
{
    BeamModel b;
    ASSERT_FALSE(confirmBasicParameters(b, GetParam().text, "1", "0"));
    EXPECT_EQ(b.beamNodeCount, GetParam().expected);
    EXPECT_EQ(b.leftSupportCode, 1);
    EXPECT_EQ(b.rightSupportCode, 0);
}

INSTANTIATE_TEST_SUITE_P(Texts, NodeCountReading,
                         ::testing::Values(CountCase{"2.5", 2}, CountCase{"3.5", 4}, CountCase{"", 0},
                                           CountCase{" ", 0}, CountCase{"1e1", 10}, CountCase{"7", 7},
                                           CountCase{"4.6", 5}, CountCase{"32767", 32767}));

TEST(BasicParameters, CountBeyondSixteenBitsIsOverflowAndKeepsWhatWasStoredBefore)
{
    BeamModel b;
    ASSERT_FALSE(confirmBasicParameters(b, "3", "1", "1"));
    const auto fault = confirmBasicParameters(b, "4", "40000", "0");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::Overflow);
    EXPECT_TRUE(hasText(fault, "溢出"));
    EXPECT_TRUE(hasText(fault, "左支座"));
    EXPECT_EQ(b.beamNodeCount, 4);       // read before the fault
    EXPECT_EQ(b.leftSupportCode, 1);     // unchanged
    EXPECT_EQ(b.rightSupportCode, 1);    // never reached
}

TEST(ConfirmArrays, ReadOnlyTheFieldsTheNodeCountNeeds)
{
    BeamModel b;
    ASSERT_FALSE(confirmBasicParameters(b, "3", "0", "0"));
    ASSERT_FALSE(confirmSpanLengths(b, spanFields({"12abc", "abc", "9", "9", "9", "9"})));
    EXPECT_EQ(b.L.extent1(), 2);
    EXPECT_EQ(b.L.at(1), 12.0f);
    EXPECT_EQ(b.L.at(2), 0.0f);
    EXPECT_FALSE(b.L.at(3));

    ASSERT_FALSE(confirmCouples(b, nodeFields({"1", "-2", "3.5", "7", "7", "7", "7"})));
    EXPECT_EQ(b.P.extent1(), 3);
    EXPECT_EQ(b.enteredCouple.extent1(), 3);
    EXPECT_EQ(b.P.at(3), 3.5f);
    EXPECT_EQ(b.enteredCouple.at(2), -2.0f);

    // Form4: the fields go in pairs, left end then right end, span by span.
    ASSERT_FALSE(confirmFixedEndMoments(b, endFields({"1", "2", "3", "4", "5", "5"})));
    EXPECT_EQ(b.M.extent1(), 2);
    EXPECT_EQ(b.M.extent2(), 2);
    EXPECT_EQ(b.M.at(1, 1), 1.0f);
    EXPECT_EQ(b.M.at(1, 2), 2.0f);
    EXPECT_EQ(b.M.at(2, 1), 3.0f);
    EXPECT_EQ(b.M.at(2, 2), 4.0f);
    EXPECT_FALSE(b.M.at(3, 1));
}

TEST(ConfirmArrays, StoreInSinglePrecision)
{
    BeamModel b;
    ASSERT_FALSE(confirmBasicParameters(b, "2", "0", "0"));
    ASSERT_FALSE(confirmStiffnesses(b, spanFields({"0.1"})));
    EXPECT_EQ(*b.EI.at(1), 0.1f);
    EXPECT_NE(static_cast<double>(*b.EI.at(1)), 0.1);
}

TEST(ConfirmArrays, ValueBeyondSinglePrecisionIsOverflow)
{
    for (const char* text : {"1e39", "-1e39", "1e400"}) {
        BeamModel b;
        ASSERT_FALSE(confirmBasicParameters(b, "2", "0", "0"));
        const auto fault = confirmSpanLengths(b, spanFields({text}));
        ASSERT_TRUE(fault) << text;
        EXPECT_EQ(fault->kind, FaultKind::Overflow) << text;
        EXPECT_TRUE(hasText(fault, "杆长")) << fault->message;
    }
}

TEST(ConfirmArrays, NodeCountAboveTheScreenFieldsStopsAtTheMissingField)
{
    BeamModel b;
    ASSERT_FALSE(confirmBasicParameters(b, "1e1", "0", "0"));
    const auto fault = confirmSpanLengths(b, spanFields({"1", "2", "3", "4", "5", "6"}));
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::SubscriptOutOfRange);
    EXPECT_TRUE(hasText(fault, "第 7 个杆长输入框")) << fault->message;
    // As far as it got: created for 9 spans, the six fields read.
    EXPECT_EQ(b.L.extent1(), 9);
    EXPECT_EQ(b.L.at(6), 6.0f);
    EXPECT_EQ(b.L.at(7), 0.0f);

    const auto moments = confirmFixedEndMoments(b, endFields({}));
    ASSERT_TRUE(moments);
    EXPECT_TRUE(hasText(moments, "第 13 个固端弯矩输入框")) << moments->message;
}

TEST(ConfirmArrays, NodeCountZeroCannotCreateSpanArraysButOneNodeGivesEmptyOnes)
{
    BeamModel b;
    ASSERT_FALSE(confirmBasicParameters(b, "", "", ""));
    const auto fault = confirmSpanLengths(b, spanFields({}));
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::SubscriptOutOfRange);
    EXPECT_FALSE(b.L.exists());
    EXPECT_FALSE(confirmCouples(b, nodeFields({})));  // n entries: none
    EXPECT_TRUE(b.P.exists());

    ASSERT_FALSE(confirmBasicParameters(b, "1", "0", "0"));
    EXPECT_FALSE(confirmSpanLengths(b, spanFields({})));
    EXPECT_TRUE(b.L.exists());
    EXPECT_EQ(b.L.extent1(), 0);
}

TEST(ConfirmArrays, ConfirmingAgainReplacesTheArrayWithTheCurrentSize)
{
    BeamModel b;
    ASSERT_FALSE(confirmBasicParameters(b, "5", "0", "0"));
    ASSERT_FALSE(confirmSpanLengths(b, spanFields({"1", "2", "3", "4"})));
    ASSERT_FALSE(confirmBasicParameters(b, "3", "0", "0"));
    EXPECT_EQ(b.L.extent1(), 4);  // not resized by the node count alone
    ASSERT_FALSE(confirmSpanLengths(b, spanFields({"7"})));
    EXPECT_EQ(b.L.extent1(), 2);
    EXPECT_EQ(b.L.at(1), 7.0f);
    EXPECT_EQ(b.L.at(2), 0.0f);  // made anew, all zero, then field 2 (empty) read
}

TEST(ClearButtons, FieldsBeyondTheScreenAreOutOfRange)
{
    EXPECT_FALSE(checkFieldsExist(spanFieldsNeeded(7), 6, "杆长"));
    EXPECT_FALSE(checkFieldsExist(nodeFieldsNeeded(7), 7, "结点力偶"));
    EXPECT_FALSE(checkFieldsExist(spanEndFieldsNeeded(0), 12, "固端弯矩"));
    const auto fault = checkFieldsExist(spanEndFieldsNeeded(8), 12, "固端弯矩");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::SubscriptOutOfRange);
    EXPECT_TRUE(hasText(fault, "第 13 个固端弯矩输入框"));
}

TEST(SingleArray, AccessOutsideTheExtentsOrBeforeCreationIsAFaultNotACrash)
{
    SingleMatrix m("固端弯矩 M");
    auto fault = runChecked([&] { (void)m.get(1, 1); });
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::SubscriptOutOfRange);
    EXPECT_TRUE(hasText(fault, "M(1,1)（该数组尚未建立）")) << fault->message;

    m.create(2, 2);
    const std::pair<int, int> outside[] = {{0, 1}, {3, 1}, {1, 0}, {1, 3}, {-1, -1}};
    for (auto [i, j] : outside) {
        fault = runChecked([&] { m.set(i, j, 1.0); });
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->kind, FaultKind::SubscriptOutOfRange);
    }
    EXPECT_TRUE(hasText(fault, "只有 2×2 个元素"));
    EXPECT_FALSE(runChecked([&] { m.set(2, 2, 5.0); }));
    EXPECT_EQ(m.at(2, 2), 5.0f);
}

TEST(SingleArray, TooManyElementsIsOverflowInsteadOfExhaustingMemory)
{
    SingleMatrix k("刚度矩阵 K");
    const auto fault = runChecked([&] { k.create(32767, 32767); });
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::Overflow);
    EXPECT_FALSE(k.exists());
}

TEST(CheckedArithmetic, StoredResultsAreChecked)
{
    auto fault = runChecked([] { (void)checkedQuotient(1.0, 0.0, "x"); });
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::DivisionByZero);
    EXPECT_EQ(fault->message, "除数为零：x");

    fault = runChecked([] { (void)storeSingle(4e38, "y"); });
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::Overflow);

    fault = runChecked([] { (void)storeSingle(std::nan(""), "z"); });
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::InvalidOperation);

    EXPECT_FALSE(runChecked([] { (void)storeSingle(3.4e38, "w"); }));
    EXPECT_FALSE(runChecked([] { (void)storeSingle(1e-50, "tiny"); }));  // underflow rounds to 0
}

}  // namespace
}  // namespace beamwizard
