// SPDX-License-Identifier: MIT
#pragma once

#include "core/data_fault.h"
#include "lists/csv_split.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

namespace selmak {

// The data files (data/*.csv, and the tests' own tables) as the build reads them: each file's
// text is compiled in as it stands (cmake/EmbedText.cmake), and these functions split it into
// rows at compile time by the program's own CSV rules (lists/csv_split.h).
//
// A file is a header line, then one row a record, each field as RFC 4180 quotes it; a record
// ends at a line break outside quotes and counts from the line it starts on. A line that starts
// with '#' is a comment; blank lines, a byte-order mark and a CR before a LF are passed over.
//
// A row type is an aggregate of one std::string_view per column, in the header's order, and then
// `int line`; it names its file as kPath and the header as kHeader.

// Whether a text holds a quote. The loops here index characters, since at compile time a call
// for each character would cost the build seconds.
constexpr bool holdsQuote(std::string_view text)
{
    const char *chars = text.data();
    for (std::size_t i = 0, size = text.size(); i < size; ++i) {
        if (chars[i] == '"')
            return true;
    }
    return false;
}

struct DataRecord
{
    std::string_view text;
    int line;
};

// The records of a file's text, comments and blank lines passed over.
class DataRecords
{
public:
    constexpr explicit DataRecords(std::string_view text) : m_text(text)
    {
        if (m_text.starts_with("\xEF\xBB\xBF"))
            m_text.remove_prefix(3);
    }

    // The next record; false after the last. closed() is false when it ends inside quotes.
    constexpr bool next(DataRecord &record)
    {
        while (m_at < m_text.size()) {
            const std::size_t start = m_at;
            const int line = m_line;
            std::size_t end = lineEnd(start);
            m_closed = true;
            // Only a quote can hold a line break inside a record.
            if (m_text[start] != '#' && holdsQuote(m_text.substr(start, end - start))) {
                lists::CsvState state = lists::CsvState::FieldStart;
                for (std::size_t from = start;; from = end + 1, end = lineEnd(from), ++m_line) {
                    state = lists::csvScan(state, m_text.substr(from, end - from), ',');
                    if (state != lists::CsvState::Quoted || end == m_text.size())
                        break;
                }
                m_closed = state != lists::CsvState::Quoted;
            }
            m_at = end + 1;
            ++m_line;
            std::string_view found = m_text.substr(start, end - start);
            if (found.ends_with('\r'))
                found.remove_suffix(1);
            if (!found.empty() && !found.starts_with('#')) {
                record = { found, line };
                return true;
            }
        }
        return false;
    }

