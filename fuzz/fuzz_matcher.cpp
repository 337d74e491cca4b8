// SPDX-License-Identifier: MIT
// Arbitrary bytes into the model finder, with the invariants that must hold for any code a user
// could type or a bill of materials could hold.
#include "core/catalog.h"
#include "core/model_finder.h"
#include "core/order_codes.h"
#include "require.h"

#include <algorithm>
#include <cstdint>
#include <string>

using selmak::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::string key = selmak::modelKey(text);
    const selmak::ModelSearch search = selmak::findModel(text);
    const selmak::TodayFrame *decoded = selmak::decodeOrder(text).frame;

    require((search.match == selmak::ModelMatch::None) == search.hits.empty(),
            "hits exactly when something matched");
    require(!key.empty() || search.match == selmak::ModelMatch::None, "an empty key finds nothing");
    const selmak::ModelHit *previous = nullptr;
    for (const selmak::ModelHit &hit : search.hits) {
        require((hit.step >= selmak::Catalog::kFirstStep && hit.step <= selmak::Catalog::kLastStep)
                    || (hit.step == selmak::kNoStep && hit.frame != nullptr),
                "the step is in 1..19, or none for a frame");
        require(hit.maker != selmak::Column::Power && hit.maker != selmak::Column::Current,
                "the hit is a maker's column");
        // "CI16" stands in "CI15/16" by its digits alone.
        const std::string_view tail
            = hit.model.substr(hit.model.size() - std::min<std::size_t>(2, hit.model.size()));
        if (hit.frame == nullptr)
            require(!hit.model.empty()
                        && selmak::Catalog::cell(hit.maker, hit.step)->find(tail)
                            != std::string_view::npos,
                    "the model comes from its cell");
        else
            require(hit.model == hit.frame->model && hit.maker == hit.frame->column,
                    "the model is its frame's");
        const std::string modelKey = selmak::modelKey(hit.model);
        if (search.match == selmak::ModelMatch::Found) {
            require(key.starts_with(modelKey)
                        || (decoded != nullptr && decoded->column == hit.maker
                            && selmak::modelKey(decoded->model) == modelKey),
                    "a found model begins the code, or is the frame the code reads as");
            require(previous == nullptr || selmak::modelKey(previous->model) == modelKey,
                    "all found models are one model");
        } else {
            require(modelKey.size() > key.size() && modelKey.starts_with(key),
                    "the code begins every candidate");
        }
        require(previous == nullptr || previous->step < hit.step
                    || (previous->step == hit.step && previous->maker < hit.maker)
                    || (previous->step == hit.step && previous->maker == hit.maker
                        && (previous->frame == nullptr || hit.frame != nullptr)),
                "hits by step, then column, the catalogue's before frames");
        previous = &hit;
    }
    return 0;
}
