// SPDX-License-Identifier: MIT
#pragma once

#include "core/columns.h"
#include "core/model_key.h"

#include <string_view>
#include <vector>

namespace selmak {

// One catalogue model found for a code: the maker's column, the size step (1..19) and the model
// as the catalogue names it, one model of the cell ("CI16" for the second model of "CI15/16").
struct ModelHit
{
    Column maker;
    int step;
    std::string_view model; // points into storage that lives for the whole program

    bool operator==(const ModelHit &) const = default;
};

enum class ModelMatch {
    None, // no model begins the code and the code begins no model
    Found, // hits are the models the code names (the code begins with them)
    Candidates, // the code begins no model but is the beginning of the hits' models ("LC1D1")
};

struct ModelSearch
{
    ModelMatch match = ModelMatch::None;
    std::vector<ModelHit> hits; // in catalogue order: by step, then by column
};

// The catalogue models that a code from a nameplate or a bill of materials names, compared by
// their keys (core/model_key.h). A code names the models its key begins with, suffixes and all
// ("LC1D18M7" is LC1D18). When several models begin it, one that ends at a break of the code
// beats one that does not, and then the longer wins: "DILM15-01" is DILM15, not DILM150;
// "A95-30-11" is A95, not A9. Every cell of that model is a hit, one per step and maker.
ModelSearch findModel(std::string_view text);

} // namespace selmak
