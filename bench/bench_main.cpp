// particles-bench: Google Benchmark figures, then the ratios they are judged by.
// Each benchmark keeps the fastest of several repetitions after a warm-up
// iteration, and each ratio compares two benchmarks of the same run.

#include <cstdio>

#include "bench/ratio_reporter.h"

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
    const double ns =
        run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
    const std::string name = run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
    auto [it, fresh] = best_.emplace(name, ns);
    if (!fresh && ns < it->second) it->second = ns;
  }
}

double RatioReporter::best(const std::string& name) const {
  const auto it = best_.find(name);
  return it == best_.end() ? 0.0 : it->second;
}

void printRatio(const char* label, double numerator, double denominator, double target) {
  if (numerator <= 0.0 || denominator <= 0.0) {
    std::printf("%-48s not measured\n", label);
    return;
  }
  const double ratio = numerator / denominator;
  std::printf("%-48s %6.2f  (target <= %.2f)%s\n", label, ratio, target,
              ratio <= target ? "" : "  MISSED");
}

void printSimulationRatios(const RatioReporter& reporter);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nRatios (fastest repetition of each):\n");
  printSimulationRatios(reporter);
  benchmark::Shutdown();
  return 0;
}
