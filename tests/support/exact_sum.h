#pragma once
// An independent reference for the calculation: the exact sum of two mixed numbers in 64-bit
// integers, and the four texts the result labels should show for it. Shared by the differential
// test and the fuzz target; it uses none of the kernel's arithmetic.

#include "kernel/calculator.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>

namespace zelvanu::reference {

struct Exact {
    std::int64_t num; // carries the sign
    std::int64_t den; // > 0
};

// One operand as the user means it: a negative whole part negates the mixed number, and the
// whole-part text "-" alone negates the fraction.
inline Exact operand(std::int64_t den, std::int64_t num, std::int64_t whole, bool minusText) {
    if (whole < 0)
        return {whole * den - num, den};
    if (minusText)
        return {-num, den};
    return {whole * den + num, den};
}

inline Exact add(Exact a, Exact b) {
    return {a.num * b.den + b.num * a.den, a.den * b.den};
}

inline Exact lowest(Exact v) {
    const std::int64_t g = std::gcd(v.num, v.den);
    return {v.num / g, v.den / g};
}

// The labels for an exact value: sign, whole part ("0" for a zero sum), and the remaining
// fraction in lowest terms, blank when there is none.
inline ResultFields display(Exact v) {
    const std::int64_t g = std::gcd(v.num, v.den);
    const std::int64_t num = std::llabs(v.num / g);
    const std::int64_t den = v.den / g;
    ResultFields f;
    if (v.num < 0)
        f.sign.push_back('-'); // not = "-": g++ 12 warns falsely (-Wrestrict) on that at -O2
    if (num / den != 0 || num == 0)
        f.whole = std::to_string(num / den);
    if (num % den != 0) {
        f.numerator = std::to_string(num % den);
        f.denominator = std::to_string(den);
    }
    return f;
}

// The value a line of the working writes, its numbers added, in lowest terms.
inline Exact valueOf(const WorkingLine& line) {
    Exact sum{0, 1};
    for (std::size_t i = 0; i < line.count; ++i) {
        const WorkingNumber& n = line.numbers[i];
        const std::int64_t den = n.hasFraction ? n.denominator : 1;
        const std::int64_t magnitude = n.whole * den + (n.hasFraction ? n.numerator : 0);
        sum = add(sum, {n.negative ? -magnitude : magnitude, den});
    }
    return lowest(sum);
}

// The labels a line of one number stands for, as the result shows them.
inline ResultFields fieldsOf(const WorkingLine& line) {
    const WorkingNumber& n = line.numbers[0];
    ResultFields f;
    if (n.negative)
        f.sign.push_back('-');
    if (n.hasWhole)
        f.whole = std::to_string(n.whole);
    if (n.hasFraction) {
        f.numerator = std::to_string(n.numerator);
        f.denominator = std::to_string(n.denominator);
    }
    return f;
}

// A text of an optional "-" and one to five ASCII digits, read exactly.
inline std::optional<std::int64_t> plainInteger(std::string_view s) {
    const bool negative = !s.empty() && s.front() == '-';
    if (negative)
        s.remove_prefix(1);
    if (s.empty() || s.size() > 5)
        return std::nullopt;
    std::int64_t v = 0;
    for (const char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return negative ? -v : v;
}

// What the labels should show for six box texts (Text1..Text6) when every text is a plain
// integer (the whole parts may also be empty or "-") and both denominators are positive;
// nullopt for any other input.
inline std::optional<Exact> exactSum(const std::array<std::string_view, 6>& t) {
    std::array<std::int64_t, 6> v{};
    for (std::size_t i = 0; i < 6; ++i) {
        const bool wholePart = i >= 4;
        if (wholePart && (t[i].empty() || t[i] == "-")) {
            v[i] = 0;
            continue;
        }
        const auto parsed = plainInteger(t[i]);
        if (!parsed)
            return std::nullopt;
        v[i] = *parsed;
    }
    if (v[0] <= 0 || v[1] <= 0)
        return std::nullopt;
    const Exact a = operand(v[0], v[2], v[4], t[4] == "-");
    const Exact b = operand(v[1], v[3], v[5], t[5] == "-");
    return add(a, b);
}

inline std::optional<ResultFields> expectedDisplay(const std::array<std::string_view, 6>& t) {
    const auto sum = exactSum(t);
    return sum ? std::optional(display(*sum)) : std::nullopt;
}

} // namespace zelvanu::reference
