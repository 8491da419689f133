#include "platform/Conversions.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

namespace lumari {
namespace {

struct IntCase {
    const char* text;
    int expected;  // or an error number when error is set
    bool error;
};

int ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(TextToNumber, ConvertsLikeTheClassicRuntime)
{
    const IntCase cases[] = {
        {"0", 0, false},        {"42", 42, false},       {"  7 ", 7, false},     {"\t-3", -3, false},
        {"+5", 5, false},       {"2.5", 2, false},       {"3.5", 4, false},      {"-2.5", -2, false},
        {"2.51", 3, false},     {"1e2", 100, false},     {".5", 0, false},       {"1.", 1, false},
        {"", err::TypeMismatch, true},    {"   ", err::TypeMismatch, true},   {"abc", err::TypeMismatch, true},
        {"1 2", err::TypeMismatch, true}, {"12x", err::TypeMismatch, true},   {"--1", err::TypeMismatch, true},
        {"1e", err::TypeMismatch, true},  {"٣", err::TypeMismatch, true},
        {"32767", 32767, false}, {"-32768", -32768, false}, {"32767.5", err::Overflow, true},
        {"32768", err::Overflow, true},   {"-32769", err::Overflow, true}, {"1e400", err::Overflow, true},
    };
    for (const IntCase& c : cases) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromUtf8(c.text);
        if (c.error) {
            EXPECT_EQ(ErrorOf([&] { TextToInt16(text); }), c.expected);
        } else {
            EXPECT_EQ(TextToInt16(text), c.expected);
        }
    }
}

TEST(TextToNumber, ThirtyTwoBitLimits)
{
    EXPECT_EQ(TextToInt32("2147483647"), 2147483647);
    EXPECT_EQ(TextToInt32(" -2147483648 "), -2147483647 - 1);
    EXPECT_EQ(TextToInt32("40000"), 40000);
    EXPECT_EQ(ErrorOf([] { TextToInt32("2147483648"); }), err::Overflow);
    EXPECT_EQ(ErrorOf([] { TextToInt32("-2147483649"); }), err::Overflow);
    EXPECT_EQ(ErrorOf([] { TextToInt32("x1"); }), err::TypeMismatch);
}

TEST(CheckedArithmetic, OverflowsAtEachWidth)
{
    EXPECT_EQ(AddInt16(32766, 1), 32767);
    EXPECT_EQ(ErrorOf([] { AddInt16(32767, 1); }), err::Overflow);
    EXPECT_EQ(ErrorOf([] { AddInt16(-32768, -1); }), err::Overflow);
    EXPECT_EQ(AddInt32(2147483646, 1), 2147483647);
    EXPECT_EQ(ErrorOf([] { AddInt32(2147483647, 1); }), err::Overflow);
    EXPECT_EQ(ErrorOf([] { MulInt32(21474837, 100); }), err::Overflow);
    EXPECT_EQ(MulInt32(21474836, 100), 2147483600);
}

TEST(Rounding, TwoDecimalsHalfToEven)
{
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.375, 2), 0.38);
    EXPECT_DOUBLE_EQ(RoundHalfEven(200.0 / 3.0, 2), 66.67);
    EXPECT_DOUBLE_EQ(RoundHalfEven(100.0 / 3.0, 2), 33.33);
    EXPECT_DOUBLE_EQ(RoundHalfEven(2100.0 / 26.0, 2), 80.77);
    EXPECT_DOUBLE_EQ(RoundHalfEven(75.0, 2), 75.0);
    EXPECT_DOUBLE_EQ(RoundHalfEven(12.5, 2), 12.5);
}

TEST(Rounding, ShortestTextWithTheLocaleSeparator)
{
    const QLocale c(QLocale::C);
    EXPECT_EQ(FormatShortest(75.0, c), "75");
    EXPECT_EQ(FormatShortest(66.67, c), "66.67");
    EXPECT_EQ(FormatShortest(12.5, c), "12.5");
    EXPECT_EQ(FormatShortest(0.12, c), "0.12");
    EXPECT_EQ(FormatShortest(100.0, c), "100");
    EXPECT_EQ(FormatShortest(66.67, QLocale(QLocale::German)), "66,67");
}

}  // namespace
}  // namespace lumari
