#pragma once
// Keeps the fastest repetition of every benchmark so that figures can be printed
// as ratios of two benchmarks measured in the same run.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;

  // Fastest time per iteration of `name`, in nanoseconds, or 0 when it did not run.
  double best(const std::string& name) const;
  // Divides the fastest time of `name` by `divisor` (e.g. per particle).
  double bestPer(const std::string& name, double divisor) const { return best(name) / divisor; }

 private:
  std::map<std::string, double> best_;
};

// A ratio line: "label: 1.07 (target <= 1.30)".
void printRatio(const char* label, double numerator, double denominator, double target);
