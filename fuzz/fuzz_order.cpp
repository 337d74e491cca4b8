// SPDX-License-Identifier: MIT
// Arbitrary bytes read as a whole order code, and each maker's whole code of today written for
// what was read, with the invariants that must hold for any code a user could type or a bill of
// materials could hold.
#include "core/catalog.h"
#include "core/model_finder.h"
#include "core/order_codes.h"
#include "core/today_ranges.h"
#include "require.h"

#include <algorithm>
#include <cstdint>
#include <string>

using selmak::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const selmak::Order order = selmak::decodeOrder(text);

    require(order.frame != nullptr
                || (!order.whole && !order.coil && !order.aux && !order.terminals),
            "only a frame's code says more than its frame");
    if (order.frame != nullptr && order.whole) {
        const selmak::ModelSearch search = selmak::findModel(text);
        require(std::any_of(search.hits.begin(), search.hits.end(),
                            [&order](const selmak::ModelHit &hit) {
                                return hit.maker == order.frame->column
                                    && selmak::modelKey(hit.model)
                                    == selmak::modelKey(order.frame->model);
                            }),
                "the finder finds the frame of a whole reading");
    }

    // Each maker's code of today at the first step the frame stands at, or at step 1.
    const auto steps
        = order.frame != nullptr ? selmak::stepsOfPower(order.frame->power) : std::vector<int> {};
    const int step = steps.empty() ? selmak::Catalog::kFirstStep : steps.front();
    for (const selmak::ColumnInfo &info : selmak::kColumns) {
        const selmak::TodayCode code = selmak::todayCode(info.column, step, order);
        require(code.frame == selmak::todayFrame(info.column, step), "the maker's model of today");
        const bool written = code.outcome == selmak::TodayCodeOutcome::Written;
        require(written == !code.code.empty() && written == code.coil.has_value(),
                "a written code has its coil");
        require((code.outcome == selmak::TodayCodeOutcome::NoModel) == (code.frame == nullptr),
                "no model exactly when the maker has none");
        require(code.missing.no >= 0 && code.missing.nc >= 0
                    && (written || (code.missing.no == 0 && code.missing.nc == 0)),
                "only a written code needs contacts added");
        if (written) {
            const selmak::Order again = selmak::decodeOrder(code.code);
            require(again.frame == code.frame && again.coil == code.coil,
                    "a written code reads as its frame and coil");
        }
    }
    return 0;
}
