#include "kernel/checked.h"
#include "kernel/runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace zelvanu {
namespace {

using Kind = RunTimeError::Kind;

// Runs f and reports the fault it raised, if any.
template <typename F> std::optional<Kind> faultOf(F&& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        return e.kind();
    }
    return std::nullopt;
}

// --- 16-bit operations: each limit paired "just fits" / "just overflows" ----------------------

struct BinaryCase {
    const char* name;
    std::function<i16(i16, i16)> op;
    i16 a, b;
    std::optional<i16> expected; // nullopt: overflow
};
void PrintTo(const BinaryCase& c, std::ostream* os) {
    *os << c.name;
}

class CheckedBinary : public testing::TestWithParam<BinaryCase> {};

TEST_P(CheckedBinary, GivesExactResultOrOverflow) {
    const BinaryCase& c = GetParam();
    if (c.expected) {
        EXPECT_EQ(c.op(c.a, c.b), *c.expected);
    } else {
        try {
            c.op(c.a, c.b);
            FAIL() << "no overflow";
        } catch (const RunTimeError& e) {
            EXPECT_EQ(e.kind(), Kind::Overflow);
            EXPECT_EQ(e.number(), 6);
        }
    }
}

const auto mul = [](i16 a, i16 b) {
    return mul16(a, b);
};
const auto add = [](i16 a, i16 b) {
    return add16(a, b);
};
const auto sub = [](i16 a, i16 b) {
    return sub16(a, b);
};
const auto neg = [](i16 a, i16) {
    return neg16(a);
};
const auto abs = [](i16 a, i16) {
    return abs16(a);
};
const auto div = [](i16 a, i16 b) {
    return div16(a, b);
};
const auto rem = [](i16 a, i16 b) {
    return rem16(a, b);
};

