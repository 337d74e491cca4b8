// SPDX-License-Identifier: MIT
#pragma once

#include "cli/writer.h"

#include <array>
#include <span>
#include <string>

namespace selmak::cli {

// JSON Lines: an object for each hit of a line (one for a line that found nothing) with the keys
// of one table: query, kind, step, matched (maker, model, and range: null for the catalogue's
// model, otherwise the frame's brand, name, kind ("today", "discontinued" or "series"), power_kw
// and current_a, each null where its maker gives none), order (what the code reads as, where the
// hit is its frame: frame, coil with kind, volts and hz, aux with no and nc, terminals), power_kw,
// current_a, models (maker to the catalogue's model, null for "---"), today (maker to the model of
// today, null for none), today_unrated (the makers whose model of today is listed without a
// confirmed rating), today_code (for an order, maker to its whole code of today, null where none
// is written), today_code_lacks (maker to the auxiliary contacts its code lacks, for the makers
// whose code lacks any) and error. Text is written as valid UTF-8, each invalid byte made U+FFFD.
class JsonWriter : public AnswerWriter
{
public:
    explicit JsonWriter(std::span<const Column> makers);
    void appendHeader(std::string &) override { }
    void appendRow(std::string &out, const lists::AnswerRow &row) override;

    enum Makers { Models, Today, Unrated };
    // The makers' values of a step, made once: the same for every line at that step.
    const std::string &makersAt(int step, Makers what);
    // The values of today_code and today_code_lacks at a step, made once for each order.
    const std::array<std::string, 2> &codesAt(int step, const Order &order);

private:
    std::span<const Column> m_makers;
    std::array<std::string, 3 * 20> m_makersAt;
    lists::OrderCache<std::array<std::string, 2>> m_codesAt;
};

// Appends text as a JSON string, quotes and escapes and all.
void appendJsonString(std::string &out, std::string_view text);

} // namespace selmak::cli
