// SPDX-License-Identifier: MIT
#include "forms/list_table.h"

#include "core/catalog.h"
#include "forms/outcome_text.h"
#include "lists/answer_memo.h"
#include "lists/bill_writer.h"
#include "lists/byte_source.h"
#include "lists/csv_columns.h"
#include "lists/csv_split.h"

#include <algorithm>
#include <utility>

namespace selmak::forms {
namespace {

constexpr char kTab = '\t';

// The columns' widths in twips: room for a part number (the cell looked up), a position or a
// quantity (the record's other cells), a step, a rating, a model and the longest reason a line
// finds nothing.
constexpr int kLookedUpWidth = 1800;
constexpr int kOwnWidth = 1200;
constexpr int kNumberWidth = 900;
constexpr int kModelWidth = 1500;
constexpr int kTodayWidth = 1800;
constexpr int kNoteWidth = 5400;

// Any line end as LF: the box of each toolkit writes its own, and a record is compared as typed.
// A NUL pasted into the box is no reason to refuse the rest: it reads as a blank. The text is
// copied a run at a time: a list is long, and most have no CR at all.
template<typename Out> void appendWithLineFeeds(Out &out, std::string_view text)
{
    while (!text.empty()) {
        // Not find_first_of, which searches the set once for every character of the text.
        const auto found
            = std::find_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\0'; });
        out.insert(out.end(), text.begin(), found);
        if (found == text.end())
            break;
        const auto stop = static_cast<std::size_t>(found - text.begin());
        out.push_back(text[stop] == '\r' ? '\n' : ' ');
        const bool crlf = text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n';
        text.remove_prefix(stop + (crlf ? 2 : 1));
    }
}

std::string withLineFeeds(std::string_view text)
{
    std::string out;
    appendWithLineFeeds(out, text);
    return out;
}

bool hasDigit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A record's cells, split by one separator, written again with another, each quoted as CSV
// needs; a line break inside a cell becomes LF.
void appendResplit(std::string &out, std::string_view record, char from, char to)
{
    lists::CsvFields fields(record, from);
    bool first = true;
    for (std::string_view field; fields.next(field);) {
        if (!std::exchange(first, false))
            out.push_back(to);
        lists::appendCsvField(out, withLineFeeds(lists::fieldValue(field)), to);
    }
}

std::string ownCell(std::string_view record, std::size_t index)
{
    std::string_view field;
    return lists::fieldAt(record, kTab, index, field) ? lists::fieldValue(field) : std::string();
}

} // namespace

ListTable::ListTable()
{
    reshape();
}

void ListTable::appendBoxRecord(std::string &box, std::string_view record, char separator)
{
    appendResplit(box, record, separator, kTab);
}

lists::NotText ListTable::setText(std::string_view text)
{
    std::vector<char> box;
    box.reserve(text.size());
    appendWithLineFeeds(box, text);
    const std::string_view typed(box.data(), box.size());
    lists::MemorySource source(typed);
    lists::ListReader reader(source, { .csv = true, .separator = kTab });
    if (const lists::NotText verdict = reader.open(); verdict != lists::NotText::No) {
        m_lines.clear();
        m_box.clear();
        m_file.reset();
        reshape();
        return verdict;
    }
    // Each record as a place in the box's own text, which the records of UTF-8 without a mark
    // follow one after the other; a line cut short ends at its line end.
    struct Record
    {
        std::string_view text;
        bool cut;
    };
    std::vector<Record> records;
    std::size_t at = lists::markLength(reader.form());
    for (lists::ListRecord record; reader.next(record);) {
        records.push_back({ typed.substr(at, record.text.size()), record.cut });
        at += record.text.size() + record.ending.size();
        if (record.cut) {
            const std::size_t end = typed.find('\n', at);
            at = end == std::string_view::npos ? typed.size() : end + 1;
        }
    }
    // Only what changed is answered again: typing in one line of a long list answers that line.
    const std::size_t count = records.size();
    std::size_t same = 0;
    while (same < count && same < m_lines.size() && m_lines[same].text == records[same].text)
        ++same;
    std::size_t sameAfter = 0;
    while (sameAfter < count - same && sameAfter < m_lines.size() - same
           && m_lines[m_lines.size() - 1 - sameAfter].text == records[count - 1 - sameAfter].text)
        ++sameAfter;
    std::vector<Line> lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const bool kept = i < same || i >= count - sameAfter;
        Line &line = lines.emplace_back(
            kept ? std::move(m_lines[i < same ? i : m_lines.size() - (count - i)]) : Line {});
        line.text = records[i].text;
        if (!kept) {
            line.hasText = lists::hasText(line.text, kTab);
            line.cells = line.hasText ? lists::fieldCount(line.text, kTab) : 0;
            line.cut = records[i].cut;
            answer(line);
        }
    }
    m_lines = std::move(lines);
    m_box = std::move(box);
    // A file's form goes with the last of its records.
    if (std::none_of(m_lines.begin(), m_lines.end(), [](const Line &l) { return l.record; }))
        m_file.reset();
    reshape();
    return lists::NotText::No;
}