INSTANTIATE_TEST_SUITE_P(
    Limits, CheckedBinary,
    testing::Values(BinaryCase{"add_fits_max", add, 32766, 1, 32767},
                    BinaryCase{"add_overflows_max", add, 32767, 1, std::nullopt},
                    BinaryCase{"add_fits_min", add, -32767, -1, -32768},
                    BinaryCase{"add_overflows_min", add, -32768, -1, std::nullopt},
                    BinaryCase{"sub_fits_min", sub, -32767, 1, -32768},
                    BinaryCase{"sub_overflows_min", sub, -32768, 1, std::nullopt},
                    BinaryCase{"sub_overflows_max", sub, 0, -32768, std::nullopt},
                    BinaryCase{"mul_fits_181x181", mul, 181, 181, 32761},
                    BinaryCase{"mul_overflows_182x181", mul, 182, 181, std::nullopt},
                    BinaryCase{"mul_overflows_200x200", mul, 200, 200, std::nullopt},
                    BinaryCase{"mul_fits_min", mul, -128, 256, -32768},
                    BinaryCase{"mul_overflows_min_negated", mul, -32768, -1, std::nullopt},
                    BinaryCase{"neg_fits", neg, -32767, 0, 32767},
                    BinaryCase{"neg_overflows_min", neg, -32768, 0, std::nullopt},
                    BinaryCase{"abs_fits", abs, -32767, 0, 32767},
                    BinaryCase{"abs_overflows_min", abs, -32768, 0, std::nullopt},
                    BinaryCase{"div_truncates_negative_dividend", div, -7, 2, -3},
                    BinaryCase{"div_truncates_negative_divisor", div, 7, -2, -3},
                    BinaryCase{"div_overflows_min_by_minus_one", div, -32768, -1, std::nullopt},
                    BinaryCase{"rem_follows_dividend_negative", rem, -7, 2, -1},
                    BinaryCase{"rem_follows_dividend_positive", rem, 7, -2, 1},
                    BinaryCase{"rem_min_by_minus_one_is_zero", rem, -32768, -1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Rounding conversions ---------------------------------------------------------------------

struct RoundCase {
    const char* name;
    double x;
    std::optional<i16> expected;
};
void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << c.name;
}

class ToInt16 : public testing::TestWithParam<RoundCase> {};

TEST_P(ToInt16, RoundsHalfToEvenWithinRange) {
    const RoundCase& c = GetParam();
    if (c.expected)
        EXPECT_EQ(toInt16(c.x), *c.expected);
    else
        EXPECT_EQ(faultOf([&] { toInt16(c.x); }), Kind::Overflow);
}

const double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, ToInt16,
    testing::Values(RoundCase{"half_down_to_even_0", 0.5, 0},
                    RoundCase{"half_up_to_even_2", 1.5, 2}, RoundCase{"half_2_5", 2.5, 2},
                    RoundCase{"half_3_5", 3.5, 4}, RoundCase{"minus_half", -0.5, 0},
                    RoundCase{"minus_2_5", -2.5, -2}, RoundCase{"minus_3_5", -3.5, -4},
                    RoundCase{"below_half", 0.4999999, 0}, RoundCase{"above_half", 0.5000001, 1},
                    RoundCase{"max_fits", 32767.4, 32767},
                    RoundCase{"max_overflows", 32767.5, std::nullopt},
                    RoundCase{"min_fits", -32768.4, -32768},
                    RoundCase{"min_half_rounds_to_even_min", -32768.5, -32768},
                    RoundCase{"min_overflows", -32768.6, std::nullopt},
                    RoundCase{"huge_overflows", 1e300, std::nullopt},
                    RoundCase{"infinity_overflows", inf, std::nullopt},
                    RoundCase{"minus_infinity_overflows", -inf, std::nullopt},
                    RoundCase{"nan_overflows", std::nan(""), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToInt32, RoundsAndChecksTheWideRange) {
    EXPECT_EQ(toInt32(2147483647.4), 2147483647);
    EXPECT_EQ(toInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(toInt32(6.5), 6);
    EXPECT_EQ(faultOf([] { toInt32(2147483647.5); }), Kind::Overflow);
    EXPECT_EQ(faultOf([] { toInt32(-2147483649.0); }), Kind::Overflow);
    EXPECT_EQ(faultOf([] { toInt32(std::nan("")); }), Kind::Overflow);
}

TEST(Narrow32to16, KeepsFittingValuesAndRejectsOthers) {
    EXPECT_EQ(narrow32to16(32767), 32767);
    EXPECT_EQ(narrow32to16(-32768), -32768);
    EXPECT_EQ(faultOf([] { narrow32to16(32768); }), Kind::Overflow);
    EXPECT_EQ(faultOf([] { narrow32to16(-32769); }), Kind::Overflow);
}

TEST(CheckedFp, FaultsOnNonFiniteResultsOnly) {
    const double zero = 0.0;
    EXPECT_EQ(checkedFp(1.0 / 3.0), 1.0 / 3.0);
    EXPECT_EQ(checkedFp(1e-320), 1e-320); // underflow and denormals are not faults
    EXPECT_EQ(faultOf([&] { checkedFp(zero / zero); }), Kind::FloatingPoint);
    EXPECT_EQ(faultOf([&] { checkedFp(1.0 / zero); }), Kind::FloatingPoint);
    EXPECT_EQ(faultOf([] { checkedFp(1e308 * 10.0); }), Kind::FloatingPoint);
    EXPECT_NE(RunTimeError(Kind::FloatingPoint).number(), RunTimeError(Kind::Overflow).number());
    EXPECT_STRNE(RunTimeError(Kind::FloatingPoint).what(), RunTimeError(Kind::Overflow).what());
}

// --- Text to number ---------------------------------------------------------------------------

struct TextCase {
    const char* name;
    std::string text;
    double expected;
};
void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class TextToDouble : public testing::TestWithParam<TextCase> {};

TEST_P(TextToDouble, ReadsTheLeadingNumber) {
    const TextCase& c = GetParam();
    const double got = textToDouble(c.text);
    if (std::isinf(c.expected))
        EXPECT_EQ(got, c.expected);
    else
        EXPECT_DOUBLE_EQ(got, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, TextToDouble,
    testing::Values(
        TextCase{"empty", "", 0}, TextCase{"lone_minus", "-", 0}, TextCase{"letters", "abc", 0},
        TextCase{"digits", "12", 12}, TextCase{"trailing_letters", "12abc", 12},
        TextCase{"decimal", "2.5", 2.5}, TextCase{"negative", "-7", -7}, TextCase{"plus", "+8", 8},
        TextCase{"leading_point", ".5", 0.5},
        TextCase{"point_without_digits_ends_number", "5.x", 5},
        TextCase{"second_point_ends_number", "1.2.3", 1.2},
        TextCase{"leading_blanks", " \t 42", 42}, TextCase{"blank_inside_ends_number", "4 2", 4},
        TextCase{"blank_after_sign_ends_number", "- 5", 0}, TextCase{"exponent_not_read", "1e3", 1},
        TextCase{"hex_prefix_not_read", "0x10", 0}, TextCase{"comma_not_a_decimal_point", "2,5", 2},
        TextCase{"fullwidth_digits", "１２", 12}, TextCase{"fullwidth_digit_0", "1０", 10},
        TextCase{"fullwidth_digit_1", "１", 1}, TextCase{"fullwidth_digit_2", "２", 2},
        TextCase{"fullwidth_digit_3", "３", 3}, TextCase{"fullwidth_digit_4", "４", 4},
        TextCase{"fullwidth_digit_5", "５", 5}, TextCase{"fullwidth_digit_6", "６", 6},
        TextCase{"fullwidth_digit_7", "７", 7}, TextCase{"fullwidth_digit_8", "８", 8},
        TextCase{"fullwidth_digit_9", "９", 9}, TextCase{"fullwidth_minus", "－３", -3},
        TextCase{"fullwidth_plus", "＋３", 3}, TextCase{"minus_sign_u2212", "−4", -4},
        TextCase{"prolonged_sound_mark", "ー5", -5}, TextCase{"fullwidth_full_stop", "1．5", 1.5},
        TextCase{"ideographic_space", "　9", 9}, TextCase{"mixed_width_digits", "1０0", 100},
        TextCase{"other_fullwidth_form_ends_number", "1，2", 1},
        TextCase{"fullwidth_letter_ends_number", "1Ａ", 1},
        TextCase{"other_three_byte_character_ends_number", "1、2", 1},
        TextCase{"four_byte_character_ends_number", "9😀", 9},
        TextCase{"truncated_utf8_is_other", "\xEF\xBC", 0},
        TextCase{"bad_second_byte_is_not_a_digit", "\xEF\x3C\x91", 0},
        TextCase{"bad_third_byte_is_not_a_digit", "\xEF\xBC\x11", 0},
        TextCase{"invalid_utf8_ends_number", "7\xFF", 7},
        TextCase{"nul_ends_number", std::string("3\0\x34", 3), 3},
        TextCase{"beyond_double_range", "1" + std::string(400, '0'), inf},
        TextCase{"beyond_double_range_negative", "-9" + std::string(400, '9'), -inf},
        TextCase{"below_double_range", "0." + std::string(400, '0') + "1", 0},
        TextCase{"megabyte_of_digits", std::string(1 << 20, '7'), inf}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Number to text ---------------------------------------------------------------------------

TEST(NumberToText, PlainDigitsWithoutPointOrExponent) {
    EXPECT_EQ(int16ToText(12), "12");
    EXPECT_EQ(int16ToText(0), "0");
    EXPECT_EQ(int16ToText(32767), "32767");
    EXPECT_EQ(int16ToText(-5), "-5");
    EXPECT_EQ(doubleToText(6.0), "6");
    EXPECT_EQ(doubleToText(32767.0), "32767");
    EXPECT_EQ(doubleToText(0.0), "0");
}

} // namespace
} // namespace zelvanu
