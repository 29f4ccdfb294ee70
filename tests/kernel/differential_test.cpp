// Checks the shown sum against the exact sum worked out independently in 64-bit integers, over
// grids of inputs. This is the test that catches a misplaced minus sign or a fraction left
// unreduced; and, for the working, a line that does not equal the sum or ends elsewhere than on
// the answer.

#include "kernel/calculator.h"
#include "support/exact_sum.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvanu {
namespace {

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
                            const std::string t1 = std::to_string(d1), t2 = std::to_string(d2);
                            const std::string t3 = std::to_string(n1), t4 = std::to_string(n2);
                            CalcOutcome out;
                            try {
                                out = calc.calculate(t1, t2, t3, t4, w1, w2);
                            } catch (const RunTimeError&) {
                                continue; // a fault shows nothing, so there is nothing to compare
                            }
                            const auto* shown = std::get_if<ResultFields>(&out);
                            ASSERT_NE(shown, nullptr);
                            const auto expected =
                                reference::expectedDisplay({t1, t2, t3, t4, w1, w2});
                            ASSERT_TRUE(expected.has_value());
                            const auto boxes = testing::Message()
                                               << "boxes " << d1 << ' ' << d2 << ' ' << n1 << ' '
                                               << n2 << " '" << w1 << "' '" << w2 << "'";
                            ASSERT_EQ(*shown, *expected)
                                << boxes << " shown '" << shown->sign << "' '" << shown->whole
                                << "' " << shown->numerator << '/' << shown->denominator;

                            const Working& working = calc.working();
                            ASSERT_GT(working.count, 0u) << boxes;
                            const auto exact =
                                reference::lowest(*reference::exactSum({t1, t2, t3, t4, w1, w2}));
                            for (const WorkingLine& line : working) {
                                const auto value = reference::valueOf(line);
                                ASSERT_TRUE(value.num == exact.num && value.den == exact.den)
                                    << boxes << " line " << static_cast<int>(line.step);
                            }
                            ASSERT_EQ(working.end()[-1].count, 1u) << boxes;
                            ASSERT_EQ(reference::fieldsOf(working.end()[-1]), *shown) << boxes;
                            ++results;
                        }
    // Guards the grid itself: enough of it must reach the comparison.
    EXPECT_GE(results, minimumResults);
}

TEST(Differential, SmallOperandsMatchTheExactSum) {
    std::vector<int> nums;
    for (int n = -6; n <= 6; ++n)
        nums.push_back(n);
    checkGrid({1, 2, 3, 4, 5, 6, 7, 8}, nums, {"", "-", "0", "-2", "3"}, 8 * 8 * 13 * 13 * 25);
}

TEST(Differential, OperandsNearTheLimitsMatchTheExactSum) {
    checkGrid({1, 2, 3, 180, 181, 255, 32767}, {-32768, -1, 0, 1, 12345, 32767},
              {"", "-", "-1", "1", "181", "-32768", "32767"}, 5000);
}

} // namespace
} // namespace zelvanu
