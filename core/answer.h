// SPDX-License-Identifier: MIT
#pragma once

#include "core/model_finder.h"
#include "core/order.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace selmak {

enum class QueryKind { Power, Current, Model };

// Why a line found what it found, as a value: the front-ends choose the words (forms/outcome_text.h
// for a person, the formats' own tables for CSV and JSON).
enum class Outcome {
    Found, // the step of a number, or the models a code names
    Candidate, // the code is only the beginning of the models listed
    NothingToFind, // no letter or digit
    NoModel, // no catalogue model begins the code
    BelowSmallestStep, // a frame whose AC-3 power at 400 V is below the smallest step's
    NoPublishedPower, // a frame whose maker gives its AC-3 current but no power at 400 V
    RatingNotConfirmed, // a frame listed without its rating: no source gives it yet
    OutOfRange, // a power or current outside the catalogue's range
    LineTooLong, // a list's line too long to keep: not looked up
    NoSuchColumn, // a bill's row without the column the query is taken from
};

// A line of a list sorted: a number followed by kW or кВт (any case) is a power, one followed by
// A or А (Latin or Cyrillic) a current, a bare number a power, anything else a model code. Lists
// come from spreadsheets in locales that write 7,5 for 7.5, so the comma is a decimal point here.
struct Query
{
    QueryKind kind;
    std::string numeral; // for a power or current, with a decimal comma made a point
};
Query classifyQuery(std::string_view line);

// The answer to one line: what the find window, the list window and selmak-find all show.
struct Answer
{
    QueryKind kind;
    Outcome outcome;
    // A number's step as one hit in the column of its quantity (Column::Power or Column::Current,
    // no model); a code's hits as findModel gives them, every cell and frame it names.
    std::vector<ModelHit> hits;
    // A code read as a whole order code (core/order_codes.h): its frame, coil, contacts and
    // terminals, where a hit is that frame (isFrameOf). No frame for a number.
    Order order {};

    // The hits a list's row answers with: as `hits`, but a catalogue model that stands at several
    // steps only at the step its own AC-3 rating gives, where today's data knows the frame
    // (LC1D18, 7.5 kW, at step 3 and not at 4).
    std::vector<ModelHit> rated() const;
};

// Answers a line as a list reads it, or as the kind given (the command line's --power, --current
// and --model; the find window's part number). A number is read leniently as the main window
// reads it, a decimal comma being a point.
Answer answer(std::string_view text, std::optional<QueryKind> kind = std::nullopt);

// What one hit says: Found, Candidate, or why a frame has no step.
Outcome outcomeOf(const ModelHit &hit, Outcome line);

// Whether a hit is the frame a code was read as (core/order_codes.h): the frame itself, or the
// catalogue's model of its name in its column. A code's other hits (a model of the same name in
// another maker's column) are not what the reading speaks of.
bool isFrameOf(const ModelHit &hit, const Order &order);

// Whether a line with this outcome found what it asked for: a step, and not a mere beginning.
constexpr bool isFound(Outcome outcome)
{
    return outcome == Outcome::Found;
}

} // namespace selmak
