#pragma once
// The fraction adder: from the six box texts to the sum as a reduced mixed number, or to one of
// the two messages that tell the user what to fix. It owns the calculation record (CalcState)
// and the GCD and LCM routines that write into it, and records the working (途中の式) of each
// calculation as it forms its values. It shows nothing and catches nothing: an arithmetic fault
// leaves calculate() as a RunTimeError, which the window's commands report.

#include "kernel/checked.h"
#include "kernel/runtime_error.h"
#include "kernel/working.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace zelvanu {

// The last values of one calculation. Every calculation writes each field before reading it.
struct CalcState {
    std::int16_t Den1 = 0;
    std::int16_t Den2 = 0;
    std::int16_t Whole1 = 0;
    std::int16_t Whole2 = 0;
    std::int16_t Imp1 = 0;
    std::int16_t Imp2 = 0;
    std::int16_t SumNum = 0;
    std::int16_t Num1 = 0;
    std::int16_t Num2 = 0;
    std::int16_t LcmVal = 0;
    std::int16_t GcdVal = 0;
};

// The four result texts, each empty (blank) or unsigned decimal digits; sign is empty or "-".
struct ResultFields {
    std::string sign;
    std::string whole;
    std::string numerator;
    std::string denominator;
    bool operator==(const ResultFields&) const = default;
};

// Either the result or one of the two messages below, as the user reads it (UTF-8).
using CalcOutcome = std::variant<ResultFields, std::string>;

inline constexpr std::string_view kEnterNumberMessage = "数値を入れてください";
inline constexpr std::string_view kDenominatorMessage = "分母を１以上の整数にしてください。";

class Calculator {
public:
    // t1, t2: denominators; t3, t4: numerators; t5, t6: whole parts (first, second operand),
    // that is the texts of Text1 ... Text6. Throws RunTimeError on an arithmetic fault.
    CalcOutcome calculate(std::string_view t1, std::string_view t2, std::string_view t3,
                          std::string_view t4, std::string_view t5, std::string_view t6);

    // Signed Euclid: the result carries a sign that the sum's sign placement relies on. Stores
    // the result in GcdVal.
    std::int32_t GCD(std::int16_t m, std::int16_t n);
    // |a * b| / GCD(a, b), with the product formed in 16 bits. Stores GcdVal, then LcmVal.
    std::int32_t LCM(std::int16_t a, std::int16_t b);

    const CalcState& state() const { return m_state; }
    // The working of the last calculation: its lines as far as it got, and where it stopped.
    // Empty after a message.
    const Working& working() const { return m_working; }

private:
    void record(WorkingStep step, const WorkingNumber& first);
    void record(WorkingStep step, const WorkingNumber& first, const WorkingNumber& second);

    CalcState m_state;
    Working m_working;
};

} // namespace zelvanu
