// libFuzzer target: the input, split at line feeds, is the six box texts Text1..Text6 (missing
// ones are empty). Beyond "no crash", each input must satisfy the properties the display relies
// on, and its working must hold together: every line worth the sum as read, the last one the
// answer. A violation aborts with a message so that the fuzzer keeps the input.

#include "form/form1_working.h"
#include "kernel/calculator.h"
#include "support/exact_sum.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <string_view>

namespace {

using namespace zelvanu;

[[noreturn]] void violated(const char* property) {
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

void require(bool holds, const char* property) {
    if (!holds)
        violated(property);
}

bool digitsOrEmpty(const std::string& s) {
    for (const char c : s)
        if (c < '0' || c > '9')
            return false;
    return s.size() <= 5 && (s.size() <= 1 || s.front() != '0');
}

// Either the outcome or the fault kind, so that two runs can be compared.
struct Result {
    bool faulted = false;
    RunTimeError::Kind kind{};
    CalcOutcome outcome;
    bool operator==(const Result& o) const {
        return faulted == o.faulted && (faulted ? kind == o.kind : outcome == o.outcome);
    }
};

Result run(Calculator& calc, const std::array<std::string_view, 6>& t) {
    Result r;
    try {
        r.outcome = calc.calculate(t[0], t[1], t[2], t[3], t[4], t[5]);
    } catch (const RunTimeError& e) {
        r.faulted = true;
        r.kind = e.kind();
        require(workingText(calc.working(), &e.overflowed()).size() == calc.working().count + 1,
                "an overflow adds one line to the working");
    }
    return r;
}

// Every line of the working is worth what the first line, the sum as read, is worth.
void checkWorking(const Working& working) {
    if (working.count == 0)
        return;
    const auto sum = reference::valueOf(working.lines[0]);
    for (const WorkingLine& line : working) {
        const auto value = reference::valueOf(line);
        require(value.num == sum.num && value.den == sum.den, "each line equals the sum");
    }
}

void checkFields(const ResultFields& f) {
    require(f.sign.empty() || f.sign == "-", "sign is blank or -");
    require(digitsOrEmpty(f.whole) && digitsOrEmpty(f.numerator) && digitsOrEmpty(f.denominator),
            "fields are blank or plain digits");
    require(f.numerator.empty() == f.denominator.empty(), "numerator and denominator go together");
    require(!f.whole.empty() || !f.numerator.empty(), "something is shown");
    if (!f.numerator.empty()) {
        const long num = std::stol(f.numerator), den = std::stol(f.denominator);
        require(num >= 1 && num < den, "the fraction is proper");
        require(std::gcd(num, den) == 1, "the fraction is reduced");
    }
    if (f.whole == "0")
        require(f.sign.empty() && f.numerator.empty(), "zero shows alone");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::array<std::string_view, 6> texts{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < 6 && start <= input.size(); ++i) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        texts[i] = input.substr(start, end - start);
        start = end + 1;
    }

    Calculator fresh;
    const Result result = run(fresh, texts);

    // A calculator that has already worked gives the same answer: nothing carries over.
    static Calculator used;
    require(run(used, texts) == result, "a used calculator agrees with a fresh one");

    checkWorking(fresh.working());
    if (result.faulted)
        return 0;
    if (const auto* message = std::get_if<std::string>(&result.outcome)) {
        require(*message == kEnterNumberMessage || *message == kDenominatorMessage,
                "a message is one of the two");
        return 0;
    }
    const auto& fields = std::get<ResultFields>(result.outcome);
    checkFields(fields);
    const Working& working = fresh.working();
    require(working.count > 0 && working.end()[-1].count == 1 &&
                reference::fieldsOf(working.end()[-1]) == fields,
            "the working ends on the answer");
    if (const auto expected = reference::expectedDisplay(texts))
        require(fields == *expected, "plain integers show their exact sum");
    return 0;
}
