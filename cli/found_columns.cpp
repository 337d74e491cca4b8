// SPDX-License-Identifier: MIT
#include "cli/found_columns.h"

#include "cli/csv_field.h"
#include "core/catalog.h"
#include "core/today_ranges.h"

namespace selmak::cli {

FoundColumns::FoundColumns(std::span<const Column> makers, char separator)
    : m_makers(makers), m_separator(separator)
{ }

void FoundColumns::appendHeader(std::string &out) const
{
    for (const std::string_view name :
         { "step", "power_kw", "current_a", "matched_maker", "matched_model", "matched_range" }) {
        out.append(name);
        out.push_back(m_separator);
    }
    for (const Column maker : m_makers) {
        const std::string heading(columnInfo(maker).heading);
        appendCsvField(out, heading, m_separator);
        out.push_back(m_separator);
        appendCsvField(out, heading + " today", m_separator);
        out.push_back(m_separator);
    }
    out.append("error");
}

void FoundColumns::appendRecord(std::string &out, const Record &record) const
{
    const auto field = [&out, this](std::string_view text) {
        appendCsvField(out, text, m_separator);
        out.push_back(m_separator);
    };
    if (record.step) {
        out.append(std::to_string(*record.step));
        out.push_back(m_separator);
        field(*Catalog::cell(Column::Power, *record.step));
        field(*Catalog::cell(Column::Current, *record.step));
    } else {
        out.append(3, m_separator);
    }
    if (record.matched) {
        field(columnInfo(record.matched->maker).heading);
        field(record.matched->model);
        field(record.matched->frame ? record.matched->frame->range : std::string_view {});
    } else {
        out.append(3, m_separator);
    }
    for (const Column maker : m_makers) {
        if (record.step) {
            field(*Catalog::cell(maker, *record.step));
            field(todayModel(maker, *record.step));
        } else {
            out.append(2, m_separator);
        }
    }
    appendCsvField(out, record.error, m_separator);
}

} // namespace selmak::cli
