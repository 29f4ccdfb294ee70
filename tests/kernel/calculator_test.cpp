#include "kernel/calculator.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace zelvanu {
namespace {

using Kind = RunTimeError::Kind;

// --- GCD and LCM ------------------------------------------------------------------------------

struct GcdCase {
    const char* name;
    i16 m, n;
    i32 expected;
};
void PrintTo(const GcdCase& c, std::ostream* os) {
    *os << c.name;
}

class Gcd : public testing::TestWithParam<GcdCase> {};

TEST_P(Gcd, KeepsTheSignOfTheChainAndStoresIt) {
    const GcdCase& c = GetParam();
    Calculator calc;
    EXPECT_EQ(calc.GCD(c.m, c.n), c.expected);
    EXPECT_EQ(calc.state().GcdVal, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Gcd,
    testing::Values(GcdCase{"g12_18", 12, 18, 6}, GcdCase{"g18_12", 18, 12, 6},
                    GcdCase{"g7_7", 7, 7, 7}, GcdCase{"g0_6", 0, 6, 6}, GcdCase{"g5_0", 5, 0, 5},
                    GcdCase{"g0_0", 0, 0, 0}, GcdCase{"minus1_6_odd_place", -1, 6, -1},
                    GcdCase{"minus2_6", -2, 6, -2}, GcdCase{"minus3_6", -3, 6, -3},
                    GcdCase{"minus4_6_even_place", -4, 6, 2}, GcdCase{"minus5_6", -5, 6, 1},
                    GcdCase{"min_with_minus_one", -32768, -1, -1},
                    GcdCase{"min_with_zero", -32768, 0, -32768},
                    GcdCase{"max_primes", 32749, 32719, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct LcmCase {
    const char* name;
    i16 a, b;
    std::optional<i32> expected; // nullopt: the fault below
    Kind fault;
    i16 gcdAfter;
};
void PrintTo(const LcmCase& c, std::ostream* os) {
    *os << c.name;
}

class Lcm : public testing::TestWithParam<LcmCase> {};

TEST_P(Lcm, StoresGcdThenLcmOrFaultsKeepingLcmVal) {
    const LcmCase& c = GetParam();
    Calculator calc;
    calc.LCM(3, 5); // LcmVal 15: a fault must leave it there
    if (c.expected) {
        EXPECT_EQ(calc.LCM(c.a, c.b), *c.expected);
        EXPECT_EQ(calc.state().LcmVal, *c.expected);
    } else {
        try {
            calc.LCM(c.a, c.b);
            FAIL() << "no fault";
        } catch (const RunTimeError& e) {
            EXPECT_EQ(e.kind(), c.fault);
        }
        EXPECT_EQ(calc.state().LcmVal, 15);
    }
    EXPECT_EQ(calc.state().GcdVal, c.gcdAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Lcm,
    testing::Values(
        LcmCase{"l2_3", 2, 3, 6, {}, 1}, LcmCase{"l4_6", 4, 6, 12, {}, 2},
        LcmCase{"product_just_fits", 181, 181, 181, {}, 181},
        LcmCase{"product_overflows", 182, 181, std::nullopt, Kind::Overflow, 1},
        LcmCase{"small_answer_still_overflows", 200, 200, std::nullopt, Kind::Overflow, 200},
        LcmCase{"l1_max", 1, 32767, 32767, {}, 1},
        LcmCase{"abs_of_min_overflows", -128, 256, std::nullopt, Kind::Overflow, -128},
        LcmCase{"zero_zero_floating_point", 0, 0, std::nullopt, Kind::FloatingPoint, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The calculation --------------------------------------------------------------------------

// Operands in the order of the boxes Text1..Text6.
struct Boxes {
    std::string t1, t2, t3, t4, t5, t6;
};

CalcOutcome run(Calculator& calc, const Boxes& b) {
    return calc.calculate(b.t1, b.t2, b.t3, b.t4, b.t5, b.t6);
}

struct CalcCase {
    const char* name;
    Boxes boxes;
    ResultFields expected; // sign, whole, numerator, denominator
};
void PrintTo(const CalcCase& c, std::ostream* os) {
    *os << c.name;
}

class Calculate : public testing::TestWithParam<CalcCase> {};

TEST_P(Calculate, ShowsTheReducedMixedNumber) {
    const CalcCase& c = GetParam();
    Calculator calc;
    const CalcOutcome out = run(calc, c.boxes);
    ASSERT_TRUE(std::holds_alternative<ResultFields>(out)) << std::get<std::string>(out);
    const auto& f = std::get<ResultFields>(out);
    EXPECT_EQ(f.sign, c.expected.sign);
    EXPECT_EQ(f.whole, c.expected.whole);
    EXPECT_EQ(f.numerator, c.expected.numerator);
    EXPECT_EQ(f.denominator, c.expected.denominator);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Calculate,
    testing::Values(
        CalcCase{"half_plus_third", {"2", "3", "1", "1", "", ""}, {"", "", "5", "6"}},
        CalcCase{
            "one_and_half_plus_two_thirds", {"2", "3", "1", "2", "1", ""}, {"", "2", "1", "6"}},
        CalcCase{"halves_make_one", {"2", "2", "1", "1", "", ""}, {"", "1", "", ""}},
        CalcCase{"minus_half_plus_third_sign_from_denominator",
                 {"2", "3", "1", "1", "-", ""},
                 {"-", "", "1", "6"}},
        CalcCase{"minus_two_thirds_plus_zero_sign_from_numerator",
                 {"3", "2", "2", "0", "-", ""},
                 {"-", "", "2", "3"}},
        CalcCase{"negative_whole_part", {"2", "1", "1", "0", "-1", ""}, {"-", "1", "1", "2"}},
        CalcCase{"improper_numerator_accepted", {"2", "1", "5", "0", "", ""}, {"", "2", "1", "2"}},
        CalcCase{"negative_numerator", {"2", "3", "-1", "0", "", ""}, {"-", "", "1", "2"}},
        CalcCase{
            "minus_zero_whole_is_positive", {"2", "3", "1", "1", "-0", ""}, {"", "", "5", "6"}},
        CalcCase{
            "blank_then_minus_is_positive", {"2", "3", "1", "1", " -", ""}, {"", "", "5", "6"}},
        CalcCase{"fullwidth_minus_alone_is_not_the_minus_text",
                 {"2", "3", "1", "1", "－", ""},
                 {"", "", "5", "6"}},
        CalcCase{"second_operand_minus_text", {"2", "3", "1", "1", "", "-"}, {"", "", "1", "6"}},
        CalcCase{"negative_whole_number_sum_shows_sign",
                 {"2", "2", "1", "1", "-", "-"},
                 {"-", "1", "", ""}},
        CalcCase{"zero_sum_shows_zero", {"2", "2", "1", "1", "", "-"}, {"", "0", "", ""}},
        CalcCase{
            "denominator_rounds_up_from_0_6", {"0.6", "1", "1", "0", "", ""}, {"", "1", "", ""}},
        CalcCase{"denominator_2_5_rounds_to_2", {"2.5", "2", "1", "0", "", ""}, {"", "", "1", "2"}},
        CalcCase{"letters_in_numerator_count_as_zero",
                 {"2", "2", "abc", "1", "", ""},
                 {"", "", "1", "2"}},
        CalcCase{"fullwidth_input", {"４", "4", "１", "1", "", ""}, {"", "", "1", "2"}},
        CalcCase{"largest_sum_numerator", {"1", "1", "32766", "1", "", ""}, {"", "32767", "", ""}},
        CalcCase{"negative_sign_with_whole_and_fraction",
                 {"2", "3", "1", "1", "-2", "-1"},
                 {"-", "3", "5", "6"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct MessageCase {
    const char* name;
    Boxes boxes;
    std::string_view message;
};
void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << c.name;
}

class Messages : public testing::TestWithParam<MessageCase> {};

TEST_P(Messages, ReportTheFirstProblem) {
    const MessageCase& c = GetParam();
    Calculator calc;
    const CalcOutcome out = run(calc, c.boxes);
    ASSERT_TRUE(std::holds_alternative<std::string>(out));
    EXPECT_EQ(std::get<std::string>(out), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Messages,
    testing::Values(
        MessageCase{"empty_numerator", {"2", "3", "", "1", "1", "1"}, kEnterNumberMessage},
        MessageCase{"empty_denominator", {"", "3", "1", "1", "", ""}, kEnterNumberMessage},
        MessageCase{"empty_box_wins_over_bad_denominator",
                    {"0", "", "1", "1", "", ""},
                    kEnterNumberMessage},
        MessageCase{
            "empty_box_wins_over_overflow", {"99999", "3", "", "1", "", ""}, kEnterNumberMessage},
        MessageCase{"zero_denominator", {"0", "3", "1", "1", "", ""}, kDenominatorMessage},
        MessageCase{"negative_denominator", {"2", "-3", "1", "1", "", ""}, kDenominatorMessage},
        MessageCase{"letters_denominator", {"abc", "3", "1", "1", "", ""}, kDenominatorMessage},
        MessageCase{
            "denominator_0_4_rounds_to_zero", {"0.4", "3", "1", "1", "", ""}, kDenominatorMessage},
        MessageCase{
            "blank_denominator_is_not_empty", {" ", "3", "1", "1", "", ""}, kDenominatorMessage}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Messages, EmptyBoxLeavesTheRecordUntouched) {
    Calculator calc;
    run(calc, {"2", "3", "1", "1", "", ""});
    run(calc, {"7", "9", "", "1", "", ""});
    EXPECT_EQ(calc.state().Den1, 2);
    EXPECT_EQ(calc.state().LcmVal, 6);
}

struct FaultCase {
    const char* name;
    Boxes boxes;
};
void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class OverflowPoints : public testing::TestWithParam<FaultCase> {};

TEST_P(OverflowPoints, RaiseOverflowNumberSix) {
    Calculator calc;
    try {
        run(calc, GetParam().boxes);
        FAIL() << "no fault";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.kind(), Kind::Overflow);
        EXPECT_EQ(e.number(), 6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, OverflowPoints,
    testing::Values(
        FaultCase{"conversion_of_numerator", {"2", "3", "40000", "1", "", ""}},
        FaultCase{"conversion_before_denominator_check", {"0", "3", "1", "1", "", "40000"}},
        FaultCase{"conversion_of_megabyte", {"2", "3", std::string(1 << 20, '9'), "1", "", ""}},
        FaultCase{"product_inside_lcm", {"200", "200", "1", "1", "", ""}},
        FaultCase{"sum_numerator", {"1", "1", "32767", "1", "", ""}},
        FaultCase{"negative_sum_numerator", {"1", "1", "-32767", "-2", "", ""}},
        FaultCase{"whole_times_denominator", {"200", "1", "1", "1", "200", ""}},
        FaultCase{"product_before_sum_brings_it_back", {"200", "1", "-100", "1", "164", ""}},
        FaultCase{"negative_whole_minus_numerator", {"1", "1", "1", "0", "-32768", ""}},
        FaultCase{"second_operand_improper", {"1", "2", "0", "1", "", "20000"}},
        FaultCase{"minus_text_negating_min", {"1", "1", "-32768", "0", "-", ""}},
        FaultCase{"magnitude_of_min_whole_part", {"1", "1", "-32768", "0", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

// Given the record of 5 1/2 + 6 1/3, when the next calculation overflows part-way, then the
// fields written before the overflow hold the new values and the rest keep the old ones.
struct RecordCase {
    const char* name;
    Boxes boxes;
    CalcState expected;
};
void PrintTo(const RecordCase& c, std::ostream* os) {
    *os << c.name;
}

class RecordUpToAnOverflow : public testing::TestWithParam<RecordCase> {};

TEST_P(RecordUpToAnOverflow, KeepsTheWriteOrder) {
    const RecordCase& c = GetParam();
    Calculator calc;
    run(calc, {"2", "3", "1", "1", "5", "6"});
    EXPECT_THROW(run(calc, c.boxes), RunTimeError);
    const CalcState& s = calc.state();
    const CalcState& e = c.expected;
    EXPECT_EQ(s.Den1, e.Den1);
    EXPECT_EQ(s.Den2, e.Den2);
    EXPECT_EQ(s.Whole1, e.Whole1);
    EXPECT_EQ(s.Whole2, e.Whole2);
    EXPECT_EQ(s.Imp1, e.Imp1);
    EXPECT_EQ(s.Imp2, e.Imp2);
    EXPECT_EQ(s.SumNum, e.SumNum);
    EXPECT_EQ(s.Num1, e.Num1);
    EXPECT_EQ(s.Num2, e.Num2);
    EXPECT_EQ(s.LcmVal, e.LcmVal);
    EXPECT_EQ(s.GcdVal, e.GcdVal);
}

// Before: Den 2 and 3, Whole 5 and 6, Imp 11 and 19, SumNum 71, Num 1 and 1, LcmVal 6, GcdVal 1.
// Fields in declaration order: Den1, Den2, Whole1, Whole2, Imp1, Imp2, SumNum, Num1, Num2,
// LcmVal, GcdVal.
INSTANTIATE_TEST_SUITE_P(Table, RecordUpToAnOverflow,
                         testing::Values(RecordCase{"in_the_second_numerator",
                                                    {"4", "5", "7", "40000", "8", "9"},
                                                    {4, 5, 5, 6, 11, 19, 71, 7, 1, 6, 1}},
                                         RecordCase{"in_the_first_whole_part",
                                                    {"4", "5", "7", "8", "40000", "9"},
                                                    {4, 5, 5, 6, 11, 19, 71, 7, 8, 6, 1}},
                                         RecordCase{"in_the_first_improper_numerator",
                                                    {"200", "3", "1", "1", "200", "1"},
                                                    {200, 3, 200, 1, 11, 19, 71, 1, 1, 6, 1}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Calculate, RecordAfterOneHalfPlusOneThird) {
    Calculator calc;
    run(calc, {"2", "3", "1", "1", "", ""});
    const CalcState& s = calc.state();
    EXPECT_EQ(s.Imp1, 1);
    EXPECT_EQ(s.Imp2, 1);
    EXPECT_EQ(s.LcmVal, 6);
    EXPECT_EQ(s.SumNum, 5);
    EXPECT_EQ(s.GcdVal, 1);
}

TEST(Calculate, NothingCarriesOverBetweenCalculations) {
    // Given calculators that went through faults, messages and results,
    // when they calculate the same input as a fresh one, then the outcomes agree.
    const Boxes probe{"4", "6", "3", "-1", "-", "2"};
    Calculator fresh;
    const CalcOutcome expected = run(fresh, probe);

    for (const Boxes& before :
         {Boxes{"200", "200", "1", "1", "", ""}, Boxes{"0", "3", "1", "1", "", ""},
          Boxes{"7", "11", "3", "5", "-3", "4"}, Boxes{"2", "3", "", "1", "", ""}}) {
        Calculator used;
        try {
            run(used, before);
        } catch (const RunTimeError&) {
        }
        EXPECT_EQ(run(used, probe), expected);
        EXPECT_EQ(run(used, probe), expected); // and twice in a row
    }
}

} // namespace
} // namespace zelvanu
