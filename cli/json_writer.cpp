// SPDX-License-Identifier: MIT
#include "cli/json_writer.h"

#include "cli/utf8.h"
#include "core/catalog.h"
#include "core/today_ranges.h"

namespace selmak::cli {

namespace {

constexpr std::string_view kNoModel = "---";

// Puts text into a value, each byte that begins no well-formed UTF-8 sequence made U+FFFD as in
// the other formats. A value that is a string already keeps its storage: a list writes millions
// of records into one object.
void setText(Json &value, std::string_view text)
{
    if (!value.is_string())
        value = std::string();
    std::string &storage = value.get_ref<std::string &>();
    storage.clear();
    appendValid(storage, text);
}

void setModel(Json &value, std::string_view model)
{
    if (model == kNoModel)
        value = nullptr;
    else
        setText(value, model);
}

void setRange(Json &value, const TodayFrame *frame)
{
    if (frame == nullptr) {
        value = nullptr;
        return;
    }
    value = Json::object();
    setText(value["brand"], frame->brand);
    setText(value["name"], frame->range);
    value["kind"] = frame->kind == FrameKind::Today ? "today" : "series";
    if (frame->powerText.empty())
        value["power_kw"] = nullptr;
    else
        setText(value["power_kw"], frame->powerText);
    setText(value["current_a"], frame->currentText);
}

} // namespace

JsonWriter::JsonWriter(Output &out, std::span<const Column> makers) : m_out(out), m_makers(makers)
{
    for (const char *key : { "query", "kind", "step", "matched", "power_kw", "current_a", "models",
                             "today", "error" })
        m_record[key] = nullptr;
}

void JsonWriter::write(const Record &record)
{
    setText(m_record["query"], record.query);
    setText(m_record["kind"], kindName(record.kind));
    m_record["step"] = record.step ? Json(*record.step) : Json();
    Json &matched = m_record["matched"];
    if (record.matched) {
        if (!matched.is_object())
            matched = Json::object();
        setText(matched["maker"], columnInfo(record.matched->maker).heading);
        setText(matched["model"], record.matched->model);
        setRange(matched["range"], record.matched->frame);
    } else {
        matched = nullptr;
    }
    Json &models = m_record["models"];
    Json &today = m_record["today"];
    if (record.step) {
        const int step = *record.step;
        setText(m_record["power_kw"], *Catalog::cell(Column::Power, step));
        setText(m_record["current_a"], *Catalog::cell(Column::Current, step));
        if (!models.is_object()) {
            models = Json::object();
            today = Json::object();
        }
        for (const Column maker : m_makers) {
            const std::string_view heading = columnInfo(maker).heading;
            setModel(models[heading], *Catalog::cell(maker, step));
            setModel(today[heading], todayModel(maker, step));
        }
    } else {
        for (const char *key : { "power_kw", "current_a", "models", "today" })
            m_record[key] = nullptr;
    }
    if (record.error.empty())
        m_record["error"] = nullptr;
    else
        setText(m_record["error"], record.error);
    std::string &text = m_out.text();
    text.append(m_record.dump());
    text.push_back('\n');
    m_out.endRecord();
}

} // namespace selmak::cli
