#include "common/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

using namespace common;

namespace {

struct ParseCase {
    const char* text;
    double lenient;
    std::optional<double> strict;
};

class ParseTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTable, LenientAndStrict)
{
    const ParseCase& c = GetParam();
    EXPECT_DOUBLE_EQ(parseLenient(c.text), c.lenient) << '"' << c.text << '"';
    const auto s = parseStrict(c.text);
    ASSERT_EQ(s.has_value(), c.strict.has_value()) << '"' << c.text << '"';
    if (s) {
        EXPECT_DOUBLE_EQ(*s, *c.strict) << '"' << c.text << '"';
    }
}

const std::optional<double> none;

INSTANTIATE_TEST_SUITE_P(Numbers, ParseTable, ::testing::Values(
    ParseCase{"12abc", 12, none},
    ParseCase{"1 000", 1000, none},
    ParseCase{"2.1E8", 2.1e8, 2.1e8},
    ParseCase{"", 0, none},
    ParseCase{"-", 0, none},
    ParseCase{"  -3.5  ", -3.5, -3.5},
    ParseCase{"+4", 4, 4},
    ParseCase{".5", 0.5, 0.5},
    ParseCase{"5.", 5, 5},
    ParseCase{".", 0, none},
    ParseCase{"1.2.3", 1.2, none},
    ParseCase{"1e", 1, none},
    ParseCase{"1e+", 1, none},
    ParseCase{"2d3", 2000, 2000},
    ParseCase{"2D-1", 0.2, 0.2},
    ParseCase{"1e-3x", 0.001, none},
    ParseCase{"\t7\n", 7, 7},
    ParseCase{"- 2", -2, none},
    ParseCase{"&H1F", 31, 31},
    ParseCase{"&hff", 255, 255},
    ParseCase{"&O17", 15, 15},
    ParseCase{"&O8", 0, none},
    ParseCase{"&H", 0, none},
    ParseCase{"abc", 0, none},
    ParseCase{"1e400", std::numeric_limits<double>::infinity(), none},
    ParseCase{"０", 0, none}));  // full-width digits are not numbers

struct TextCase {
    double value;
    const char* plain;
    const char* blankSigned;
};

class TextTable : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextTable, BothForms)
{
    const TextCase& c = GetParam();
    EXPECT_EQ(plainText(c.value), c.plain);
    EXPECT_EQ(signedText(c.value), c.blankSigned);
}

INSTANTIATE_TEST_SUITE_P(Numbers, TextTable, ::testing::Values(
    TextCase{3, "3", " 3"},
    TextCase{0, "0", " 0"},
    TextCase{-0.0, "0", " 0"},
    TextCase{0.5, "0.5", " .5"},
    TextCase{-0.5, "-0.5", "-.5"},
    TextCase{-2, "-2", "-2"},
    TextCase{0.1 + 0.2, "0.3", " .3"},
    TextCase{12.25, "12.25", " 12.25"},
    TextCase{1e-20, "1E-20", " 1E-20"},
    TextCase{1000000, "1000000", " 1000000"},
    TextCase{123456789012345.0, "123456789012345", " 123456789012345"},
    TextCase{1e15, "1E+15", " 1E+15"},
    TextCase{-2.5e15, "-2.5E+15", "-2.5E+15"},
    TextCase{0.00001, "0.00001", " .00001"},
    TextCase{0.000001, "1E-06", " 1E-06"},
    TextCase{-0.00068614, "-0.00068614", "-.00068614"},
    TextCase{1.0 / 3.0, "0.333333333333333", " .333333333333333"},
    TextCase{2.1e8, "210000000", " 210000000"},
    TextCase{1e100, "1E+100", " 1E+100"}));

struct SingleCase {
    float value;
    const char* plain;
    const char* blankSigned;
};

class SingleTable : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SingleTable, BothForms)
{
    const SingleCase& c = GetParam();
    EXPECT_EQ(plainTextSingle(c.value), c.plain);
    EXPECT_EQ(signedTextSingle(c.value), c.blankSigned);
}

INSTANTIATE_TEST_SUITE_P(Numbers, SingleTable, ::testing::Values(
    SingleCase{12345678.0f, "1.234568E+07", " 1.234568E+07"},
    SingleCase{1234567.0f, "1234567", " 1234567"},
    SingleCase{67.5f, "67.5", " 67.5"},
    SingleCase{-45.0f, "-45", "-45"},
    SingleCase{0.1f, "0.1", " .1"},
    SingleCase{1.0f / 3.0f, "0.3333333", " .3333333"},
    SingleCase{1e-20f, "1E-20", " 1E-20"},
    SingleCase{0.0f, "0", " 0"}));

TEST(Numbers, SingleParsesRoundToFloat)
{
    EXPECT_EQ(parseLenientSingle("0.1"), 0.1f);
    EXPECT_EQ(parseStrictSingle(" 2.5 "), std::optional<float>(2.5f));
    EXPECT_FALSE(parseStrictSingle("1e50").has_value());  // beyond float range
    EXPECT_TRUE(std::isinf(parseLenientSingle("1e50")));
}

TEST(Numbers, RoundingToInt16HalvesToEven)
{
    struct { double in; std::optional<std::int16_t> out; } cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {3.7, 4}, {-0.4, 0}, {0.5, 0}, {1.5, 2},
        {32767, 32767}, {32767.4, 32767}, {32767.5, std::nullopt}, {-32768, -32768},
        {-32768.5, -32768}, {-32768.6, std::nullopt}, {1e9, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundToInt16(c.in), c.out) << c.in;
    }
    EXPECT_EQ(roundHalfEven(2.4), 2);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
}

TEST(Numbers, ConversionsIgnoreADecimalCommaLocale)
{
    // A GUI program adopts the user's locale; texts must still use ".".
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no comma locale installed";
    EXPECT_EQ(plainText(0.5), "0.5");
    EXPECT_EQ(signedText(12345678.5), " 12345678.5");
    EXPECT_DOUBLE_EQ(parseLenient("2.5"), 2.5);
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
