// Checks ConvertFocalLengths against the integer reference for every signed 32-bit typed
// number (or every S-th one) at a set of crop classes. Exits 1 at the first mismatch.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <limits>
#include <mutex>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "conversion/conversion.h"
#include "exact_reference.h"

namespace {

using fokuro::reference::Expected;
using fokuro::reference::ExpectedBuffer;
using fokuro::reference::FactorTenths;

constexpr std::uint64_t kAllNumbers = std::uint64_t{1} << 32;
constexpr std::int64_t kFirstNumber = std::numeric_limits<std::int32_t>::min();
// Numbers per work item: small enough to balance threads and move the progress bar, large
// enough that the shared counter is not contended.
constexpr std::uint64_t kChunk = std::uint64_t{1} << 16;
// One pair in this many also gets a tele text; rotating with the class keeps every class
// and every residue of n covered while the sweep stays close to one conversion per pair.
constexpr std::uint64_t kTeleEvery = 8;

// The eight crop classes, "none checked" and one number past the last button.
const std::vector<int> kDefaultClasses = {1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 0, 1009};

struct Options {
  std::uint64_t stride = 1;
  unsigned threads = 0;
  std::vector<int> classes = kDefaultClasses;
};

void PrintUsage(std::FILE* to) {
  std::fprintf(to,
               "usage: fokuro-verify [--stride S] [--threads T] [--classes C,C,...]\n"
               "  --stride S    check every S-th typed number from INT32_MIN (default 1: all);\n"
               "                with S > 1 a fixed list of edge numbers is checked as well\n"
               "  --threads T   worker threads (default: hardware concurrency)\n"
               "  --classes L   comma-separated class numbers\n"
               "                (default 1001,1002,1003,1004,1005,1006,1007,1008,0,1009)\n");
}

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc{} && ptr == end;
}

bool ParseClasses(std::string_view text, std::vector<int>& classes) {
  classes.clear();
  while (true) {
    const std::size_t comma = text.find(',');
    int value = 0;
    if (!ParseNumber(text.substr(0, comma), value)) {
      return false;
    }
    classes.push_back(value);
    if (comma == std::string_view::npos) {
      return true;
    }
    text.remove_prefix(comma + 1);
  }
}

// Returns 0 to go on, otherwise the exit code.
int ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      PrintUsage(stdout);
      return -1;
    }
    std::string_view value;
    const std::size_t equals = arg.find('=');
    if (equals != std::string_view::npos) {
      value = arg.substr(equals + 1);
      arg = arg.substr(0, equals);
    } else if (i + 1 < argc) {
      value = argv[++i];
    } else {
      std::fprintf(stderr, "fokuro-verify: %s needs a value\n", argv[i]);
      return 2;
    }
    bool ok = false;
    if (arg == "--stride") {
      ok = ParseNumber(value, options.stride) && options.stride >= 1 &&
           options.stride <= kAllNumbers;
    } else if (arg == "--threads") {
      ok = ParseNumber(value, options.threads) && options.threads >= 1 && options.threads <= 1024;
    } else if (arg == "--classes") {
      ok = ParseClasses(value, options.classes);
    } else {
      std::fprintf(stderr, "fokuro-verify: unknown option %.*s\n", static_cast<int>(arg.size()),
                   arg.data());
      PrintUsage(stderr);
      return 2;
    }
    if (!ok) {
      std::fprintf(stderr, "fokuro-verify: bad value for %.*s: %.*s\n",
                   static_cast<int>(arg.size()), arg.data(), static_cast<int>(value.size()),
                   value.data());
      return 2;
    }
  }
  return 0;
}

