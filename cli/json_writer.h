// SPDX-License-Identifier: MIT
#pragma once

#include "cli/writer.h"

#include <array>
#include <span>
#include <string>

namespace selmak::cli {

// JSON Lines: an object for each hit of a line (one for a line that found nothing) with the keys
// of one table: query, kind, step, matched (maker, model, and range: null for the catalogue's
// model, otherwise the frame's brand, name, kind, power_kw and current_a), power_kw, current_a,
// models (maker to the catalogue's model, null for "---"), today (maker to the model of today,
// null for none) and error. Text is written as valid UTF-8, each invalid byte made U+FFFD.
class JsonWriter : public AnswerWriter
{
public:
    explicit JsonWriter(std::span<const Column> makers);
    void appendHeader(std::string &) override { }
    void appendRow(std::string &out, const lists::AnswerRow &row) override;

    // The makers' objects of a step, made once: the same for every line at that step.
    const std::string &makersAt(int step, bool today);

private:
    std::span<const Column> m_makers;
    std::array<std::string, 2 * 20> m_makersAt;
};

// Appends text as a JSON string, quotes and escapes and all.
void appendJsonString(std::string &out, std::string_view text);

} // namespace selmak::cli
