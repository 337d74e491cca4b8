// SPDX-License-Identifier: MIT
#include "cli/json_writer.h"

#include "cli/json_text.h"

namespace selmak::cli {

namespace {
constexpr std::string_view kNoModel = "---";
}

JsonWriter::JsonWriter(Output &out, std::span<const Column> makers) : m_out(out)
{
    for (int step = Catalog::kFirstStep; step <= Catalog::kLastStep; ++step) {
        std::string &text = m_steps[static_cast<std::size_t>(step)];
        text.append(",\"power_kw\":");
        appendJsonString(text, stepCell(Column::Power, step));
        text.append(",\"current_a\":");
        appendJsonString(text, stepCell(Column::Current, step));
        text.append(",\"models\":{");
        for (std::size_t i = 0; i < makers.size(); ++i) {
            const Column maker = makers[i];
            if (i > 0)
                text.push_back(',');
            appendJsonString(text, columnInfo(maker).heading);
            text.push_back(':');
            const std::string_view model = stepCell(maker, step);
            if (model == kNoModel)
                text.append("null");
            else
                appendJsonString(text, model);
        }
        text.push_back('}');
    }
}

void JsonWriter::write(const Record &record)
{
    std::string &text = m_out.text();
    text.append("{\"query\":");
    appendJsonString(text, record.query);
    text.append(",\"kind\":\"");
    text.append(kindName(record.kind));
    text.append("\",\"step\":");
    if (record.step)
        text.append(std::to_string(*record.step));
    else
        text.append("null");
    text.append(",\"matched\":");
    if (record.matched) {
        text.append("{\"maker\":");
        appendJsonString(text, columnInfo(record.matched->maker).heading);
        text.append(",\"model\":");
        appendJsonString(text, record.matched->model);
        text.push_back('}');
    } else {
        text.append("null");
    }
    if (record.step)
        text.append(m_steps[static_cast<std::size_t>(*record.step)]);
    else
        text.append(",\"power_kw\":null,\"current_a\":null,\"models\":null");
    text.append(",\"error\":");
    if (record.error.empty())
        text.append("null");
    else
        appendJsonString(text, record.error);
    text.append("}\n");
    m_out.endRecord();
}

} // namespace selmak::cli
