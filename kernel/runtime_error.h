#pragma once
// The one fault the arithmetic raises. A RunTimeError abandons the whole calculation: nothing in
// the kernel catches it; the window's commands (form/) catch it at their one boundary and report
// it. It carries no message of its own: the commands word the report (runTimeErrorText).

#include <exception>

namespace zelvanu {

class RunTimeError : public std::exception {
public:
    enum class Kind { Overflow, FloatingPoint };

    // Error numbers as the user sees them in the report box.
    static constexpr int OverflowNumber = 6;
    // A floating-point fault can only come from dividing by a zero divisor (the least common
    // multiple of two zero denominators), so it is reported under the classic number for
    // "division by zero", which also keeps it apart from an overflow in the user's report.
    static constexpr int FloatingPointNumber = 11;

    explicit RunTimeError(Kind kind) noexcept : m_kind(kind) {}

    Kind kind() const noexcept { return m_kind; }
    int number() const noexcept {
        return m_kind == Kind::Overflow ? OverflowNumber : FloatingPointNumber;
    }
    const char* what() const noexcept override;

private:
    Kind m_kind;
};

} // namespace zelvanu
