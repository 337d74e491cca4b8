// SPDX-License-Identifier: MIT
#pragma once

#include "core/columns.h"
#include "core/order.h"
#include "core/order_data.h"
#include "core/today_data.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace selmak {

// The tables whole order codes are read and written by: data/'s, or a test's own.
struct OrderTables
{
    std::span<const TodayFrame> frames;
    std::span<const CodeFormRow> forms;
    std::span<const CoilRow> coils;
    std::span<const AuxiliaryRow> auxiliaries;
    std::span<const TerminalRow> terminals;
};

enum class TodayCodeOutcome {
    Written, // the whole code, and what must be added to it
    NoModel, // the maker has no model of today at the step
    RulesNotSourced, // no sourced rule writes this frame's coil
    CoilNotDetermined, // the order's own coil is not known
    NoCoilCovers, // none of the frame's coils serves the order's
};

// A maker's whole order code for an order. Unless written, only the frame is known.
struct TodayCode
{
    TodayCodeOutcome outcome = TodayCodeOutcome::NoModel;
    const TodayFrame *frame = nullptr;
    std::string code;
    std::optional<Coil> coil; // the written code's coil
    std::optional<Contacts> aux; // the written code's auxiliary contacts, where a rule says them
    Contacts missing { 0, 0 }; // what must be added for the order's auxiliary contacts
};

// Reads part numbers by the forms of data/code_forms.csv and the codes of the coil, auxiliary and
// terminal files, and writes a frame's whole code for a decoded order.
//
// Reading. Every form of a frame's range that names the frame is tried, and the frame alone
// (for a range whose forms are not sourced). Codes are compared by their keys (core/model_key.h)
// with the digits as written; a form's separators are optional, and {options} takes the rest of
// the code from a break on. Of the matches, the best is chosen by, in turn:
//   1. a whole match (the code explained to its end) before a partial one: "LC1D50AP7" is LC1D50A
//      with coil P7, though the frame's text ends inside the code's part "50AP";
//   2. of whole matches, fewer slot boundaries that fall inside the code's own parts rather than
//      on its breaks (ends of letters or digits, separators); of partial ones, first the frame's
//      own boundary ("DILM150(…)" is not DILM15 followed by a 0), then more slots read, then fewer
//      boundaries off the breaks, then more of the code read;
//   3. the files' order: forms as code_forms.csv lists them, frames as today.csv, codes as their
//      own files.
// A partial match keeps its frame and what its slots read before the first that no rule explains.
// A part the code does not write at all (a form without the slot, or an empty code) is what the
// frame's row with an empty code says; a slot the code writes but no rule explains is unknown.
//
// Writing. The frame's first form with a {coil} slot writes its code (a later one where the
// order's terminals are known and only that one writes them). The coil is the closest that covers
// the order's (core/order.h): the same kind before an AC/DC one, then the fewest frequencies
// beyond the order's, then the narrowest voltages, then the file's order. The auxiliary contacts
// are the order's, or those that leave the fewest to be added, then the fewest beyond them (the
// first in the file where the order's are not known).
class OrderCodes
{
public:
    explicit OrderCodes(const OrderTables &tables);
    ~OrderCodes();
    OrderCodes(const OrderCodes &) = delete;
    OrderCodes &operator=(const OrderCodes &) = delete;

    Order decode(std::string_view code) const;
    TodayCode encode(const TodayFrame *frame, const Order &order) const;

    // The frames whose forms (or models alone) begin the code: those a reading may name. Cheaper
    // than the reading itself.
    std::vector<const TodayFrame *> framesBeginning(std::string_view code) const;

private:
    struct Rules;
    std::unique_ptr<const Rules> m_rules;
};

// The rules of data/, compiled in.
const OrderCodes &orderCodes();

// A part number read by data/'s rules.
Order decodeOrder(std::string_view code);

// The whole order code of a maker's model of today at a step (core/today_ranges.h) for an order.
TodayCode todayCode(Column maker, int step, const Order &order);

} // namespace selmak
