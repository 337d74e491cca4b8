// SPDX-License-Identifier: MIT
#include "cli/json_writer.h"

#include "core/catalog.h"
#include "core/today_ranges.h"
#include "core/utf8.h"

namespace selmak::cli {
namespace {

constexpr std::string_view kNoModel = "---";

struct Context
{
    const lists::AnswerRow &row;
    const ModelHit *hit; // none for a line that found nothing
    JsonWriter &writer;

    bool stepped() const { return hit != nullptr && hit->step != kNoStep; }
};

void appendTextOrNull(std::string &out, std::string_view text)
{
    if (text.empty())
        out.append("null");
    else
        appendJsonString(out, text);
}

void appendRange(std::string &out, const TodayFrame *frame)
{
    if (frame == nullptr) {
        out.append("null");
        return;
    }
    out.append("{\"brand\":");
    appendJsonString(out, frame->brand);
    out.append(",\"name\":");
    appendJsonString(out, frame->range);
    out.append(frame->kind == FrameKind::Today ? ",\"kind\":\"today\"" : ",\"kind\":\"series\"");
    out.append(",\"power_kw\":");
    appendTextOrNull(out, frame->powerText);
    out.append(",\"current_a\":");
    appendJsonString(out, frame->currentText);
    out.push_back('}');
}

void appendRating(std::string &out, const Context &c, Column column)
{
    if (c.stepped())
        appendJsonString(out, *Catalog::cell(column, c.hit->step));
    else
        out.append("null");
}

struct JsonKey
{
    std::string_view key;
    void (*value)(std::string &out, const Context &c);
};

// The one table of keys, in the order they are written.
constexpr std::array<JsonKey, 9> kKeys { {
    { "query", [](std::string &out, const Context &c) { appendJsonString(out, c.row.query); } },
    { "kind",
      [](std::string &out, const Context &c) {
          appendJsonString(out, lists::kindValue(c.row.kind));
      } },
    { "step",
      [](std::string &out, const Context &c) {
          out.append(c.stepped() ? std::to_string(c.hit->step) : "null");
      } },
    { "matched",
      [](std::string &out, const Context &c) {
          if (c.hit == nullptr || c.hit->model.empty()) {
              out.append("null");
              return;
          }
          out.append("{\"maker\":");
          appendJsonString(out, columnInfo(c.hit->maker).heading);
          out.append(",\"model\":");
          appendJsonString(out, c.hit->model);
          out.append(",\"range\":");
          appendRange(out, c.hit->frame);
          out.push_back('}');
      } },
    { "power_kw", [](std::string &out, const Context &c) { appendRating(out, c, Column::Power); } },
    { "current_a",
      [](std::string &out, const Context &c) { appendRating(out, c, Column::Current); } },
    { "models",
      [](std::string &out, const Context &c) {
          out.append(c.stepped() ? c.writer.makersAt(c.hit->step, false) : "null");
      } },
    { "today",
      [](std::string &out, const Context &c) {
          out.append(c.stepped() ? c.writer.makersAt(c.hit->step, true) : "null");
      } },
    { "error",
      [](std::string &out, const Context &c) {
          appendTextOrNull(out,
                           lists::outcomeValue(c.hit != nullptr ? outcomeOf(*c.hit, c.row.outcome)
                                                                : c.row.outcome));
      } },
} };

} // namespace

void appendJsonString(std::string &out, std::string_view text)
{
    constexpr char kHex[] = "0123456789abcdef";
    out.push_back('"');
    std::size_t plain = 0; // where the text not yet appended starts
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0x20 && b != '"' && b != '\\' && b < 0x80) {
            ++i;
            continue;
        }
        out.append(text.substr(plain, i - plain));
        if (b >= 0x80) {
            const Utf8Char c = decodeUtf8(text.substr(i));
            if (c.codePoint == kInvalidUtf8)
                out.append("\xEF\xBF\xBD");
            else
                out.append(text.substr(i, c.length));
            i += c.length;
        } else if (b == '"' || b == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(b));
            ++i;
        } else {
            out.append("\\u00");
            out.push_back(kHex[b >> 4]);
            out.push_back(kHex[b & 0xF]);
            ++i;
        }
        plain = i;
    }
    out.append(text.substr(plain));
    out.push_back('"');
}

JsonWriter::JsonWriter(std::span<const Column> makers) : m_makers(makers) { }

const std::string &JsonWriter::makersAt(int step, bool today)
{
    std::string &text = m_makersAt[static_cast<std::size_t>(2 * step + (today ? 1 : 0))];
    if (!text.empty())
        return text;
    text.push_back('{');
    for (const Column maker : m_makers) {
        if (text.size() > 1)
            text.push_back(',');
        appendJsonString(text, columnInfo(maker).heading);
        text.push_back(':');
        const std::string_view model
            = today ? todayModel(maker, step) : *Catalog::cell(maker, step);
        if (model == kNoModel)
            text.append("null");
        else
            appendJsonString(text, model);
    }
    text.push_back('}');
    return text;
}

void JsonWriter::appendRow(std::string &out, const lists::AnswerRow &row)
{
    const auto object = [&](const ModelHit *hit) {
        const Context context { row, hit, *this };
        char open = '{';
        for (const JsonKey &key : kKeys) {
            out.push_back(open);
            open = ',';
            appendJsonString(out, key.key);
            out.push_back(':');
            key.value(out, context);
        }
        out.append("}\n");
    };
    if (row.hits.empty())
        object(nullptr);
    for (const ModelHit &hit : row.hits)
        object(&hit);
}

} // namespace selmak::cli