    constexpr bool closed() const { return m_closed; }

private:
    constexpr std::size_t lineEnd(std::size_t from) const
    {
        const char *chars = m_text.data();
        std::size_t end = from;
        while (end < m_text.size() && chars[end] != '\n')
            ++end;
        return end;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    int m_line = 1;
    bool m_closed = true;
};

template<class Row> inline constexpr std::size_t kFieldCount = lists::fieldCount(Row::kHeader, ',');

template<class Row, std::size_t... I>
constexpr Row rowOf(const std::array<std::string_view, sizeof...(I)> &values, int line,
                    std::index_sequence<I...>)
{
    return Row { values[I]..., line };
}

// Whether a field's value is the field's own text, or that text within its quotes; otherwise
// (doubled quotes, text after the closing one) it is made apart.
constexpr bool valueIsInText(std::string_view field)
{
    return !field.starts_with('"')
        || (field.size() >= 2 && field.ends_with('"')
            && !holdsQuote(field.substr(1, field.size() - 2)));
}

// Whether a field's quotes are RFC 4180's: none, or around the whole field with each quote inside
// doubled. The lists read a stray quote as text; a reviewed file has none.
constexpr bool quotedStrictly(std::string_view field)
{
    return !holdsQuote(field)
        || (field.starts_with('"')
            && lists::csvScan(lists::CsvState::FieldStart, field, ',') != lists::CsvState::Plain);
}

constexpr std::string_view valueInText(std::string_view field)
{
    return field.starts_with('"') ? field.substr(1, field.size() - 2) : field;
}

constexpr std::size_t valueSize(std::string_view field)
{
    struct Counter
    {
        std::size_t size = 0;
        constexpr void push_back(char) { ++size; }
    } counter;
    lists::appendFieldValue(counter, field);
    return counter.size;
}

// How many rows a file has, and how much room the values that are not in its text take.
struct DataShape
{
    std::size_t rows = 0;
    std::size_t apart = 0;
};

template<class Row> constexpr DataShape shapeOf(std::string_view text)
{
    DataShape shape;
    DataRecords records(text);
    for (DataRecord record; records.next(record); ++shape.rows) {
        if (!holdsQuote(record.text))
            continue;
        lists::CsvFields fields(record.text, ',');
        for (std::string_view field; fields.next(field);)
            shape.apart += valueIsInText(field) ? 0 : valueSize(field);
    }
    shape.rows -= std::min<std::size_t>(shape.rows, 1); // the header
    return shape;
}

// The values that are not in the text, one after another, appended to `out`.
template<class Text> constexpr void appendValuesApart(std::string_view text, Text &out)
{
    DataRecords records(text);
    for (DataRecord record; records.next(record);) {
        if (!holdsQuote(record.text))
            continue;
        lists::CsvFields fields(record.text, ',');
        for (std::string_view field; fields.next(field);) {
            if (!valueIsInText(field))
                lists::appendFieldValue(out, field);
        }
    }
}

// The rows, written through `out`, up to the first record the build cannot read: that one is
// returned, and `out` stands after the last row written. The rows' values view `text` and
// `apart`, which must outlive them.
template<class Row, class Out>
constexpr std::optional<DataFault> readRows(std::string_view text, std::string_view apart,
                                            Out &&out)
{
    DataRecords records(text);
    DataRecord record;
    if (!records.next(record))
        return DataFault { Row::kPath, 1, "no header: `{}` must head the file", Row::kHeader };
    if (record.text != Row::kHeader)
        return DataFault { Row::kPath, record.line, "the header must be `{}`", Row::kHeader };
    std::size_t used = 0;
    while (records.next(record)) {
        std::array<std::string_view, kFieldCount<Row>> values {};
        lists::CsvFields fields(record.text, ',');
        std::size_t count = 0;
        for (std::string_view field; fields.next(field); ++count) {
            if (!quotedStrictly(field))
                return DataFault { Row::kPath, record.line,
                                   "a stray quote in `{}`: quote the whole field and double each "
                                   "quote inside it",
                                   field };
            std::string_view value;
            if (valueIsInText(field)) {
                value = valueInText(field);
            } else {
                value = apart.substr(std::min(used, apart.size()), valueSize(field));
                used += value.size();
            }
            if (count < values.size())
                values[count] = value;
        }
        if (!records.closed())
            return DataFault { Row::kPath, record.line, "a quoted field is not closed" };
        if (count != values.size())
            return DataFault { Row::kPath, record.line,
                               count < values.size() ? "fewer fields than the header `{}`"
                                                     : "more fields than the header `{}`",
                               Row::kHeader };
        *out++ = rowOf<Row>(values, record.line, std::make_index_sequence<kFieldCount<Row>>());
    }
    return std::nullopt;
}

template<std::size_t Size> struct FixedText
{
    std::array<char, Size> chars {};
    std::size_t size = 0;

    constexpr void push_back(char c) { chars[size++] = c; }
    constexpr std::string_view view() const { return { chars.data(), size }; }
};

template<std::size_t Size> constexpr FixedText<Size> valuesApart(std::string_view text)
{
    FixedText<Size> values;
    if constexpr (Size > 0)
        appendValuesApart(text, values);
    return values;
}

template<class Row, std::size_t Count> struct FixedRows
{
    std::array<Row, Count> rows {};
    std::size_t count = 0; // read before a fault
    std::optional<DataFault> fault;
};

template<class Row, std::size_t Count>
constexpr FixedRows<Row, Count> rowsOf(std::string_view text, std::string_view apart)
{
    FixedRows<Row, Count> read;
    Row *out = read.rows.data();
    read.fault = readRows<Row>(text, apart, out);
    read.count = static_cast<std::size_t>(out - read.rows.data());
    return read;
}

// A file's rows as a constant table, made once at compile time from its embedded text. Of a file
// the build cannot read, `fault` says why, and `rows` holds those before the one at fault.
template<class Row, const std::string_view &Text> struct DataTable
{
    static constexpr DataShape shape = shapeOf<Row>(Text);
    static constexpr FixedText<shape.apart> apart = valuesApart<shape.apart>(Text);
    static constexpr FixedRows<Row, shape.rows> read = rowsOf<Row, shape.rows>(Text, apart.view());
    static constexpr std::span<const Row> rows { read.rows.data(), read.count };
    static constexpr const std::optional<DataFault> &fault = read.fault;
};

} // namespace selmak
