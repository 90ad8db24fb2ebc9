// Our MD5 beside OpenSSL's, on one large buffer and on password-sized strings.
//   build/bench/bench/md5_bench
#define OPENSSL_SUPPRESS_DEPRECATED
#include <benchmark/benchmark.h>
#include <openssl/md5.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "client/md5.h"

namespace {

constexpr std::size_t kLargeSize = 64u << 20;

const std::string& LargeInput() {
  static const std::string input = [] {
    std::string bytes(kLargeSize, '\0');
    std::uint32_t x = 2463534242u;
    for (char& c : bytes) {
      x ^= x << 13, x ^= x >> 17, x ^= x << 5;
      c = static_cast<char>(x);
    }
    return bytes;
  }();
  return input;
}

const std::string kShortInput = "correct-horse-16";

void Ours_Large(benchmark::State& state) {
  const std::string& input = LargeInput();
  for (auto _ : state) benchmark::DoNotOptimize(DigestOfString(input));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}

void OpenSsl_Large(benchmark::State& state) {
  const std::string& input = LargeInput();
  unsigned char digest[MD5_DIGEST_LENGTH];
  for (auto _ : state) {
    MD5(reinterpret_cast<const unsigned char*>(input.data()), input.size(), digest);
    benchmark::DoNotOptimize(digest);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}

void Ours_Short(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(DigestOfString(kShortInput));
  state.SetItemsProcessed(state.iterations());
}

void OpenSsl_Short(benchmark::State& state) {
  unsigned char digest[MD5_DIGEST_LENGTH];
  for (auto _ : state) {
    MD5(reinterpret_cast<const unsigned char*>(kShortInput.data()), kShortInput.size(), digest);
    benchmark::DoNotOptimize(digest);
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(Ours_Large)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(OpenSsl_Large)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(Ours_Short)->MinTime(1.0);
BENCHMARK(OpenSsl_Short)->MinTime(1.0);

// Keeps each run's rate so that the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const auto bytes = run.counters.find("bytes_per_second");
      const auto items = run.counters.find("items_per_second");
      if (bytes != run.counters.end()) rates_[run.benchmark_name()] = bytes->second;
      else if (items != run.counters.end()) rates_[run.benchmark_name()] = items->second;
    }
  }
  void PrintRatios() const {
    std::printf("\nmd5 large input: ours %.0f MB/s, OpenSSL %.0f MB/s, ratio ours/OpenSSL %.3f (target >= 0.95)\n",
                Rate("Ours_Large") / 1e6, Rate("OpenSsl_Large") / 1e6, Rate("Ours_Large") / Rate("OpenSsl_Large"));
    std::printf("md5 16-byte strings: ours %.2f M/s, OpenSSL %.2f M/s, ratio ours/OpenSSL %.3f (target >= 1.0)\n",
                Rate("Ours_Short") / 1e6, Rate("OpenSsl_Short") / 1e6, Rate("Ours_Short") / Rate("OpenSsl_Short"));
  }

 private:
  double Rate(const std::string& prefix) const {
    for (const auto& [name, rate] : rates_)
      if (name.rfind(prefix, 0) == 0) return rate;
    return 0;
  }
  std::map<std::string, double> rates_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
}
