#pragma once
// The checked numeric model: 16-bit operands, 32-bit GCD/LCM results and double quotients.
// Every operation states its range check here, once, and raises RunTimeError instead of
// wrapping, clamping or saturating; callers never repeat the checks. Nothing here knows about
// fractions or the window.

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvanu {

using i16 = std::int16_t;
using i32 = std::int32_t;

// Checked 16-bit arithmetic. The exact result is formed in 32 bits and must fit in 16.
i16 mul16(i16 a, i16 b);
i16 add16(i16 a, i16 b);
i16 sub16(i16 a, i16 b);
i16 neg16(i16 a);
i16 abs16(i16 a);
// Truncating division and its remainder (the remainder takes the sign of a). The divisor must
// not be 0; -32768 \ -1 overflows, while -32768 rem -1 is simply 0.
i16 div16(i16 a, i16 b);
i16 rem16(i16 a, i16 b);

// Raises the floating-point fault when x came out of an invalid operation, a division by zero
// or an overflow. The operands handed to the double arithmetic are always finite, and each of
// those three conditions leaves a NaN or an infinity that survives every later +, - , * and /,
// so one test of the final value covers a whole expression.
double checkedFp(double x);

// Round half to even, then range-check. Out-of-range values and NaN raise overflow.
i16 toInt16(double x);
i32 toInt32(double x);
i16 narrow32to16(i32 a);

// The number at the start of the text: optional blanks, an optional sign, digits, and an
// optional decimal point with more digits. Full-width digits, signs and full stop count too,
// as typed through a Japanese input method. Text without a leading number gives 0; a
// magnitude beyond the double range gives an infinity (which toInt16 then reports as
// overflow).
double textToDouble(std::string_view text);

std::string int16ToText(i16 a);
// Shortest decimal text; for the integral values the calculation passes, plain digits.
std::string doubleToText(double x);

} // namespace zelvanu
