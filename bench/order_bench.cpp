// SPDX-License-Identifier: MIT
// Reading whole order codes, as a list of a million lines does, and writing each maker's whole
// code of today for what was read.
#include "core/catalog.h"
#include "core/order_codes.h"
#include "core/today_ranges.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string_view>

namespace {

// Part numbers of the makers' ranges as nameplates and bills write them: whole codes, codes whose
// coil no rule explains, other spellings, lower case, blanks, frames of the catalogue only, and
// misses.
constexpr std::array<std::string_view, 20> kCodes {
    "LC1D25P7",
    "LC1D096P7",
    "lc1d50abd",
    "DILM25-10(RAC240)",
    "DILM15-01 (230V50HZ, 240V60HZ)",
    "DILMC17-01(RDC24)",
    "AF09-30-10-13",
    "AF40-30-00-13",
    "100-C23KJ10",
    "100-CR09KF01",
    "KKM11-009-230-10",
    "КМИ-11211",
    "BF8000A02460",
    "3RT2026-1AP00",
    "LC1F630M7",
    "DILM50-22",
    "3TF4722-0XM0",
    "K65",
    "XYZ-123",
    "LC1D18 M7",
};

constexpr int kMillion = 1'000'000;

// A million codes a round.
void BM_DecodeAMillion(benchmark::State &state)
{
    benchmark::DoNotOptimize(selmak::decodeOrder("warm-up builds the rules"));
    for (auto _ : state) {
        for (int i = 0; i < kMillion; ++i)
            benchmark::DoNotOptimize(selmak::decodeOrder(kCodes[i % kCodes.size()]));
    }
    state.SetItemsProcessed(state.iterations() * kMillion);
}
BENCHMARK(BM_DecodeAMillion)->Unit(benchmark::kMillisecond);

// One code read and the fourteen makers' whole codes of today written at its step.
void BM_DecodeAndWriteToday(benchmark::State &state)
{
    for (auto _ : state) {
        for (std::string_view code : kCodes) {
            const selmak::Order order = selmak::decodeOrder(code);
            const auto steps = order.frame != nullptr ? selmak::stepsOfPower(order.frame->power)
                                                      : std::vector<int> {};
            const int step = steps.empty() ? selmak::Catalog::kFirstStep : steps.front();
            for (const selmak::ColumnInfo &info : selmak::kColumns)
                benchmark::DoNotOptimize(selmak::todayCode(info.column, step, order));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCodes.size()));
}
BENCHMARK(BM_DecodeAndWriteToday);

} // namespace

BENCHMARK_MAIN();
