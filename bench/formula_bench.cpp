// Evaluation speed of the expressions a conversion builds: the goal is at
// least one million evaluations per second.
#include "formula/formula.h"

#include <benchmark/benchmark.h>

namespace {

void evaluate(benchmark::State& state, const char* expression) {
    for (auto _ : state) {
        double value = FormulaCalculateText(expression);
        benchmark::DoNotOptimize(value);
    }
    if (FormulaError != FORMULA_OK) state.SkipWithError("the expression was rejected");
    state.SetItemsProcessed(state.iterations());
}

// A yard-pound length conversion with group rates.
BENCHMARK_CAPTURE(evaluate, group_rates, "(12)*(0.9144/36000)/(1609.344*3)");
// Fahrenheit to Celsius.
BENCHMARK_CAPTURE(evaluate, temperature, "(((5/9)*(100-32)+273.15))-273.15");
// A result pasted back from the output field, with a power rate.
BENCHMARK_CAPTURE(evaluate, pasted_result, "(1.2e-002)*(10^3)/(1)");
// Metric with simple rates.
BENCHMARK_CAPTURE(evaluate, metric, "(12)*(0.001)/(1)");
// A rate with a power of a negative exponent and pi.
BENCHMARK_CAPTURE(evaluate, power_and_pi, "(2.5)*(1.00202*10^-13)/(3600*360/(2*pi))");
// Long literals that need the slow number path.
BENCHMARK_CAPTURE(evaluate, long_literals, "(1.2345678901234567890123)*(1e-300)/(1)");

}  // namespace