// Numbers a sampled run must not skip: both ends of the range and both sides of the points
// where a product reaches ten integer digits, for every factor.
std::vector<std::int32_t> EdgeNumbers() {
  std::vector<std::int64_t> candidates = {
      kFirstNumber, kFirstNumber + 1, kFirstNumber + 2, -1,           0, 1, 9, 10, 99,
      100,          999'999'999,      1'000'000'000,    1'000'000'001};
  for (std::int64_t k = 10; k <= 17; ++k) {
    // p = n * k around 10^10 - 10 (999999999.x), 10^10 - 5 (the rounding half) and 10^10.
    for (const std::int64_t p : {9'999'999'990LL, 9'999'999'995LL, 10'000'000'000LL}) {
      for (std::int64_t d = -2; d <= 2; ++d) {
        candidates.push_back(p / k + d);
      }
    }
  }
  const std::size_t positives = candidates.size();
  for (std::size_t i = 0; i < positives; ++i) {
    candidates.push_back(-candidates[i]);
  }
  candidates.push_back(std::numeric_limits<std::int32_t>::max() - 1);
  candidates.push_back(std::numeric_limits<std::int32_t>::max());

  std::vector<std::int32_t> edges;
  for (const std::int64_t n : candidates) {
    if (n >= kFirstNumber && n <= std::numeric_limits<std::int32_t>::max()) {
      edges.push_back(static_cast<std::int32_t>(n));
    }
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  return edges;
}

struct Shared {
  const Options* options = nullptr;
  std::vector<int> tenths;  // per class
  std::vector<int> distinctTenths;
  std::uint64_t numbers = 0;  // strided numbers to check
  std::atomic<std::uint64_t> nextChunk{0};
  std::atomic<std::uint64_t> pairsDone{0};
  std::atomic<std::uint64_t> telePairs{0};
  std::atomic<bool> failed{false};
  std::mutex reportMutex;
};

// A plain loop: the texts are at most 12 bytes and a memcmp call costs more than that.
bool Same(const std::string& got, const ExpectedBuffer& expected) {
  if (got.size() != expected.length) {
    return false;
  }
  for (std::size_t i = 0; i < expected.length; ++i) {
    if (got[i] != expected.bytes[i]) {
      return false;
    }
  }
  return true;
}

void ReportMismatch(Shared& shared, int classNumber, std::int32_t n, std::string_view wide,
                    std::string_view tele, const ExpectedBuffer& wideExpected,
                    std::string_view teleExpected, const fokuro::FocalLengthResults& got) {
  const std::lock_guard lock(shared.reportMutex);
  if (shared.failed.exchange(true)) {
    return;  // another thread reported first
  }
  const std::string_view wideExpectedText = wideExpected.view();
  std::printf(
      "fokuro-verify: MISMATCH class %d, n %d: wide text \"%.*s\", tele text \"%.*s\"\n"
      "  wide: expected \"%.*s\", got \"%s\"\n"
      "  tele: expected \"%.*s\", got \"%s\"\n",
      classNumber, n, static_cast<int>(wide.size()), wide.data(), static_cast<int>(tele.size()),
      tele.data(), static_cast<int>(wideExpectedText.size()), wideExpectedText.data(),
      got.wide.c_str(), static_cast<int>(teleExpected.size()), teleExpected.data(),
      got.tele.c_str());
  std::fflush(stdout);
}

// Checks n at every class; with a tele text for the classes whose turn it is.
// Returns false after reporting a mismatch.
bool CheckNumber(Shared& shared, std::int32_t n, std::uint64_t turn, bool bothTeleForms,
                 std::uint64_t& pairs, std::uint64_t& telePairs) {
  char text[16];
  const auto result = std::to_chars(text, text + sizeof text, n);
  const std::string_view wide(text, static_cast<std::size_t>(result.ptr - text));
  // The wide text without its last byte: another number (n / 10), a lone "-", or empty.
  const std::string_view tele = wide.substr(0, wide.size() - 1);
  const std::int32_t teleNumber = n / 10;

  // Classes share factors (0, 1001 and 1009 are all 1.0): one reference text per factor.
  ExpectedBuffer byTenths[fokuro::reference::kMaxTenths + 1];
  for (const int tenths : shared.distinctTenths) {
    byTenths[tenths].length = fokuro::reference::ExpectedText(n, tenths, byTenths[tenths].bytes);
  }

  const std::vector<int>& classes = shared.options->classes;
  for (std::size_t c = 0; c < classes.size(); ++c) {
    const int tenths = shared.tenths[c];
    const ExpectedBuffer& wideExpected = byTenths[tenths];
    const bool withTele = bothTeleForms || (turn + c) % kTeleEvery == 0;
    if (!withTele || bothTeleForms) {
      const fokuro::FocalLengthResults got = fokuro::ConvertFocalLengths(classes[c], wide, {});
      ++pairs;
      if (!Same(got.wide, wideExpected) || !got.tele.empty()) {
        ReportMismatch(shared, classes[c], n, wide, {}, wideExpected, {}, got);
        return false;
      }
    }
    if (withTele) {
      ExpectedBuffer teleExpected;
      if (!tele.empty()) {
        teleExpected = Expected(teleNumber, tenths);
      }
      const fokuro::FocalLengthResults got = fokuro::ConvertFocalLengths(classes[c], wide, tele);
      ++pairs;
      ++telePairs;
      if (!Same(got.wide, wideExpected) || !Same(got.tele, teleExpected)) {
        ReportMismatch(shared, classes[c], n, wide, tele, wideExpected, teleExpected.view(), got);
        return false;
      }
    }
  }
  return true;
}

void Worker(Shared& shared) {
  const std::uint64_t stride = shared.options->stride;
  while (!shared.failed.load(std::memory_order_relaxed)) {
    const std::uint64_t chunk = shared.nextChunk.fetch_add(1, std::memory_order_relaxed);
    const std::uint64_t begin = chunk * kChunk;
    if (begin >= shared.numbers) {
      return;
    }
    const std::uint64_t end = std::min(begin + kChunk, shared.numbers);
    std::uint64_t pairs = 0;
    std::uint64_t telePairs = 0;
    for (std::uint64_t j = begin; j < end; ++j) {
      const auto n =
          static_cast<std::int32_t>(kFirstNumber + static_cast<std::int64_t>(j * stride));
      if (!CheckNumber(shared, n, j, false, pairs, telePairs)) {
        break;
      }
    }
    shared.pairsDone.fetch_add(pairs, std::memory_order_relaxed);
    shared.telePairs.fetch_add(telePairs, std::memory_order_relaxed);
  }
}

void PrintProgress(std::uint64_t done, std::uint64_t total, double seconds) {
  const double fraction = total == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
  const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
  const double left = rate > 0 ? static_cast<double>(total - done) / rate : 0.0;
  constexpr int kWidth = 30;
  char bar[kWidth + 1];
  const int filled = static_cast<int>(fraction * kWidth);
  for (int i = 0; i < kWidth; ++i) {
    bar[i] = i < filled ? '#' : '.';
  }
  bar[kWidth] = '\0';
  const auto leftSeconds = static_cast<long long>(left);
  std::fprintf(stderr, "\r[%s] %5.1f%%  %7.1f M pairs/s  %lld:%02lld left ", bar, fraction * 100.0,
               rate / 1e6, leftSeconds / 60, leftSeconds % 60);
  std::fflush(stderr);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (const int code = ParseOptions(argc, argv, options); code != 0) {
    return code < 0 ? 0 : code;
  }
  if (options.threads == 0) {
    options.threads = std::max(1u, std::thread::hardware_concurrency());
  }

  Shared shared;
  shared.options = &options;
  for (const int classNumber : options.classes) {
    shared.tenths.push_back(FactorTenths(classNumber));
  }
  shared.distinctTenths = shared.tenths;
  std::sort(shared.distinctTenths.begin(), shared.distinctTenths.end());
  shared.distinctTenths.erase(
      std::unique(shared.distinctTenths.begin(), shared.distinctTenths.end()),
      shared.distinctTenths.end());
  shared.numbers = (kAllNumbers - 1) / options.stride + 1;

  // The full sweep already holds every edge number.
  const std::vector<std::int32_t> edges =
      options.stride > 1 ? EdgeNumbers() : std::vector<std::int32_t>{};
  // One call per strided number and class (with or without a tele text); edge numbers are
  // checked both ways.
  const std::uint64_t totalPairs = (shared.numbers + edges.size() * 2) * options.classes.size();

  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  const auto elapsed = [&start] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };

  {
    std::uint64_t pairs = 0;
    std::uint64_t telePairs = 0;
    for (const std::int32_t n : edges) {
      if (!CheckNumber(shared, n, 0, true, pairs, telePairs)) {
        break;  // the workers see the flag and stop at once
      }
    }
    shared.pairsDone += pairs;
    shared.telePairs += telePairs;
  }

  std::vector<std::thread> threads;
  threads.reserve(options.threads);
  std::mutex doneMutex;
  std::condition_variable doneSignal;
  unsigned running = options.threads;
  for (unsigned t = 0; t < options.threads; ++t) {
    threads.emplace_back([&] {
      Worker(shared);
      const std::lock_guard lock(doneMutex);
      --running;
      doneSignal.notify_one();
    });
  }

  const bool showProgress = isatty(STDERR_FILENO) != 0;
  {
    std::unique_lock lock(doneMutex);
    while (
        !doneSignal.wait_for(lock, std::chrono::milliseconds(250), [&] { return running == 0; })) {
      if (showProgress) {
        PrintProgress(shared.pairsDone.load(std::memory_order_relaxed), totalPairs, elapsed());
      }
    }
  }
  for (std::thread& thread : threads) {
    thread.join();
  }
  if (showProgress) {
    std::fprintf(stderr, "\r%78s\r", "");
  }

  const double seconds = elapsed();
  // CPU time of all threads: the wall time alone says little on a shared machine.
  const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  if (shared.failed) {
    std::printf("fokuro-verify: stopped at the first mismatch after %llu pairs, %.1f s\n",
                static_cast<unsigned long long>(shared.pairsDone.load()), seconds);
    return 1;
  }
  std::printf(
      "fokuro-verify: %llu pairs checked, 0 mismatches, %.1f s (%zu classes, stride %llu, %u "
      "threads, %llu with a tele text, %.1f s CPU)\n",
      static_cast<unsigned long long>(shared.pairsDone.load()), seconds, options.classes.size(),
      static_cast<unsigned long long>(options.stride), options.threads,
      static_cast<unsigned long long>(shared.telePairs.load()), cpuSeconds);
  return 0;
}
