#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

namespace lumari {

// Text to number as the classic runtime converts it: blanks around the number
// are allowed, a fractional part is rounded half to even, anything else is
// "Type mismatch" and a value outside the width is "Overflow".
std::int16_t TextToInt16(const QString& text);
std::int32_t TextToInt32(const QString& text);

// Checked arithmetic that raises "Overflow" like the classic runtime.
std::int16_t AddInt16(std::int16_t a, std::int16_t b);
std::int32_t AddInt32(std::int32_t a, std::int32_t b);
std::int32_t MulInt32(std::int32_t a, std::int32_t b);

// Rounds to the given number of decimals, halves to the even neighbour.
double RoundHalfEven(double value, int decimals);

// The shortest text that shows a value already rounded to 2 decimals:
// no trailing zeros, no separator for a whole number, the locale's separator.
QString FormatShortest(double value, const QLocale& locale = QLocale());

}  // namespace lumari
