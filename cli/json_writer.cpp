// SPDX-License-Identifier: MIT
#include "cli/json_writer.h"

#include "cli/utf8.h"
#include "core/catalog.h"
#include "core/today_ranges.h"

#include <nlohmann/json.hpp>

namespace selmak::cli {

namespace {

using Json = nlohmann::ordered_json; // keys in the order written

constexpr std::string_view kNoModel = "---";

// A JSON string of any bytes: each byte that begins no well-formed UTF-8 sequence becomes U+FFFD,
// as in the other formats.
Json text(std::string_view bytes)
{
    std::string valid;
    appendValid(valid, bytes);
    return valid;
}

Json model(std::string_view name)
{
    return name == kNoModel ? Json() : text(name);
}

Json range(const TodayFrame *frame)
{
    if (frame == nullptr)
        return nullptr;
    return { { "brand", text(frame->brand) },
             { "name", text(frame->range) },
             { "kind", frame->kind == FrameKind::Today ? "today" : "series" },
             { "power_kw", text(frame->powerText) },
             { "current_a", text(frame->currentText) } };
}

} // namespace

JsonWriter::JsonWriter(Output &out, std::span<const Column> makers) : m_out(out), m_makers(makers)
{ }

void JsonWriter::write(const Record &record)
{
    Json object { { "query", text(record.query) }, { "kind", kindName(record.kind) } };
    object["step"] = record.step ? Json(*record.step) : Json();
    object["matched"] = record.matched
        ? Json { { "maker", columnInfo(record.matched->maker).heading },
                 { "model", text(record.matched->model) },
                 { "range", range(record.matched->frame) } }
        : Json();
    // Keys go in in order; a reference into the object would not outlive the next key.
    if (record.step) {
        const int step = *record.step;
        Json models = Json::object();
        Json today = Json::object();
        for (const Column maker : m_makers) {
            const std::string heading(columnInfo(maker).heading);
            models[heading] = model(*Catalog::cell(maker, step));
            today[heading] = model(todayModel(maker, step));
        }
        object["power_kw"] = text(*Catalog::cell(Column::Power, step));
        object["current_a"] = text(*Catalog::cell(Column::Current, step));
        object["models"] = std::move(models);
        object["today"] = std::move(today);
    } else {
        for (const char *key : { "power_kw", "current_a", "models", "today" })
            object[key] = nullptr;
    }
    object["error"] = record.error.empty() ? Json() : text(record.error);
    std::string &out = m_out.text();
    out.append(object.dump());
    out.push_back('\n');
    m_out.endRecord();
}

} // namespace selmak::cli
