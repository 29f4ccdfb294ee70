// The working as a pupil writes it, from the school method (improper fractions, 通分, add the
// numerators, back to a whole or mixed number, 約分): each case lists the lines as they should
// read, written out by hand, not taken from the code.

#include "form/form1_working.h"
#include "form/working_layout.h"
#include "kernel/calculator.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

namespace zelvanu {
namespace {

// A line as plain text: "= 9/6 + 4/6 通分する", a negative second number in parentheses.
std::string plain(const WorkingText& line) {
    std::string s = line.equals ? "= " : "";
    for (const WorkingTerm& t : line.terms) {
        if (&t != &line.terms.front())
            s += " + ";
        s += (t.parenthesised ? "(" : "") + t.sign + t.whole;
        if (!t.numerator.empty())
            s += (t.whole.empty() ? "" : " ") + t.numerator + '/' + t.denominator;
        s += t.parenthesised ? ")" : "";
    }
    for (const std::string& part : {line.words, line.name})
        if (!part.empty())
            s += (s.empty() ? "" : " ") + part;
    return s;
}

struct Case {
    const char* name;
    std::array<std::string, 6> boxes; // Text1 ... Text6: denominators, numerators, whole parts
    std::vector<std::string> lines;
};
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class Working : public testing::TestWithParam<Case> {};

TEST_P(Working, ReadsAsThePupilWritesIt) {
    Calculator calc;
    std::vector<WorkingText> lines;
    const auto& b = GetParam().boxes;
    try {
        calc.calculate(b[0], b[1], b[2], b[3], b[4], b[5]);
        lines = workingText(calc.working());
    } catch (const RunTimeError& error) {
        lines = workingText(calc.working(), &error.overflowed());
    }
    std::vector<std::string> shown;
    for (const WorkingText& line : lines)
        shown.push_back(plain(line));
    EXPECT_EQ(shown, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    SchoolMethod, Working,
    testing::Values(
        Case{"mixed_plus_fraction",
             {"2", "3", "1", "2", "1", ""},
             {"1 1/2 + 2/3", "= 3/2 + 2/3 仮分数に直す", "= 9/6 + 4/6 通分する",
              "= 13/6 分子をたす", "= 2 1/6 帯分数に直す"}},
        Case{"reduce_at_the_end",
             {"6", "3", "1", "1", "", ""},
             {"1/6 + 1/3", "= 1/6 + 2/6 通分する", "= 3/6 分子をたす", "= 1/2 約分する"}},
        Case{"same_denominators_then_reduce",
             {"4", "4", "1", "1", "1", "1"},
             {"1 1/4 + 1 1/4", "= 5/4 + 5/4 仮分数に直す", "= 10/4 分子をたす",
              "= 2 2/4 帯分数に直す", "= 2 1/2 約分する"}},
        Case{"negative_mixed_number",
             {"3", "2", "1", "1", "-2", ""},
             {"-2 1/3 + 1/2", "= -7/3 + 1/2 仮分数に直す", "= -14/6 + 3/6 通分する",
              "= -11/6 分子をたす", "= -1 5/6 帯分数に直す"}},
        Case{"negative_whole_number",
             {"2", "2", "1", "1", "-", "-"},
             {"-1/2 + (-1/2)", "= -2/2 分子をたす", "= -1 整数に直す"}},
        Case{"zero",
             {"2", "2", "1", "1", "", "-"},
             {"1/2 + (-1/2)", "= 0/2 分子をたす", "= 0 整数に直す"}},
        Case{"numerators_past_16_bits",
             {"2", "3", "32767", "-32767", "", ""},
             {"32767/2 + (-32767/3)", "= 98301/6 + (-65534/6) 通分する", "= 32767/6 分子をたす",
              "= 5461 1/6 帯分数に直す"}},
        Case{"overflow_of_the_common_denominator",
             {"200", "200", "1", "1", "", ""},
             {"1/200 + 1/200", "200 × 200 = 40000 > 32767 オーバーフロー 通分する"}},
        Case{"overflow_of_an_improper_numerator",
             {"200", "1", "1", "1", "200", ""},
             {"200 1/200 + 1/1", "200 × 200 = 40000 > 32767 オーバーフロー 仮分数に直す"}},
        Case{"overflow_of_the_sum",
             {"1", "1", "32767", "1", "", ""},
             {"32767/1 + 1/1", "32767 + 1 = 32768 > 32767 オーバーフロー 分子をたす"}},
        Case{"overflow_of_a_box",
             {"1", "1", "40000", "1", "", ""},
             {"40000 > 32767 オーバーフロー 1つ目の数の分子"}},
        Case{"overflow_below_the_range",
             {"1", "1", "1", "1", "", "-40000"},
             {"-40000 < -32768 オーバーフロー 2つ目の数の整数部分"}},
        Case{"overflow_beyond_any_number",
             {std::string(400, '9'), "1", "1", "1", "", ""},
             {"> 32767 オーバーフロー 1つ目の数の分母"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Each line is read as the answer is: the step's name, then its numbers with たす between them.
TEST(Working, IsReadAloudLineByLine) {
    Calculator calc;
    calc.calculate("2", "3", "1", "2", "1", "");
    std::vector<std::string> spoken;
    for (const WorkingText& line : workingText(calc.working()))
        spoken.push_back(line.spoken);
    EXPECT_EQ(spoken, (std::vector<std::string>{"1 と 2分の1 たす 3分の2",
                                                "仮分数に直す 2分の3 たす 3分の2",
                                                "通分する 6分の9 たす 6分の4", "分子をたす 6分の13",
                                                "帯分数に直す 2 と 6分の1"}));

    calc.calculate("3", "2", "1", "1", "-2", "-");
    EXPECT_EQ(workingText(calc.working()).front().spoken,
              "マイナス 2 と 3分の1 たす マイナス 2分の1");
    try {
        calc.calculate("200", "200", "1", "1", "", "");
    } catch (const RunTimeError& error) {
        EXPECT_EQ(workingText(calc.working(), &error.overflowed()).back().spoken,
                  "通分する 200 かける 200 は 40000、32767 より大きいので オーバーフロー");
    }
}

// Painted, a fraction stands on its bar: the numerator above it and the denominator below,
// both within its length, and what follows starts after it.
TEST(WorkingLayout, StacksEachFractionOnItsBar) {
    Calculator calc;
    calc.calculate("2", "3", "1", "2", "1", "");
    const WorkingMetrics metrics{[](std::string_view s) { return 6 * int(s.size()); }, 12, 1};
    const auto layout = layOutWorkingLine(workingText(calc.working()).front(), metrics);
    // "1", "1" over a bar over "2", "+", "2" over a bar over "3"
    ASSERT_EQ(layout.pieces.size(), 8u);
    const auto& [whole, num, bar, den, plus, num2, bar2, den2] =
        std::tie(layout.pieces[0], layout.pieces[1], layout.pieces[2], layout.pieces[3],
                 layout.pieces[4], layout.pieces[5], layout.pieces[6], layout.pieces[7]);
    EXPECT_EQ(bar.kind, WorkingPiece::Kind::Bar);
    EXPECT_LT(num.y + num.height, bar.y + 1);
    EXPECT_GT(den.y, bar.y);
    for (const WorkingPiece* p : {&num, &den})
        EXPECT_TRUE(p->x >= bar.x && p->x + p->width <= bar.x + bar.width);
    EXPECT_LE(whole.x + whole.width, bar.x);
    EXPECT_LE(bar.x + bar.width, plus.x);
    EXPECT_EQ(layout.height, den2.y + den2.height);
    EXPECT_EQ(layout.width, bar2.x + bar2.width);
    EXPECT_EQ(num2.text + den2.text, "23");

    // The names of the later lines stand in one column.
    std::vector<WorkingLineLayout> lines;
    for (const WorkingText& line : workingText(calc.working()))
        lines.push_back(layOutWorkingLine(line, metrics));
    std::vector<WorkingLineLayout*> named;
    for (WorkingLineLayout& line : lines)
        named.push_back(&line);
    alignStepNames(named);
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].pieces.back().x + lines[i].pieces.back().width, lines[i].width);
    EXPECT_EQ(lines[1].pieces.back().x, lines[4].pieces.back().x);
}

} // namespace
} // namespace zelvanu
