// SPDX-License-Identifier: MIT
// Reading and classifying a typed value, against std::from_chars alone on the same texts: the
// floor that any reader built on it has to pay.
#include "core/lenient_reader.h"
#include "core/rating.h"

#include <array>
#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdio>
#include <map>
#include <string_view>

namespace {

// What people type: plain values, a unit after the number, a comma, a blank, an exponent.
constexpr std::array<std::string_view, 12> kTexts { "7.5",      "11",   " 5.5", "18.5 кВт",
                                                    "250",      "0.75", "1e2",  "45,5",
                                                    "132.0001", "22",   "3.7",  "160" };

void BM_ReadAndClassify(benchmark::State &state)
{
    for (auto _ : state) {
        for (std::string_view text : kTexts) {
            const float value = selmak::toSingle(selmak::readLenient(text));
            benchmark::DoNotOptimize(selmak::classify(selmak::kPowerRating, value));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTexts.size()));
}
BENCHMARK(BM_ReadAndClassify);

void BM_FromCharsAlone(benchmark::State &state)
{
    for (auto _ : state) {
        for (std::string_view text : kTexts) {
            double value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTexts.size()));
}
BENCHMARK(BM_FromCharsAlone);

// Prints, after the usual table, how many times slower the reader is than from_chars alone.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            m_times[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto read = m_times.find("BM_ReadAndClassify");
        const auto floor = m_times.find("BM_FromCharsAlone");
        if (read != m_times.end() && floor != m_times.end() && floor->second > 0)
            std::printf("read+classify / from_chars: %.2fx\n", read->second / floor->second);
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
