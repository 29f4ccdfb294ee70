#pragma once
// The working of one calculation, as numbers: the lines a pupil writes from the two numbers to
// the answer, each holding the values the calculation formed for its step, and the step it was
// in when a number left the 16-bit range. The calculation records the lines as it forms the
// values (Calculator::working), so the working and the answer cannot disagree. It has no words:
// naming the steps and reading them aloud is the window's (form/form1_working.h).

#include <array>
#include <cstddef>
#include <cstdint>

namespace zelvanu {

// The steps, in the order the lines come. AsRead is the sum as the boxes were read.
enum class WorkingStep : std::uint8_t {
    AsRead,
    ToImproper,
    CommonDenominator,
    AddNumerators,
    ToWhole,
    ToMixed,
    Reduce,
};

// One number of a line: a minus sign, a whole part and a fraction, each written only when set.
// Its value is (whole + numerator / denominator), negated by the minus sign. Wider than 16 bits:
// the numerators over the common denominator are formed in doubles and may pass 32767.
struct WorkingNumber {
    bool negative = false;
    bool hasWhole = false;
    bool hasFraction = false;
    std::int64_t whole = 0;     // not negative
    std::int64_t numerator = 0; // negative only where the user typed it so
    std::int64_t denominator = 1;
};

struct WorkingLine {
    WorkingStep step = WorkingStep::AsRead;
    std::array<WorkingNumber, 2> numbers{};
    std::size_t count = 0; // one number, or two to be added
};

struct Working {
    // The longest working has one line for each step but one: ToWhole and ToMixed exclude each
    // other.
    static constexpr std::size_t kMostLines = 6;

    std::array<WorkingLine, kMostLines> lines{};
    std::size_t count = 0;
    // The two numerators over the common denominator, first operand first: the terms of the sum
    // of numerators, kept even where no line shows them (equal denominators).
    std::array<std::int64_t, 2> overCommon{};
    // The step under way when the calculation stopped (where an overflow happened), and while
    // the boxes are read, which of them (0 to 5: the denominators, the numerators, the whole
    // parts, first operand first, in the calculation's order); -1 after the reading.
    WorkingStep step = WorkingStep::AsRead;
    int box = -1;

    const WorkingLine* begin() const { return lines.data(); }
    const WorkingLine* end() const { return lines.data() + count; }
};

} // namespace zelvanu
