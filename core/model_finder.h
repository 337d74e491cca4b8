// SPDX-License-Identifier: MIT
#pragma once

#include "core/columns.h"
#include "core/model_key.h"
#include "core/order.h"
#include "core/today_data.h"

#include <string_view>
#include <vector>

namespace selmak {

// The step of a hit on a frame whose AC-3 power is below the smallest step's.
inline constexpr int kNoStep = 0;

enum class HitOrigin {
    Catalogue, // a model of the catalogue's cell
    TodayRange, // a frame of a range sold today
    Discontinued, // a frame of a range its maker has discontinued
    Series, // another frame of the series that the catalogue names
};

// One model found for a code: the maker's column, the size step and the model. A catalogue model
// is one model of its cell ("CI16" for the second model of "CI15/16"); a frame of today's ranges
// or of the catalogue's series stands at the steps its rating reaches (core/today_ranges.h), or
// at kNoStep below the smallest.
struct ModelHit
{
    Column maker;
    int step; // 1..19, or kNoStep
    std::string_view model; // points into storage that lives for the whole program
    const TodayFrame *frame = nullptr; // the frame, with its brand, range and rating; none for
                                       // a catalogue model

    HitOrigin origin() const
    {
        switch (frame == nullptr ? FrameKind::Series : frame->kind) {
        case FrameKind::Today:
            return HitOrigin::TodayRange;
        case FrameKind::Discontinued:
            return HitOrigin::Discontinued;
        case FrameKind::Series:
            break;
        }
        return frame == nullptr ? HitOrigin::Catalogue : HitOrigin::Series;
    }

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
    std::vector<ModelHit> hits; // by step, then by column, a catalogue model before a frame
    Order order; // the code read as a whole order code; no frame where none begins it
};

// The catalogue models and the frames of today's ranges and of the catalogue's series that a code
// from a nameplate or a bill of materials names, compared by their keys (core/model_key.h). A
// frame named as the catalogue names a model of its own column adds no hit: the catalogue's
// cells answer for that name, and today's models are shown beside each step anyway. A code that
// is only the beginning of models lists the catalogue's, and frames only where no catalogue
// model begins with it. A code names the models its key begins with, suffixes and all
// ("LC1D18M7" is LC1D18). When several models begin it, one that ends at a break of the code
// beats one that does not, and then the longer wins: "DILM15-01" is DILM15, not DILM150;
// "A95-30-11" is A95, not A9. Every cell or frame of that model is a hit, one per step and
// maker.
// A code is also read as a whole order code (core/order_codes.h): where that reading explains the
// whole code by another frame ("LC1D50AP7" is LC1D50A, not the catalogue's LC1D50), or where no
// model begins the code but a frame's other spelling does ("DILMC17-10", "KKM11-009-230-10",
// "КМИ-11211"), the hits are that frame's. The reading is returned too, read once for both.
ModelSearch findModel(std::string_view text);

} // namespace selmak
