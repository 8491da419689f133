#include "platform/Conversions.h"

#include "platform/RuntimeError.h"

#include <cmath>
#include <limits>

namespace lumari {
namespace {

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Parses a decimal number with optional sign, fraction and exponent.
double ParseNumber(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    const QStringView s = QStringView(text).mid(begin, end - begin);
    qsizetype i = 0;
    auto digits = [&] {
        qsizetype start = i;
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) ++i;
        return i - start;
    };
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
    qsizetype mantissa = digits();
    if (i < s.size() && s[i] == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) throw RuntimeError(err::TypeMismatch);
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
        if (digits() == 0) throw RuntimeError(err::TypeMismatch);
    }
    if (i != s.size()) throw RuntimeError(err::TypeMismatch);
    bool ok = false;
    const double value = s.toString().toDouble(&ok);
    if (!ok && !std::isinf(value)) {
        // toDouble refuses values beyond double range; they only overflow.
        throw RuntimeError(err::Overflow);
    }
    return value;
}

template <typename Int>
Int TextToInt(const QString& text)
{
    const double rounded = std::nearbyint(ParseNumber(text));  // ties to even
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
        throw RuntimeError(err::Overflow);
    return static_cast<Int>(rounded);
}

}  // namespace

std::int16_t TextToInt16(const QString& text) { return TextToInt<std::int16_t>(text); }
std::int32_t TextToInt32(const QString& text) { return TextToInt<std::int32_t>(text); }

std::int16_t AddInt16(std::int16_t a, std::int16_t b)
{
    std::int16_t r;
    if (__builtin_add_overflow(a, b, &r)) throw RuntimeError(err::Overflow);
    return r;
}

std::int32_t AddInt32(std::int32_t a, std::int32_t b)
{
    std::int32_t r;
    if (__builtin_add_overflow(a, b, &r)) throw RuntimeError(err::Overflow);
    return r;
}

std::int32_t MulInt32(std::int32_t a, std::int32_t b)
{
    std::int32_t r;
    if (__builtin_mul_overflow(a, b, &r)) throw RuntimeError(err::Overflow);
    return r;
}

double RoundHalfEven(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::nearbyint(value * scale) / scale;
}

QString FormatShortest(double value, const QLocale& locale)
{
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    // Enough significant digits for any rate rounded to 2 decimals; 'g'
    // drops trailing zeros and the separator of a whole number.
    return l.toString(value, 'g', 12);
}

}  // namespace lumari
