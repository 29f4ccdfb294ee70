#include "kernel/calculator.h"

#include <cmath>

namespace zelvanu {

namespace {

// The improper numerator of one operand, Whole + Num / Den over Den. A negative whole part
// negates the whole mixed number; a whole-part text of exactly "-" negates the fraction alone,
// so that "-" beside 1/2 can be typed for minus one half.
i16 improperNumerator(i16 whole, i16 num, i16 den, std::string_view wholeText) {
    if (whole < 0)
        return sub16(mul16(whole, den), num);
    if (wholeText == "-")
        return neg16(num);
    return add16(mul16(den, whole), num);
}

} // namespace

std::int32_t Calculator::GCD(std::int16_t m, std::int16_t n) {
    // Iterative form of the signed recursion GCD(m, n) = n == 0 ? m : GCD(n, m rem n): the same
    // chain, the same last nonzero element, and GcdVal holds it afterwards, as every level of
    // the recursion would have stored that same value.
    while (n != 0) {
        const i16 r = rem16(m, n);
        m = n;
        n = r;
    }
    const i32 result = m;
    m_state.GcdVal = narrow32to16(result);
    return result;
}

std::int32_t Calculator::LCM(std::int16_t a, std::int16_t b) {
    const i32 g = GCD(a, b);
    // The product is formed in 16 bits before dividing, so LCM(200, 200) overflows even though
    // its answer is small.
    const i16 magnitude = abs16(mul16(a, b));
    const double x = checkedFp(static_cast<double>(magnitude) / static_cast<double>(g));
    const i32 result = toInt32(x);
    m_state.LcmVal = narrow32to16(result);
    return result;
}

CalcOutcome Calculator::calculate(std::string_view t1, std::string_view t2, std::string_view t3,
                                  std::string_view t4, std::string_view t5, std::string_view t6) {
    if (t4.empty() || t3.empty() || t2.empty() || t1.empty())
        return std::string(kEnterNumberMessage);

    // Each value is stored as soon as it is converted, so an overflow in a later box leaves the
    // earlier ones in the record.
    CalcState& s = m_state;
    s.Den1 = toInt16(textToDouble(t1));
    s.Den2 = toInt16(textToDouble(t2));
    s.Num1 = toInt16(textToDouble(t3));
    s.Num2 = toInt16(textToDouble(t4));
    s.Whole1 = toInt16(textToDouble(t5));
    s.Whole2 = toInt16(textToDouble(t6));

    if (s.Den1 <= 0 || s.Den2 <= 0)
        return std::string(kDenominatorMessage);

    s.Imp1 = improperNumerator(s.Whole1, s.Num1, s.Den1, t5);
    s.Imp2 = improperNumerator(s.Whole2, s.Num2, s.Den2, t6);

    LCM(s.Den1, s.Den2);
    const double lcm = s.LcmVal; // at least 1: both denominators are positive

    const double sum = checkedFp(lcm / s.Den2 * s.Imp2 + lcm / s.Den1 * s.Imp1);
    s.SumNum = toInt16(sum);

    ResultFields out;
    const i16 whole = div16(s.SumNum, s.LcmVal);
    if (whole != 0)
        out.whole = int16ToText(abs16(whole));

    // The remainder keeps the sum's sign. The signed GCD makes exactly one of the two quotients
    // below negative when the remainder is negative, and that quotient places the minus sign.
    const i16 remainder = rem16(s.SumNum, s.LcmVal);
    GCD(remainder, s.LcmVal);
    const double g = s.GcdVal;

    const double denominator = checkedFp(lcm / g);
    if (denominator < 0.0) {
        out.sign = "-";
        out.denominator = doubleToText(std::fabs(denominator));
    } else if (denominator != 1.0) {
        out.denominator = doubleToText(denominator);
    }

    const double numerator = checkedFp(remainder / g);
    if (numerator < 0.0) {
        out.sign = "-";
        out.numerator = doubleToText(std::fabs(numerator));
    } else if (numerator != 0.0) {
        out.numerator = doubleToText(numerator);
    }

    // A sum with no fraction left has no quotient to carry its sign: -1 would read as 1. And a
    // zero sum shows 0 rather than an empty answer.
    if (remainder == 0 && s.SumNum < 0)
        out.sign = "-";
    if (s.SumNum == 0)
        out.whole = "0";

    return out;
}

} // namespace zelvanu
