// Evaluations per second of typical handle amounts.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

#include "../tests/expr/script_globals.h"
#include "expr/script.h"

namespace {

void SetUpGlobals() {
  if (gPlugin != nullptr) return;
  gPlugin = NewScriptGlobals();
  VariableTable& table = gPlugin->variables;
  gPlugin->currentScaleIndex = 3;
  // A chain of five variables, each built on the next.
  const char* rows[][2] = {
      {"v1", "v2+1"}, {"v2", "v3*2"}, {"v3", "v4-0.5"}, {"v4", "v5/4"}, {"v5", "%%PRESET_IDX%%*10"}};
  for (int row = 0; row < 5; ++row) {
    std::strcpy(table.varNames[row], rows[row][0]);
    std::strcpy(table.varValues[row], rows[row][1]);
  }
  RevisionHandle& handle = gPlugin->handles[0];
  handle.kind = kHandleDistance;
  handle.line.p1 = RealPoint{10.0, 20.0};
  handle.line.p2 = RealPoint{110.0, 60.0};
  gPlugin->envHandleSlot = 0;
}

void Evaluate(benchmark::State& state, const char* text) {
  SetUpGlobals();
  for (auto _ : state) benchmark::DoNotOptimize(EvaluateExpressionToNumber(text));
  state.counters["evals/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(Evaluate, plain_amount, "100.0");
BENCHMARK_CAPTURE(Evaluate, integer_amount, "105");
BENCHMARK_CAPTURE(Evaluate, preset_condition, "IF(%%PRESET_IDX%%>2){110}ELSE{95}");
BENCHMARK_CAPTURE(Evaluate, variable_chain_depth_5, "v1");
BENCHMARK_CAPTURE(Evaluate, moving_distance, "moving_distance(12.5)");

}  // namespace
