#include "conversion/hex_to_time.hpp"
#include "conversion/time_to_hex.hpp"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

// Every operator new in the process is counted, so a benchmark can report
// how many heap allocations one conversion makes.
namespace {
std::atomic<long> gAllocations{0};
}

void *operator new(std::size_t size)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

// GCC cannot see that the operator new above is the one these pair with.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}
#pragma GCC diagnostic pop

namespace {

using Conversion = quennarix::conversion::ConversionOutcome (*)(std::u16string_view);
using quennarix::conversion::ConvertHexToTime;
using quennarix::conversion::ConvertTimeToHex;

void Run(benchmark::State &state, Conversion convert, const std::u16string &input)
{
    const long before = gAllocations.load();
    for (auto _ : state)
        benchmark::DoNotOptimize(convert(input));
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(gAllocations.load() - before),
                                                  benchmark::Counter::kAvgIterations);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size() * 2));
}

// Valid numbers behind leading zeros: the whole text has to be read.
void Long(benchmark::State &state, Conversion convert, const std::u16string &number)
{
    Run(state, convert, std::u16string(state.range(0), u'0') + number);
    state.SetComplexityN(state.range(0));
}

constexpr std::int64_t kMebibyte = 1 << 20;

} // namespace

BENCHMARK_CAPTURE(Run, HexToTimeTypical, ConvertHexToTime, u"5A");
BENCHMARK_CAPTURE(Run, HexToTimeMalformed, ConvertHexToTime, u"XYZ");
BENCHMARK_CAPTURE(Run, TimeToHexTypical, ConvertTimeToHex, u"01:30");
BENCHMARK_CAPTURE(Run, TimeToHexMalformed, ConvertTimeToHex, u"1:x");
BENCHMARK_CAPTURE(Run, TimeToHexNoColon, ConvertTimeToHex, u"130");
BENCHMARK_CAPTURE(Long, HexToTime, ConvertHexToTime, u"5A")
    ->RangeMultiplier(8)
    ->Range(1 << 11, kMebibyte)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(Long, TimeToHex, ConvertTimeToHex, u"1:30")
    ->RangeMultiplier(8)
    ->Range(1 << 11, kMebibyte)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
