// SPDX-License-Identifier: MIT
#include "cli/text_writer.h"

#include "core/catalog.h"
#include "core/order_codes.h"
#include "core/today_ranges.h"
#include "core/utf8.h"
#include "forms/hit_line.h"
#include "forms/order_line.h"
#include "forms/outcome_text.h"

#include <algorithm>

namespace selmak::cli {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

std::string_view cell(Column column, int step)
{
    return Catalog::cell(column, step).value_or(std::string_view {});
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// A maker's model of today at a step, or its whole code for an order.
std::string today(Column column, int step, const Order *order)
{
    if (order != nullptr)
        return forms::todayCodeText(todayCode(column, step, *order));
    const TodayFrame *frame = todayFrame(column, step);
    return frame != nullptr ? forms::todayModelText(*frame) : std::string("---");
}

} // namespace

const Order *shownOrder(const lists::AnswerRow &row, const ModelHit &hit)
{
    const Order *order = lists::orderOf(row, hit);
    return order != nullptr && forms::showsOrder(row.query, *order) ? order : nullptr;
}

void appendPrintable(std::string &out, std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Char c = decodeUtf8(text.substr(i));
        if (c.codePoint == kInvalidUtf8 || isControl(c.codePoint))
            out.append(kReplacement);
        else
            out.append(text.substr(i, c.length));
        i += c.length;
    }
}

TextWriter::TextWriter(std::span<const Column> makers)
{
    std::vector<Column> columns { Column::Power, Column::Current };
    columns.insert(columns.end(), makers.begin(), makers.end());
    std::size_t width = 0;
    for (const Column column : columns)
        width = std::max(width, displayWidth(columnInfo(column).heading));
    for (const Column column : columns)
        m_rows.push_back({ column, width - displayWidth(columnInfo(column).heading) + 2 });
}

void TextWriter::appendHeading(std::string &out, const lists::AnswerRow &row)
{
    if (!m_first)
        out.push_back('\n');
    m_first = false;
    appendPrintable(out, row.query);
    out.append(": ");
}

void TextWriter::appendRow(std::string &out, const lists::AnswerRow &row)
{
    if (row.hits.empty()) {
        if (row.outcome == Outcome::Found)
            return; // an empty line
        appendHeading(out, row);
        out.append(forms::outcomeText(row.outcome, row.kind)).push_back('\n');
        return;
    }
    for (const ModelHit &hit : row.hits) {
        appendHeading(out, row);
        const Order *order = shownOrder(row, hit);
        if (hit.model.empty())
            out.append("ступень ").append(std::to_string(hit.step));
        else
            out.append(forms::hitLine(hit, order));
        if (row.outcome == Outcome::Candidate)
            out.append(" (").append(forms::outcomeText(row.outcome)).push_back(')');
        out.push_back('\n');
        if (hit.step == kNoStep)
            continue;
        std::size_t modelWidth = 0;
        for (const Row &r : m_rows) {
            if (isMaker(r.column))
                modelWidth = std::max(modelWidth, displayWidth(cell(r.column, hit.step)));
        }
        for (const auto &[column, padding] : m_rows) {
            const std::string_view model = cell(column, hit.step);
            out.append(!hit.model.empty() && hit.maker == column ? "* " : "  ");
            out.append(columnInfo(column).heading).append(padding, ' ').append(model);
            if (isMaker(column)) {
                out.append(modelWidth - displayWidth(model) + 2, ' ');
                out.append(forms::kTodayWord).push_back(' ');
                out.append(today(column, hit.step, order));
            }
            out.push_back('\n');
        }
    }
}

} // namespace selmak::cli
