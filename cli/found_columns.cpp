// SPDX-License-Identifier: MIT
#include "cli/found_columns.h"

#include "cli/csv_field.h"

namespace selmak::cli {

FoundColumns::FoundColumns(std::span<const Column> makers, char separator)
    : m_makers(makers), m_separator(separator)
{
    for (int step = Catalog::kFirstStep; step <= Catalog::kLastStep; ++step) {
        std::string &text = m_steps[static_cast<std::size_t>(step)];
        text.push_back(separator);
        appendCsvField(text, stepCell(Column::Power, step), separator);
        text.push_back(separator);
        appendCsvField(text, stepCell(Column::Current, step), separator);
        std::string &models = m_models[static_cast<std::size_t>(step)];
        for (const Column maker : makers) {
            models.push_back(separator);
            appendCsvField(models, stepCell(maker, step), separator);
        }
    }
}

void FoundColumns::appendHeader(std::string &out) const
{
    for (const std::string_view name :
         { "step", "power_kw", "current_a", "matched_maker", "matched_model" }) {
        out.append(name);
        out.push_back(m_separator);
    }
    for (const Column maker : m_makers) {
        appendCsvField(out, columnInfo(maker).heading, m_separator);
        out.push_back(m_separator);
    }
    out.append("error");
}

void FoundColumns::appendRecord(std::string &out, const Record &record) const
{
    if (record.step) {
        out.append(std::to_string(*record.step));
        out.append(m_steps[static_cast<std::size_t>(*record.step)]);
    } else {
        out.push_back(m_separator);
        out.push_back(m_separator);
    }
    out.push_back(m_separator);
    if (record.matched)
        appendCsvField(out, columnInfo(record.matched->maker).heading, m_separator);
    out.push_back(m_separator);
    if (record.matched)
        appendCsvField(out, record.matched->model, m_separator);
    if (record.step)
        out.append(m_models[static_cast<std::size_t>(*record.step)]);
    else
        out.append(m_makers.size(), m_separator);
    out.push_back(m_separator);
    appendCsvField(out, record.error, m_separator);
}

} // namespace selmak::cli
