// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace selmak::lists {

// CSV as RFC 4180 reads it, leniently: a field that starts with a double quote runs to the
// closing quote, with "" standing for one quote, and may hold separators and line breaks; text
// between a closing quote and the separator is kept; a quote inside an unquoted field is text.
// Everything here is constexpr, so that a build step can split a data file with the same rules.

// Where a scan stands after a character.
enum class CsvState {
    FieldStart, // before the first character of a field
    Plain, // in a field that did not start with a quote
    Quoted, // inside quotes
    QuoteSeen, // a quote inside quotes: the closing one, or the first of a doubled pair
};

constexpr CsvState csvStep(CsvState state, char c, char separator)
{
    switch (state) {
    case CsvState::FieldStart:
        if (c == separator)
            return CsvState::FieldStart;
        return c == '"' ? CsvState::Quoted : CsvState::Plain;
    case CsvState::Plain:
        return c == separator ? CsvState::FieldStart : CsvState::Plain;
    case CsvState::Quoted:
        return c == '"' ? CsvState::QuoteSeen : CsvState::Quoted;
    case CsvState::QuoteSeen:
        if (c == '"')
            return CsvState::Quoted;
        return c == separator ? CsvState::FieldStart : CsvState::Plain;
    }
    return state;
}

// The state after a text, from a state before it. A line break in the text ends a record only
// where the state is not Quoted.
constexpr CsvState csvScan(CsvState state, std::string_view text, char separator)
{
    for (const char c : text)
        state = csvStep(state, c, separator);
    return state;
}

// The fields of one complete record's text, in order, each as the record spells it (quotes and
// all); fieldValue() reads one.
class CsvFields
{
public:
    constexpr CsvFields(std::string_view record, char separator)
        : m_record(record), m_separator(separator)
    { }

    // The next field; false after the last one. An empty record has one empty field.
    constexpr bool next(std::string_view &field)
    {
        if (m_done)
            return false;
        CsvState state = CsvState::FieldStart;
        std::size_t i = m_begin;
        for (; i < m_record.size(); ++i) {
            if (state != CsvState::Quoted && m_record[i] == m_separator)
                break;
            state = csvStep(state, m_record[i], m_separator);
        }
        field = m_record.substr(m_begin, i - m_begin);
        m_closed = state != CsvState::Quoted;
        m_done = i >= m_record.size();
        m_begin = i + 1;
        return true;
    }

    // False when the record ended inside a quoted field.
    constexpr bool closed() const { return m_closed; }

private:
    std::string_view m_record;
    char m_separator;
    std::size_t m_begin = 0;
    bool m_done = false;
    bool m_closed = true;
};

// How many fields a record has.
constexpr std::size_t fieldCount(std::string_view record, char separator)
{
    CsvFields fields(record, separator);
    std::size_t count = 0;
    for (std::string_view field; fields.next(field);)
        ++count;
    return count;
}

// Appends a field's text to `out` (anything with push_back(char)): the quotes that enclose it
// taken away and each doubled quote made one.
template<typename Text> constexpr void appendFieldValue(Text &out, std::string_view field)
{
    if (field.empty() || field.front() != '"') {
        for (const char c : field)
            out.push_back(c);
        return;
    }
    bool quoted = true;
    for (std::size_t i = 1; i < field.size(); ++i) {
        const char c = field[i];
        if (quoted && c == '"') {
            if (i + 1 < field.size() && field[i + 1] == '"')
                out.push_back(c), ++i;
            else
                quoted = false;
        } else {
            out.push_back(c);
        }
    }
}

inline std::string fieldValue(std::string_view field)
{
    std::string value;
    appendFieldValue(value, field);
    return value;
}

// Field `index` (from 0) as the record spells it, or false when the record has fewer fields.
constexpr bool fieldAt(std::string_view record, char separator, std::size_t index,
                       std::string_view &field)
{
    CsvFields fields(record, separator);
    for (std::size_t i = 0; fields.next(field); ++i) {
        if (i == index)
            return true;
    }
    return false;
}

static_assert(fieldCount("a;\"b;c\";d", ';') == 3);
static_assert(fieldCount("", ',') == 1);
static_assert([] {
    struct Buffer
    {
        char text[8] {};
        std::size_t size = 0;
        constexpr void push_back(char c) { text[size++] = c; }
    } value;
    appendFieldValue(value, "\"a\"\"b\"");
    return value.size == 3 && value.text[1] == '"';
}());
static_assert(csvScan(CsvState::FieldStart, "1;\"LC1D09;2", ';') == CsvState::Quoted);

} // namespace selmak::lists