void ListTable::load(std::string_view text, std::vector<FileRecord> records,
                     const lists::TextForm &form, const lists::Layout &layout)
{
    m_lines.clear();
    setText(text);
    const std::size_t count = std::min(records.size(), m_lines.size());
    for (std::size_t i = 0; i < count; ++i)
        m_lines[i].record = std::move(records[i]);
    File file { form, layout, "\r\n" };
    const auto ended = std::find_if(m_lines.begin(), m_lines.end(), [](const Line &l) {
        return l.record && !l.record->ending.empty();
    });
    if (ended != m_lines.end())
        file.ending = ended->record->ending;
    m_file = std::move(file);
}

void ListTable::setColumn(int column)
{
    m_column = column;
    for (Line &line : m_lines)
        answer(line);
    reshape();
}

void ListTable::setMaker(std::optional<Column> maker)
{
    m_maker = maker;
    if (maker)
        m_oneMaker[0] = *maker;
}

std::span<const Column> ListTable::makers() const
{
    if (m_maker)
        return m_oneMaker;
    return kAllMakerColumns;
}

std::string ListTable::lookedUp(const Line &line) const
{
    std::string_view field;
    if (m_column < 1
        || !lists::fieldAt(line.text, kTab, static_cast<std::size_t>(m_column - 1), field))
        return {};
    return lists::fieldValue(field);
}

void ListTable::answer(Line &line)
{
    line.found = {};
    if (!line.hasText)
        return;
    std::string_view field;
    if (line.cut) {
        line.found.outcome = Outcome::LineTooLong;
    } else if (m_column < 1
               || !lists::fieldAt(line.text, kTab, static_cast<std::size_t>(m_column - 1), field)) {
        line.found.outcome = Outcome::NoSuchColumn;
    } else {
        // A bill names the same part numbers row after row: each is looked up once.
        line.found = m_memo.answer(lists::fieldValue(field));
    }
}

void ListTable::reshape()
{
    m_width = 1;
    for (const Line &line : m_lines)
        m_width = std::max(m_width, line.cells);
    m_heading = false;
    if (m_lines.size() >= 2 && m_lines.front().hasText) {
        const Line &first = m_lines.front();
        const bool answersNothing
            = !isFound(first.found.outcome) && first.found.outcome != Outcome::Candidate;
        m_heading = answersNothing && !hasDigit(lookedUp(first))
            && std::any_of(m_lines.begin() + 1, m_lines.end(),
                           [](const Line &l) { return l.hasText; });
    }
}

std::size_t ListTable::rowCount() const
{
    return m_lines.size() - (m_heading ? 1 : 0);
}

std::size_t ListTable::columnCount() const
{
    return m_width + 3 + 2 * makers().size() + 1;
}

ListTable::Place ListTable::place(std::size_t column) const
{
    if (column < m_width)
        return { Part::Own, column };
    column -= m_width;
    if (column < 3)
        return { column == 0 ? Part::Step : column == 1 ? Part::Power : Part::Current };
    column -= 3;
    const std::span<const Column> shown = makers();
    if (column < 2 * shown.size())
        return { column % 2 == 0 ? Part::Model : Part::Today, 0, shown[column / 2] };
    return { Part::Note };
}

