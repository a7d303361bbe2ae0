// Conversion timings, and the result formatter against a printf-based baseline.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "baseline_format.h"
#include "conversion/conversion.h"

namespace {

void BM_Convert(benchmark::State& state, int classNumber, std::string wide, std::string tele) {
  // Volatile reads keep the inputs opaque; see RunFormat for why not DoNotOptimize.
  volatile int classSource = classNumber;
  const char* volatile wideSource = wide.data();
  const char* volatile teleSource = tele.data();
  for (auto _ : state) {
    fokuro::FocalLengthResults results =
        fokuro::ConvertFocalLengths(classSource, std::string_view(wideSource, wide.size()),
                                    std::string_view(teleSource, tele.size()));
    benchmark::DoNotOptimize(results);
  }
}

const std::string kSpacesThenNumber = std::string(245, ' ') + "2147483647";

BENCHMARK_CAPTURE(BM_Convert, prime_28_at_1007, 1007, "28", "");
BENCHMARK_CAPTURE(BM_Convert, zoom_18_55_at_1007, 1007, "18", "55");
BENCHMARK_CAPTURE(BM_Convert, zoom_17_55_at_1006, 1006, "17", "55");
BENCHMARK_CAPTURE(BM_Convert, ten_digits_2147483647_at_1008, 1008, "2147483647", "");
BENCHMARK_CAPTURE(BM_Convert, negative_min_at_1008, 1008, "-2147483648", "-2147483648");
BENCHMARK_CAPTURE(BM_Convert, spaces_255_bytes_at_1008, 1008, kSpacesThenNumber, kSpacesThenNumber);

void RunFormat(benchmark::State& state, std::string (*format)(double), double value) {
  // Not DoNotOptimize(double&): with g++ 12 -O3 and benchmark 1.7.1 its "+m,r" constraint
  // handed the formatter garbage (-2.5e-163) instead of the value. A volatile read is opaque too.
  volatile double source = value;
  for (auto _ : state) {
    std::string text = format(source);
    benchmark::DoNotOptimize(text);
  }
}

void BM_FormatOurs(benchmark::State& state, double value) {
  RunFormat(state, fokuro::FormatResultText, value);
}

void BM_FormatBaseline(benchmark::State& state, double value) {
  RunFormat(state, fokuro::bench::BaselineFormatResultText, value);
}

// Each value once with ours and once with the baseline, next to each other in the output.
#define FORMAT_PAIR(name, value)                 \
  BENCHMARK_CAPTURE(BM_FormatOurs, name, value); \
  BENCHMARK_CAPTURE(BM_FormatBaseline, name, value)

FORMAT_PAIR(typical_28x1_6, 28 * 1.6);
FORMAT_PAIR(half_666666667x1_5, 666666667 * 1.5);
FORMAT_PAIR(carry_999999999_96, 999999999.96);
FORMAT_PAIR(tenth_0_1, 0.1);
FORMAT_PAIR(ten_digits_2147483647x1_7, 2147483647 * 1.7);

// The comparison only means something if both formatters write the same texts.
void CheckBaselineAgrees() {
  const double values[] = {0.0,       28 * 1.6,         666666667 * 1.5, 999999999.96,
                           0.1,       2147483647 * 1.7, -17.0,           50.0,
                           1e9 + 0.5, -2147483648 * 1.7};
  for (const double value : values) {
    const std::string ours = fokuro::FormatResultText(value);
    const std::string baseline = fokuro::bench::BaselineFormatResultText(value);
    if (ours != baseline) {
      std::fprintf(stderr, "fokuro-bench: formatters disagree on %.17g: \"%s\" vs \"%s\"\n", value,
                   ours.c_str(), baseline.c_str());
      std::exit(1);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  CheckBaselineAgrees();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
