#include "kernel/checked.h"

#include "kernel/runtime_error.h"

#include <cmath>
#include <limits>

namespace zelvanu {

const char* RunTimeError::what() const noexcept {
    return m_kind == Kind::Overflow ? "overflow" : "floating-point fault";
}

namespace {

using Op = Overflowed::Op;

[[noreturn]] void overflow(Overflowed what) {
    throw RunTimeError(RunTimeError::Kind::Overflow, what);
}

// The single range check behind every 16-bit operation; the operation and its operands only
// travel with the fault.
i16 fit16(i32 exact, Op op, i32 a = 0, i32 b = 0) {
    if (exact < std::numeric_limits<i16>::min() || exact > std::numeric_limits<i16>::max())
        overflow({op, static_cast<double>(a), static_cast<double>(b), static_cast<double>(exact)});
    return static_cast<i16>(exact);
}

// Round half to even without depending on the floating-point environment's rounding mode.
double roundHalfEven(double x) {
    const double lower = std::floor(x);
    const double fraction = x - lower; // exact for every finite double
    if (fraction > 0.5)
        return lower + 1.0;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

// Rounds and range-checks in doubles before any conversion, because converting a double that
// is out of range (or NaN) to an integer type is undefined.
template <typename Int> Int roundChecked(double x) {
    if (std::isnan(x))
        overflow({Op::Convert, x, 0, x});
    const double r = roundHalfEven(x);
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max()))
        overflow({Op::Convert, x, 0, r});
    return static_cast<Int>(r);
}

} // namespace

i16 mul16(i16 a, i16 b) {
    return fit16(i32{a} * i32{b}, Op::Multiply, a, b);
}
i16 add16(i16 a, i16 b) {
    return fit16(i32{a} + i32{b}, Op::Add, a, b);
}
i16 sub16(i16 a, i16 b) {
    return fit16(i32{a} - i32{b}, Op::Subtract, a, b);
}
i16 neg16(i16 a) {
    return fit16(-i32{a}, Op::Negate, a);
}
i16 abs16(i16 a) {
    return fit16(a < 0 ? -i32{a} : i32{a}, Op::Abs, a);
}
i16 div16(i16 a, i16 b) {
    return fit16(i32{a} / i32{b}, Op::Divide, a, b);
}
i16 rem16(i16 a, i16 b) {
    return fit16(i32{a} % i32{b}, Op::Remainder, a, b);
}

double checkedFp(double x) {
    if (!std::isfinite(x))
        throw RunTimeError(RunTimeError::Kind::FloatingPoint);
    return x;
}

i16 toInt16(double x) {
    return roundChecked<i16>(x);
}
i32 toInt32(double x) {
    return roundChecked<i32>(x);
}
i16 narrow32to16(i32 a) {
    return fit16(a, Op::Convert, a);
}

} // namespace zelvanu
