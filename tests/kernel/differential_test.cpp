// Checks the shown sum against the exact sum worked out independently in 64-bit integers, over
// grids of inputs. This is the test that catches a misplaced minus sign or a fraction left
// unreduced.

#include "kernel/calculator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

namespace zelvanu {
namespace {

struct Exact {
    std::int64_t num; // sign of the whole value
    std::int64_t den; // > 0
};

// One operand as the user means it: a negative whole part negates the mixed number, and the
// whole-part text "-" alone negates the fraction.
Exact operand(std::int64_t den, std::int64_t num, const std::string& wholeText) {
    const std::int64_t whole = wholeText.empty() || wholeText == "-" ? 0 : std::stoll(wholeText);
    if (whole < 0)
        return {whole * den - num, den};
    if (wholeText == "-")
        return {-num, den};
    return {whole * den + num, den};
}

// The four texts the display should show for an exact value.
ResultFields display(Exact v) {
    const std::int64_t g = std::gcd(v.num, v.den);
    const std::int64_t num = std::llabs(v.num / g);
    const std::int64_t den = v.den / g;
    ResultFields f;
    f.sign = v.num < 0 ? "-" : "";
    f.whole = num / den != 0 || num == 0 ? std::to_string(num / den) : "";
    if (num % den != 0) {
        f.numerator = std::to_string(num % den);
        f.denominator = std::to_string(den);
    }
    return f;
}

void checkGrid(const std::vector<int>& dens, const std::vector<int>& nums,
               const std::vector<std::string>& wholes, int minimumResults) {
    Calculator calc; // one calculator throughout: nothing may carry over
    int results = 0;
    for (int d1 : dens)
        for (int d2 : dens)
            for (int n1 : nums)
                for (int n2 : nums)
                    for (const std::string& w1 : wholes)
                        for (const std::string& w2 : wholes) {
                            CalcOutcome out;
                            try {
                                out =
                                    calc.calculate(std::to_string(d1), std::to_string(d2),
                                                   std::to_string(n1), std::to_string(n2), w1, w2);
                            } catch (const RunTimeError&) {
                                continue; // a fault shows nothing, so there is nothing to compare
                            }
                            const auto* shown = std::get_if<ResultFields>(&out);
                            ASSERT_NE(shown, nullptr);
                            const Exact a = operand(d1, n1, w1);
                            const Exact b = operand(d2, n2, w2);
                            const Exact sum{a.num * b.den + b.num * a.den, a.den * b.den};
                            ASSERT_EQ(*shown, display(sum))
                                << "boxes " << d1 << ' ' << d2 << ' ' << n1 << ' ' << n2 << " '"
                                << w1 << "' '" << w2 << "' shown '" << shown->sign << "' '"
                                << shown->whole << "' " << shown->numerator << '/'
                                << shown->denominator;
                            ++results;
                        }
    // Guards the grid itself: most of it must reach the comparison.
    EXPECT_GE(results, minimumResults);
}

TEST(Differential, SmallOperandsMatchTheExactSum) {
    std::vector<int> dens{1, 2, 3, 4, 5, 6, 7, 8};
    std::vector<int> nums;
    for (int n = -6; n <= 6; ++n)
        nums.push_back(n);
    checkGrid(dens, nums, {"", "-", "0", "-2", "3"}, 8 * 8 * 13 * 13 * 25);
}

TEST(Differential, OperandsNearTheLimitsMatchTheExactSum) {
    checkGrid({1, 2, 3, 180, 181, 255, 32767}, {-32768, -1, 0, 1, 12345, 32767},
              {"", "-", "-1", "1", "181", "-32768", "32767"}, 5000);
}

} // namespace
} // namespace zelvanu
