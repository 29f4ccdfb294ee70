#include "kernel/calculator.h"

#include <cmath>
#include <cstdlib>
#include <optional>

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

// A number as the boxes were read: the whole part when it is not 0, with the minus sign of a
// negative one, and the fraction as typed.
WorkingNumber asRead(i16 whole, i16 num, i16 den, std::string_view wholeText) {
    WorkingNumber n;
    n.negative = whole < 0 || wholeText == "-";
    n.hasWhole = whole != 0;
    n.whole = whole < 0 ? -std::int64_t{whole} : whole;
    n.hasFraction = true;
    n.numerator = num;
    n.denominator = den;
    return n;
}

// A signed whole part beside a fraction; either may be left out.
WorkingNumber mixed(bool negative, std::optional<std::int64_t> whole,
                    std::optional<std::int64_t> numerator, std::int64_t denominator) {
    WorkingNumber n;
    n.negative = negative;
    n.hasWhole = whole.has_value();
    n.whole = whole.value_or(0);
    n.hasFraction = numerator.has_value();
    n.numerator = numerator.value_or(0);
    n.denominator = denominator;
    return n;
}

WorkingNumber fraction(std::int64_t numerator, std::int64_t denominator) {
    return mixed(numerator < 0, std::nullopt, numerator < 0 ? -numerator : numerator, denominator);
}

// The magnitude of an exact integer quotient, formed in doubles by the calculation.
std::int64_t magnitude(double exactInteger) {
    return static_cast<std::int64_t>(std::fabs(exactInteger));
}

} // namespace

void Calculator::record(WorkingStep step, const WorkingNumber& first) {
    m_working.lines[m_working.count++] = {step, {first, {}}, 1};
}

void Calculator::record(WorkingStep step, const WorkingNumber& first, const WorkingNumber& second) {
    m_working.lines[m_working.count++] = {step, {first, second}, 2};
}

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
    using enum WorkingStep;
    m_working = {};
    if (t4.empty() || t3.empty() || t2.empty() || t1.empty())
        return std::string(kEnterNumberMessage);

    // Each value is stored as soon as it is converted, so an overflow in a later box leaves the
    // earlier ones in the record; the working notes which box it was reading.
    CalcState& s = m_state;
    int box = 0;
    const auto read = [this, &box](std::string_view text) {
        m_working.box = box++;
        return toInt16(textToDouble(text));
    };
    s.Den1 = read(t1);
    s.Den2 = read(t2);
    s.Num1 = read(t3);
    s.Num2 = read(t4);
    s.Whole1 = read(t5);
    s.Whole2 = read(t6);
    m_working.box = -1;

    if (s.Den1 <= 0 || s.Den2 <= 0)
        return std::string(kDenominatorMessage);
    record(AsRead, asRead(s.Whole1, s.Num1, s.Den1, t5), asRead(s.Whole2, s.Num2, s.Den2, t6));

    m_working.step = ToImproper;
    s.Imp1 = improperNumerator(s.Whole1, s.Num1, s.Den1, t5);
    s.Imp2 = improperNumerator(s.Whole2, s.Num2, s.Den2, t6);
    if (s.Whole1 != 0 || s.Whole2 != 0)
        record(ToImproper, fraction(s.Imp1, s.Den1), fraction(s.Imp2, s.Den2));

    m_working.step = CommonDenominator;
    LCM(s.Den1, s.Den2);
    const double lcm = s.LcmVal; // at least 1: both denominators are positive

    // The second operand's term first, as the sum was designed; each is an exact integer.
    const double over2 = lcm / s.Den2 * s.Imp2;
    const double over1 = lcm / s.Den1 * s.Imp1;
    const double sum = checkedFp(over2 + over1);
    // Both terms are finite once their sum is: an infinity or NaN would have stayed in it.
    m_working.overCommon = {static_cast<std::int64_t>(over1), static_cast<std::int64_t>(over2)};
    if (s.Den1 != s.Den2)
        record(CommonDenominator, fraction(m_working.overCommon[0], s.LcmVal),
               fraction(m_working.overCommon[1], s.LcmVal));

    m_working.step = AddNumerators;
    s.SumNum = toInt16(sum);
    record(AddNumerators, fraction(s.SumNum, s.LcmVal));

    // The magnitude of the whole part overflows only for -32768 over 1, a whole number.
    m_working.step = ToWhole;
    ResultFields out;
    const i16 whole = div16(s.SumNum, s.LcmVal);
    const i16 wholeMagnitude = abs16(whole);
    if (whole != 0)
        out.whole = int16ToText(wholeMagnitude);

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

    // The working ends on the answer: the whole number, or the mixed number when the sum had a
    // whole part, then the same reduced when the remainder's divisor is more than 1.
    const bool negative = s.SumNum < 0;
    const auto wholeShown = whole != 0 ? std::optional<std::int64_t>(wholeMagnitude) : std::nullopt;
    if (remainder == 0)
        record(ToWhole, mixed(negative, wholeMagnitude, std::nullopt, 1));
    else if (whole != 0)
        record(ToMixed, mixed(negative, wholeShown, std::abs(remainder), s.LcmVal));
    if (remainder != 0 && std::fabs(g) > 1)
        record(Reduce, mixed(negative, wholeShown, magnitude(numerator), magnitude(denominator)));

    return out;
}

} // namespace zelvanu
