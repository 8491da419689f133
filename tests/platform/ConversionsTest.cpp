// Text to number as the classic runtime converts it, checked arithmetic, and rounding.
#include "platform/Conversions.h"

#include "RaisedError.h"

#include <gtest/gtest.h>

namespace lumari {
namespace {

using test::ErrorOf;

TEST(TextToNumber, ConvertsLikeTheClassicRuntime)
{
    struct Case {
        const char* text;
        int expected;
        int error = 0;
    } cases16[] = {
        {"42", 42},           {"  7 ", 7},          {"\t-3", -3},         {"+5", 5},
        {"2.5", 2},           {"3.5", 4},           {"-2.5", -2},         {"2.51", 3},
        {"1e2", 100},         {".5", 0},            {"1.", 1},            {"32767", 32767},
        {"-32768", -32768},   {"", 0, err::TypeMismatch},     {"   ", 0, err::TypeMismatch},
        {"abc", 0, err::TypeMismatch},  {"1 2", 0, err::TypeMismatch},   {"12x", 0, err::TypeMismatch},
        {"--1", 0, err::TypeMismatch},  {"1e", 0, err::TypeMismatch},    {"٣", 0, err::TypeMismatch},
        {"32767.5", 0, err::Overflow},  {"32768", 0, err::Overflow},     {"-32769", 0, err::Overflow},
        {"1e400", 0, err::Overflow},
    }, cases32[] = {
        {"2147483647", 2147483647},     {" -2147483648 ", -2147483647 - 1}, {"40000", 40000},
        {"2147483648", 0, err::Overflow}, {"-2147483649", 0, err::Overflow}, {"x1", 0, err::TypeMismatch},
    };
    for (const Case& c : cases16) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(ErrorOf([&] { EXPECT_EQ(TextToInt16(text), c.expected); }), c.error);
    }
    for (const Case& c : cases32) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ErrorOf([&] { EXPECT_EQ(TextToInt32(c.text), c.expected); }), c.error);
    }
}

TEST(CheckedArithmetic, OverflowsAtEachWidth)
{
    EXPECT_EQ(AddInt16(32766, 1), 32767);
    EXPECT_EQ(ErrorOf([] { AddInt16(32767, 1); }), err::Overflow);
    EXPECT_EQ(ErrorOf([] { AddInt16(-32768, -1); }), err::Overflow);
    EXPECT_EQ(AddInt32(2147483646, 1), 2147483647);
    EXPECT_EQ(ErrorOf([] { AddInt32(2147483647, 1); }), err::Overflow);
    EXPECT_EQ(MulInt32(21474836, 100), 2147483600);
    EXPECT_EQ(ErrorOf([] { MulInt32(21474837, 100); }), err::Overflow);
}

TEST(Rounding, TwoDecimalsHalfToEvenShownShortest)
{
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.375, 2), 0.38);
    EXPECT_DOUBLE_EQ(RoundHalfEven(200.0 / 3.0, 2), 66.67);
    EXPECT_DOUBLE_EQ(RoundHalfEven(2100.0 / 26.0, 2), 80.77);
    EXPECT_DOUBLE_EQ(RoundHalfEven(12.5, 2), 12.5);
    const QLocale c(QLocale::C);
    EXPECT_EQ(FormatShortest(75.0, c), "75");
    EXPECT_EQ(FormatShortest(12.5, c), "12.5");
    EXPECT_EQ(FormatShortest(0.12, c), "0.12");
    EXPECT_EQ(FormatShortest(66.67, QLocale(QLocale::German)), "66,67");
}

}  // namespace
}  // namespace lumari
