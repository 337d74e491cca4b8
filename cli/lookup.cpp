// SPDX-License-Identifier: MIT
#include "cli/lookup.h"

#include "core/model_finder.h"
#include "core/model_key.h"
#include "core/rating.h"
#include "core/selection.h"
#include "core/today_ranges.h"

namespace selmak::cli {

void lookUp(std::string_view query, QueryKind kind, std::string_view numeral,
            std::vector<Record> &records)
{
    if (kind != QueryKind::Model) {
        const Selected selected
            = select(kind == QueryKind::Power ? kPowerRating : kCurrentRating, numeral);
        records.push_back({ query, kind, selected.step, std::nullopt,
                            selected.warning.value_or(std::string_view {}) });
        return;
    }
    const ModelSearch search = findModel(query);
    if (search.match == ModelMatch::None) {
        records.push_back({ query, kind, std::nullopt, std::nullopt,
                            ModelKeyReader(query).next() ? kNoModel : kNothingToFind });
        return;
    }
    const std::string_view error = search.match == ModelMatch::Candidates ? kCandidate : "";
    for (const ModelHit &hit : search.hits) {
        const Matched matched { hit.maker, hit.model, hit.frame };
        if (hit.step == kNoStep)
            records.push_back({ query, kind, std::nullopt, matched, whyNoStep(*hit.frame) });
        else
            records.push_back({ query, kind, hit.step, matched, error });
    }
}

} // namespace selmak::cli
