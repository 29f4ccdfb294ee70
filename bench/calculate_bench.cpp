// How long one press of the calculate button costs in the kernel. Target: well under 1 us for a
// typical input; with the working worded for the window beside it, a few microseconds.

#include "form/form1_working.h"
#include "kernel/calculator.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void typicalCalculation(benchmark::State& state) {
    zelvanu::Calculator calc;
    for (auto _ : state) {
        // 1 1/2 + 2/3 = 2 1/6
        benchmark::DoNotOptimize(calc.calculate("2", "3", "1", "2", "1", ""));
    }
}
BENCHMARK(typicalCalculation);

void negativeCalculation(benchmark::State& state) {
    zelvanu::Calculator calc;
    for (auto _ : state) {
        // -(2 + 5/12) + 7/18
        benchmark::DoNotOptimize(calc.calculate("12", "18", "5", "7", "-2", "-"));
    }
}
BENCHMARK(negativeCalculation);

// The same calculation with its working turned into the window's lines: every step shown.
void typicalCalculationWithWorking(benchmark::State& state) {
    zelvanu::Calculator calc;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc.calculate("2", "3", "1", "2", "1", ""));
        benchmark::DoNotOptimize(zelvanu::workingText(calc.working()));
    }
}
BENCHMARK(typicalCalculationWithWorking);

// A pasted text of the given length in the numerator box: the conversion must stay linear.
void longText(benchmark::State& state) {
    const std::string digits(static_cast<std::size_t>(state.range(0)), '0');
    const std::string numerator = digits + "1";
    zelvanu::Calculator calc;
    for (auto _ : state)
        benchmark::DoNotOptimize(calc.calculate("2", "3", numerator, "1", "", ""));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(numerator.size()));
}
BENCHMARK(longText)->RangeMultiplier(16)->Range(16, 1 << 20);

} // namespace
