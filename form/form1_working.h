#pragma once
// The working (途中の式) as the window writes it: the kernel's lines of numbers turned into the
// texts of each part, the names of the steps, and what a screen reader reads for each line
// ("通分する 6分の9 たす 6分の4"). After an overflow, the lines reached are followed by one line
// that names the step (or the box) and the number that left the 16-bit range. The front ends only
// draw these lines; nothing here decides when they are shown.

#include "form/form1_controls.h"
#include "kernel/runtime_error.h"
#include "kernel/working.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zelvanu {

// The boxes in the order the calculation takes and reads them: the denominators, the numerators,
// then the whole parts, first operand first. Working::box counts in this order.
inline constexpr std::array kBoxesInCalculationOrder{
    ControlId::FirstDenominator, ControlId::SecondDenominator, ControlId::FirstNumerator,
    ControlId::SecondNumerator,  ControlId::FirstWhole,        ControlId::SecondWhole,
};

// One number of a line, as texts; an empty text is not written. The fraction is stacked: its
// numerator over a bar over its denominator, the whole part to its left, the sign before both.
struct WorkingTerm {
    bool parenthesised = false; // a negative number after "+"
    std::string sign;           // "-" or empty
    std::string whole;
    std::string numerator; // numerator and denominator are both set or both empty
    std::string denominator;
    bool operator==(const WorkingTerm&) const = default;
};

struct WorkingText {
    bool equals = false;            // the line begins with "=": every line after the first
    std::vector<WorkingTerm> terms; // one number, or two with "+" between them
    std::string words;              // an overflow line's text, written plainly after the terms
    std::string name;               // the step's name (or the box's), beside the line; may be empty
    std::string spoken;             // the whole line for a screen reader
    bool operator==(const WorkingText&) const = default;
};

// The lines of a calculation's working. `overflow` is the fault that stopped it, or nullptr when
// it reached the answer; a fault that is not an overflow adds no line.
std::vector<WorkingText> workingText(const Working& working, const Overflowed* overflow = nullptr);

// The step's name as pupils say it: "通分する"; empty for the sum as read.
std::string_view stepName(WorkingStep step);

} // namespace zelvanu
