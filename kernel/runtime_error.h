#pragma once
// The one fault the arithmetic raises. A RunTimeError abandons the whole calculation: nothing in
// the kernel catches it; the window's commands (form/) catch it at their one boundary and report
// it. It carries no message of its own: the commands word the report (runTimeErrorText). An
// overflow carries the operation whose exact result left the range, for the working to show.

#include <exception>

namespace zelvanu {

// The operation behind an overflow: its operands (none for a negation or magnitude, the value
// converted for a conversion) and its exact result, the number that did not fit.
struct Overflowed {
    enum class Op { None, Convert, Multiply, Add, Subtract, Negate, Abs, Divide, Remainder };
    Op op = Op::None;
    double a = 0, b = 0;
    double exact = 0;
};

class RunTimeError : public std::exception {
public:
    enum class Kind { Overflow, FloatingPoint };

    // Error numbers as the user sees them in the report box.
    static constexpr int OverflowNumber = 6;
    // A floating-point fault can only come from dividing by a zero divisor (the least common
    // multiple of two zero denominators), so it is reported under the classic number for
    // "division by zero", which also keeps it apart from an overflow in the user's report.
    static constexpr int FloatingPointNumber = 11;

    explicit RunTimeError(Kind kind, Overflowed what = {}) noexcept : m_kind(kind), m_what(what) {}

    Kind kind() const noexcept { return m_kind; }
    // For an overflow, the operation that raised it; Op::None otherwise.
    const Overflowed& overflowed() const noexcept { return m_what; }
    int number() const noexcept {
        return m_kind == Kind::Overflow ? OverflowNumber : FloatingPointNumber;
    }
    const char* what() const noexcept override;

private:
    Kind m_kind;
    Overflowed m_what;
};

} // namespace zelvanu
