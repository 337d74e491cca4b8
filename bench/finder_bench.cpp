// SPDX-License-Identifier: MIT
// Finding models for part numbers as nameplates and bills of materials write them: the core of
// a list conversion, whose goal is a million codes well under a second on one core.
#include "core/model_finder.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string_view>

namespace {

// Exact codes, suffixes, Cyrillic, candidates and misses, in about the mix of a real list.
constexpr std::array<std::string_view, 12> kCodes {
    "LC1D18M7", "3RT1016-1BB41", "DILM9-10(230V50HZ)", "КМИ-11811", "A95-30-11",
    "K65",      "ci16",          "DILM150(RAC240)",    "пм 1-18",   "LC1D1",
    "XYZ-123",  "100-A09N",
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
