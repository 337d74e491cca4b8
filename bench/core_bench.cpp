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
#include <string>
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

// Prints, after the usual table, how many times slower the reader is than from_chars alone. With
// repetitions it compares the medians, which a busy machine disturbs least.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                m_times[run.run_name.function_name][run.run_type] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double read = time("BM_ReadAndClassify");
        const double floor = time("BM_FromCharsAlone");
        if (read > 0 && floor > 0)
            std::printf("read+classify / from_chars: %.2fx\n", read / floor);
    }

private:
    // The median when there is one, else the single run; 0 when the benchmark did not run.
    double time(const std::string &name) const
    {
        const auto found = m_times.find(name);
        if (found == m_times.end())
            return 0;
        const auto median = found->second.find(Run::RT_Aggregate);
        return median != found->second.end() ? median->second : found->second.begin()->second;
    }

    std::map<std::string, std::map<Run::RunType, double>> m_times;
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
