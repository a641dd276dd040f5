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

void Run(benchmark::State &state, Conversion convert, const std::u16string &input)
{
    const long before = gAllocations.load();
    for (auto _ : state)
        benchmark::DoNotOptimize(convert(input));
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(gAllocations.load() - before),
                                                  benchmark::Counter::kAvgIterations);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size() * 2));
}

void HexToTimeTypical(benchmark::State &state)
{
    Run(state, quennarix::conversion::ConvertHexToTime, u"5A");
}

void HexToTimeMalformed(benchmark::State &state)
{
    Run(state, quennarix::conversion::ConvertHexToTime, u"XYZ");
}

void TimeToHexTypical(benchmark::State &state)
{
    Run(state, quennarix::conversion::ConvertTimeToHex, u"01:30");
}

void TimeToHexMalformed(benchmark::State &state)
{
    Run(state, quennarix::conversion::ConvertTimeToHex, u"1:x");
}

void TimeToHexNoColon(benchmark::State &state)
{
    Run(state, quennarix::conversion::ConvertTimeToHex, u"130");
}

// Valid numbers behind leading zeros: the whole text has to be read.
void HexToTimeLong(benchmark::State &state)
{
    Run(state, quennarix::conversion::ConvertHexToTime,
        std::u16string(state.range(0), u'0') + u"5A");
    state.SetComplexityN(state.range(0));
}

void TimeToHexLong(benchmark::State &state)
{
    Run(state, quennarix::conversion::ConvertTimeToHex,
        std::u16string(state.range(0), u'0') + u"1:30");
    state.SetComplexityN(state.range(0));
}

constexpr std::int64_t kMebibyte = 1 << 20;

} // namespace

BENCHMARK(HexToTimeTypical);
BENCHMARK(HexToTimeMalformed);
BENCHMARK(TimeToHexTypical);
BENCHMARK(TimeToHexMalformed);
BENCHMARK(TimeToHexNoColon);
BENCHMARK(HexToTimeLong)
    ->RangeMultiplier(8)
    ->Range(1 << 11, kMebibyte)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);
BENCHMARK(TimeToHexLong)
    ->RangeMultiplier(8)
    ->Range(1 << 11, kMebibyte)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
