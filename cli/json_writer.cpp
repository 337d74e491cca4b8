// SPDX-License-Identifier: MIT
#include "cli/json_writer.h"

#include "core/catalog.h"
#include "core/order_codes.h"
#include "core/today_ranges.h"
#include "core/utf8.h"

#include <algorithm>
#include <charconv>

namespace selmak::cli {
namespace {

constexpr std::string_view kNoModel = "---";

struct Context
{
    const lists::AnswerRow &row;
    const ModelHit *hit; // none for a line that found nothing
    JsonWriter &writer;

    const Order *order; // what the code reads as, where the hit is its frame

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
    out.append(",\"kind\":");
    out.append(frame->kind == FrameKind::Today              ? "\"today\""
                   : frame->kind == FrameKind::Discontinued ? "\"discontinued\""
                                                            : "\"series\"");
    out.append(",\"power_kw\":");
    appendTextOrNull(out, frame->powerText);
    out.append(",\"current_a\":");
    appendTextOrNull(out, frame->currentText);
    out.push_back('}');
}

void appendNumber(std::string &out, double value)
{
    char text[32];
    const auto written = std::to_chars(std::begin(text), std::end(text), value);
    out.append(text, written.ptr);
}

void appendContacts(std::string &out, Contacts contacts)
{
    out.append("{\"no\":").append(std::to_string(contacts.no));
    out.append(",\"nc\":").append(std::to_string(contacts.nc)).push_back('}');
}

std::string_view kindValue(CoilKind kind)
{
    switch (kind) {
    case CoilKind::Ac:
        return "\"AC\"";
    case CoilKind::Dc:
        return "\"DC\"";
    case CoilKind::AcDc:
        break;
    }
    return "\"AC/DC\"";
}

std::string_view hertzValue(Frequency hz)
{
    switch (hz) {
    case Frequency::Hz50:
        return "\"50\"";
    case Frequency::Hz60:
        return "\"60\"";
    case Frequency::Hz50And60:
        return "\"50/60\"";
    case Frequency::None:
        break;
    }
    return "null";
}

std::string_view terminalsValue(const std::optional<Terminals> &terminals)
{
    if (!terminals)
        return "null";
    switch (*terminals) {
    case Terminals::Screw:
        return "\"screw\"";
    case Terminals::Spring:
        return "\"spring\"";
    case Terminals::Ring:
        break;
    }
    return "\"ring\"";
}

// {"frame", "coil": {"kind", "volts": [min, max], "hz"}, "aux": {"no", "nc"}, "terminals"}: each
// part null where no rule says it. A dual rating's volts are its two voltages.
void appendOrder(std::string &out, const Order *order)
{
    if (order == nullptr) {
        out.append("null");
        return;
    }
    out.append("{\"frame\":");
    appendJsonString(out, order->frame->model);
    out.append(",\"coil\":");
    if (const std::optional<Coil> &coil = order->coil) {
        out.append("{\"kind\":").append(kindValue(coil->kind)).append(",\"volts\":[");
        appendNumber(out, std::min(coil->low, coil->high));
        out.push_back(',');
        appendNumber(out, std::max(coil->low, coil->high));
        out.append("],\"hz\":").append(hertzValue(coil->hz)).push_back('}');
    } else {
        out.append("null");
    }
    out.append(",\"aux\":");
    if (order->aux)
        appendContacts(out, *order->aux);
    else
        out.append("null");
    out.append(",\"terminals\":").append(terminalsValue(order->terminals)).push_back('}');
}

// Each maker's whole code of today for the order (null where none is written) or, with `lacks`,
// the auxiliary contacts that each written code lacks, for the makers whose code lacks any.
void appendTodayCodes(std::string &out, std::span<const Column> makers, int step,
                      const Order &order, bool lacks)
{
    char open = '{';
    for (const Column maker : makers) {
        const TodayCode code = todayCode(maker, step, order);
        const bool written = code.outcome == TodayCodeOutcome::Written;
        if (lacks && !(written && (code.missing.no > 0 || code.missing.nc > 0)))
            continue;
        out.push_back(open);
        open = ',';
        appendJsonString(out, columnInfo(maker).heading);
        out.push_back(':');
        if (lacks)
            appendContacts(out, code.missing);
        else if (written)
            appendJsonString(out, code.code);
        else
            out.append("null");
    }
    out.append(open == '{' ? "{}" : "}");
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
constexpr std::array<JsonKey, 13> kKeys { {
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
    { "order", [](std::string &out, const Context &c) { appendOrder(out, c.order); } },
    { "power_kw", [](std::string &out, const Context &c) { appendRating(out, c, Column::Power); } },
    { "current_a",
      [](std::string &out, const Context &c) { appendRating(out, c, Column::Current); } },
    { "models",
      [](std::string &out, const Context &c) {
          out.append(c.stepped() ? c.writer.makersAt(c.hit->step, JsonWriter::Models) : "null");
      } },
    { "today",
      [](std::string &out, const Context &c) {
          out.append(c.stepped() ? c.writer.makersAt(c.hit->step, JsonWriter::Today) : "null");
      } },
    { "today_unrated",
      [](std::string &out, const Context &c) {
          out.append(c.stepped() ? c.writer.makersAt(c.hit->step, JsonWriter::Unrated) : "null");
      } },
    { "today_code",
      [](std::string &out, const Context &c) {
          out.append(c.stepped() && c.order ? c.writer.codesAt(c.hit->step, *c.order)[0] : "null");
      } },
    { "today_code_lacks",
      [](std::string &out, const Context &c) {
          out.append(c.stepped() && c.order ? c.writer.codesAt(c.hit->step, *c.order)[1] : "null");
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

const std::string &JsonWriter::makersAt(int step, Makers what)
{
    std::string &text = m_makersAt[static_cast<std::size_t>(3 * step + what)];
    if (!text.empty())
        return text;
    // Unrated: the makers whose model of today is listed without a rating, as an array.
    text.push_back(what == Unrated ? '[' : '{');
    for (const Column maker : m_makers) {
        const std::size_t before = text.size();
        if (text.size() > 1)
            text.push_back(',');
        const std::string_view caption = columnInfo(maker).heading;
        if (what == Unrated) {
            const TodayFrame *frame = todayFrame(maker, step);
            if (frame != nullptr && !isRated(*frame))
                appendJsonString(text, caption);
            else
                text.resize(before);
            continue;
        }
        appendJsonString(text, caption);
        text.push_back(':');
        const std::string_view model
            = what == Today ? todayModel(maker, step) : *Catalog::cell(maker, step);
        if (model == kNoModel)
            text.append("null");
        else
            appendJsonString(text, model);
    }
    text.push_back(what == Unrated ? ']' : '}');
    return text;
}

const std::array<std::string, 2> &JsonWriter::codesAt(int step, const Order &order)
{
    std::array<std::string, 2> &codes = m_codesAt.at(std::uint32_t { 1 } << step, order);
    if (codes[0].empty()) {
        appendTodayCodes(codes[0], m_makers, step, order, false);
        appendTodayCodes(codes[1], m_makers, step, order, true);
    }
    return codes;
}

void JsonWriter::appendRow(std::string &out, const lists::AnswerRow &row)
{
    const auto object = [&](const ModelHit *hit) {
        const Context context { row, hit, *this,
                                hit != nullptr ? lists::orderOf(row, *hit) : nullptr };
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