std::string ListTable::heading(std::size_t column) const
{
    const Place at = place(column);
    switch (at.part) {
    case Part::Own: {
        std::string own = m_heading ? ownCell(m_lines.front().text, at.own) : std::string();
        if (!own.empty())
            return own;
        return m_width == 1 ? "Строка" : "Столбец " + std::to_string(at.own + 1);
    }
    case Part::Step:
        return "Ступень";
    case Part::Power:
        return "кВт";
    case Part::Current:
        return "А";
    case Part::Model:
        return std::string(columnInfo(at.maker).heading);
    case Part::Today:
        return std::string(columnInfo(at.maker).heading) + " " + std::string(kTodayWord);
    case Part::Note:
        break;
    }
    return "Примечание";
}

int ListTable::widthTwips(std::size_t column) const
{
    const Place at = place(column);
    switch (at.part) {
    case Part::Own:
        return m_width == 1 || static_cast<int>(at.own) + 1 == m_column ? kLookedUpWidth
                                                                        : kOwnWidth;
    case Part::Step:
    case Part::Power:
    case Part::Current:
        return kNumberWidth;
    case Part::Model:
        return kModelWidth;
    case Part::Today:
        return kTodayWidth;
    case Part::Note:
        break;
    }
    return kNoteWidth;
}

std::string ListTable::cell(std::size_t row, std::size_t column) const
{
    const Line &line = lineOf(row);
    const Place at = place(column);
    if (at.part == Part::Own)
        return ownCell(line.text, at.own);
    if (at.part == Part::Note)
        return line.hasText ? std::string(outcomeText(line.found.outcome, line.found.kind))
                            : std::string();
    static constexpr std::array<lists::Found, 5> kFound { lists::Found::Step, lists::Found::PowerKw,
                                                          lists::Found::CurrentA,
                                                          lists::Found::Model,
                                                          lists::Found::Today };
    std::string text;
    lists::appendFoundText(text, kFound[static_cast<std::size_t>(at.part) - 1], line.found.row({}),
                           at.maker);
    return text;
}

ListTable::Counts ListTable::counts() const
{
    Counts counts;
    for (std::size_t row = 0; row < rowCount(); ++row) {
        const Line &line = lineOf(row);
        if (line.hasText) {
            ++counts.lines;
            counts.found += isFound(line.found.outcome) ? 1 : 0;
        }
    }
    return counts;
}

std::string ListTable::tabText() const
{
    std::string out;
    const auto addRow = [&](auto text) {
        for (std::size_t c = 0; c < columnCount(); ++c) {
            if (c > 0)
                out.push_back(kTab);
            lists::appendCsvField(out, text(c), kTab);
        }
        out.append("\r\n");
    };
    addRow([this](std::size_t c) { return heading(c); });
    for (std::size_t r = 0; r < rowCount(); ++r)
        addRow([this, r](std::size_t c) { return cell(r, c); });
    return out;
}

std::string ListTable::saveBytes() const
{
    std::string out;
    const std::span<const Column> shown = makers();
    if (!m_file && m_width == 1 && !m_heading) {
        out.append(lists::kUtf8Mark);
        const lists::ListCsvWriter writer(shown, ';', "\r\n");
        writer.appendHeader(out);
        // The query is the line as typed, whatever column was asked for.
        for (const Line &line : m_lines) {
            const std::string query = ownCell(line.text, 0);
            writer.appendRow(out, line.found.row(query));
        }
        return out;
    }
    const File file
        = m_file.value_or(File { { lists::Encoding::Utf8, true }, { ';', m_width }, "\r\n" });
    lists::BillWriter writer(shown, file.form, file.layout);
    std::string own;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        lists::ListRecord record;
        if (line.record) {
            record.text = line.record->text;
            record.ending = line.record->ending;
            record.unclosed = line.record->unclosed;
        } else {
            // Typed in the box: its cells as the file's separator splits them.
            own.clear();
            appendResplit(own, line.text, kTab, file.layout.separator);
            record.text = own;
            record.ending = file.ending;
        }
        // A record that was last in its file, and is not now, ends its line.
        if (record.ending.empty() && i + 1 < m_lines.size())
            record.ending = file.ending;
        if (i == 0 && m_heading) {
            writer.appendHeader(out, record);
        } else if (!line.hasText) {
            writer.appendUntouched(out, record);
        } else {
            const std::string query = lookedUp(line);
            writer.appendRow(out, record, line.found.row(query));
        }
    }
    return out;
}

} // namespace selmak::forms
