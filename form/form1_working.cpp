#include "form/form1_working.h"

#include <cmath>
#include <cstdint>

namespace zelvanu {

namespace {

using Op = Overflowed::Op;

std::string number(std::int64_t n) {
    return std::to_string(n);
}

// A signed number read aloud: "マイナス 3".
std::string spokenNumber(std::int64_t n) {
    return n < 0 ? "マイナス " + number(-n) : number(n);
}

WorkingTerm termOf(const WorkingNumber& n, bool afterPlus) {
    WorkingTerm t;
    if (n.negative)
        t.sign = "-";
    if (n.hasWhole)
        t.whole = number(n.whole);
    if (n.hasFraction) {
        t.numerator = number(n.numerator);
        t.denominator = number(n.denominator);
    }
    // Negative: the sign, or a minus the user typed into a numerator with no whole part.
    t.parenthesised = afterPlus && (n.negative || (n.numerator < 0 && !n.hasWhole));
    return t;
}

// As the answer is read: "マイナス 2 と 6分の1"; the denominator comes first in Japanese.
std::string spokenTerm(const WorkingNumber& n) {
    std::string s = n.negative ? "マイナス " : "";
    if (n.hasWhole)
        s += number(n.whole);
    if (n.hasWhole && n.hasFraction)
        s += " と ";
    if (n.hasFraction) {
        s += number(n.denominator) + "分の";
        s += n.numerator < 0 ? "マイナス" + number(-n.numerator) : number(n.numerator);
    }
    return s;
}

WorkingText lineText(const WorkingLine& line, bool first) {
    WorkingText text;
    text.equals = !first;
    text.name = std::string(stepName(line.step));
    text.spoken = text.name;
    for (std::size_t i = 0; i < line.count; ++i) {
        text.terms.push_back(termOf(line.numbers[i], i > 0));
        if (!text.spoken.empty())
            text.spoken += i > 0 ? " たす " : " ";
        text.spoken += spokenTerm(line.numbers[i]);
    }
    return text;
}

// The operation that overflowed, written and read: "200 × 200 = 40000", "200 かける 200 は 40000".
struct Expression {
    std::string shown, spoken;
};

// Within reach of 64 bits: the operations' operands and results always are; a box's value may
// be any double, even an infinity, and is only written when it is.
bool writable(double v) {
    return std::fabs(v) < 1e18; // false for NaN too
}

std::int64_t integer(double v) {
    return writable(v) ? static_cast<std::int64_t>(v) : 0;
}

Expression expressionOf(const Overflowed& o, const Working& working) {
    const std::int64_t a = integer(o.a), b = integer(o.b), x = integer(o.exact);
    const auto binary = [&](std::int64_t l, const char* sign, const char* word, std::int64_t r) {
        return Expression{number(l) + ' ' + sign + ' ' + number(r) + " = " + number(x),
                          spokenNumber(l) + ' ' + word + ' ' + spokenNumber(r) + " は " +
                              spokenNumber(x)};
    };
    switch (o.op) {
    case Op::Multiply:
        return binary(a, "×", "かける", b);
    case Op::Add:
        return binary(a, "+", "たす", b);
    case Op::Subtract:
        return binary(a, "-", "ひく", b);
    case Op::Divide:
    case Op::Remainder:
        return binary(a, "÷", "わる", b);
    case Op::Negate:
        return {"-(" + number(a) + ") = " + number(x),
                spokenNumber(a) + " の符号を変えると " + spokenNumber(x)};
    case Op::Abs:
        return {"|" + number(a) + "| = " + number(x),
                spokenNumber(a) + " の絶対値は " + spokenNumber(x)};
    case Op::Convert:
    case Op::None:
        break;
    }
    // The sum of the numerators is formed in doubles and overflows only as it is stored.
    if (working.box < 0 && working.step == WorkingStep::AddNumerators)
        return binary(working.overCommon[0], "+", "たす", working.overCommon[1]);
    // A box's value, rounded; a text too long for any number says only which way it went.
    if (writable(o.exact))
        return {number(x), spokenNumber(x)};
    return {};
}

WorkingText overflowText(const Working& working, const Overflowed& o) {
    const bool over = o.exact > 0;
    const Expression e = expressionOf(o, working);
    WorkingText text;
    text.words = e.shown + (e.shown.empty() ? "" : " ") + (over ? "> 32767" : "< -32768") +
                 " オーバーフロー";
    text.name = working.box >= 0
                    ? std::string(control(kBoxesInCalculationOrder[working.box]).spokenName)
                    : std::string(stepName(working.step));
    text.spoken = text.name + ' ' + e.spoken + (e.spoken.empty() ? "" : "、") +
                  (over ? "32767 より大きいので" : "マイナス 32768 より小さいので") +
                  " オーバーフロー";
    return text;
}

} // namespace

std::string_view stepName(WorkingStep step) {
    switch (step) {
    case WorkingStep::AsRead:
        break;
    case WorkingStep::ToImproper:
        return "仮分数に直す";
    case WorkingStep::CommonDenominator:
        return "通分する";
    case WorkingStep::AddNumerators:
        return "分子をたす";
    case WorkingStep::ToWhole:
        return "整数に直す";
    case WorkingStep::ToMixed:
        return "帯分数に直す";
    case WorkingStep::Reduce:
        return "約分する";
    }
    return {};
}

std::vector<WorkingText> workingText(const Working& working, const Overflowed* overflow) {
    std::vector<WorkingText> lines;
    lines.reserve(working.count + 1);
    for (const WorkingLine& line : working)
        lines.push_back(lineText(line, lines.empty()));
    if (overflow && overflow->op != Op::None)
        lines.push_back(overflowText(working, *overflow));
    return lines;
}

} // namespace zelvanu
