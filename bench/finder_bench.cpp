// SPDX-License-Identifier: MIT
// Finding models for part numbers as nameplates and bills of materials write them: the core of
// a list conversion.
#include "core/model_finder.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string_view>

namespace {

// Exact codes, suffixes, Cyrillic, candidates, misses and today's frames, in about the mix of a
// real list.
constexpr std::array<std::string_view, 14> kCodes {
    "LC1D18M7", "3RT1016-1BB41", "DILM9-10(230V50HZ)", "КМИ-11811",     "A95-30-11",
    "K65",      "ci16",          "DILM150(RAC240)",    "пм 1-18",       "LC1D1",
    "XYZ-123",  "100-A09N",      "3RT2026-1AP00",      "AF26-30-00-13",
};

void BM_FindModel(benchmark::State &state)
{
    benchmark::DoNotOptimize(selmak::findModel("warm-up builds the index"));
    for (auto _ : state) {
        for (std::string_view code : kCodes)
            benchmark::DoNotOptimize(selmak::findModel(code));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCodes.size()));
}
BENCHMARK(BM_FindModel);

} // namespace

BENCHMARK_MAIN();
