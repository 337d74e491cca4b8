// SPDX-License-Identifier: MIT
#pragma once

#include "core/answer.h"
#include "lists/answer_memo.h"
#include "lists/csv_columns.h"
#include "lists/list_reader.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace selmak::forms {

// Every maker, in the catalogue's column order, as the window offers them.
inline constexpr auto kAllMakerColumns = [] {
    std::array<Column, 14> makers {};
    std::size_t i = 0;
    for (const ColumnInfo &info : kColumns) {
        if (isMaker(info.column))
            makers[i++] = info.column;
    }
    return makers;
}();

// One record of a bill as its file spells it, which Save writes back byte for byte.
struct FileRecord
{
    std::string text; // UTF-8, the file's own cells as the file quotes them
    std::string ending; // "\r\n", "\n", "\r", or "" for a last line without one
    bool unclosed = false; // a quote opened in it and never closed
};

// The list window's table. The box holds a list as Excel puts cells on the clipboard: a record a
// line, its cells separated by tabs, a cell with a tab, a quote or a line break in quotes. Each
// record is a row, in order, with its own cells, then what the cell of the chosen column found:
// the step, its power and current, the chosen maker's (or each maker's) catalogue model and model
// of today, and why it found nothing. A record without text is an empty row. A first record whose
// looked-up cell holds no digit and finds nothing, with more records after it, is the heading.
class ListTable
{
public:
    ListTable();

    // The box's text read anew (any line ends): records as before keep their answers and their
    // file's records; the others are answered. The reader's verdict when the text is no text.
    lists::NotText setText(std::string_view text);
    // A file's records, put in the box as `text` holds them (boxText), one line each, in order.
    void load(std::string_view text, std::vector<FileRecord> records, const lists::TextForm &form,
              const lists::Layout &layout);
    // The cell looked up, counted from 1; 0 for none. Every record is answered anew.
    void setColumn(int column);
    // The maker whose columns are shown; none for every maker.
    void setMaker(std::optional<Column> maker);

    std::size_t rowCount() const;
    std::size_t columnCount() const;
    std::string heading(std::size_t column) const; // UTF-8
    int widthTwips(std::size_t column) const; // what the column is laid out at
    std::string cell(std::size_t row, std::size_t column) const; // UTF-8

    struct Counts
    {
        std::size_t lines = 0; // with text, the heading aside
        std::size_t found = 0;
    };
    Counts counts() const;

    // The whole table, heading included, as Excel pastes cells: tab-separated, CRLF.
    std::string tabText() const;
    // What Save writes. While a file's records are in the box, the file as selmak-find --batch
    // writes a bill: its own encoding, separator and line ends, its records byte for byte, the
    // answers after them. Otherwise Excel's CSV UTF-8 (a byte-order mark, ';', CRLF): a plain
    // list as selmak-find --batch writes a list, one with columns or a heading as a bill.
    std::string saveBytes() const;
    bool fromFile() const { return m_file.has_value(); }

    // A file's record as it stands in the box: its cells' values joined by tabs, quoted as Excel
    // quotes them, a line break inside a cell made LF.
    static void appendBoxRecord(std::string &box, std::string_view record, char separator);

private:
    struct Line
    {
        std::string_view text; // the record as the box holds it, in m_box
        bool hasText = false;
        std::size_t cells = 0; // how many it has; none without text
        bool cut = false; // longer than the reader keeps
        lists::RowAnswer found; // Found for a line without text
        std::optional<FileRecord> record;
    };
    struct File
    {
        lists::TextForm form;
        lists::Layout layout;
        std::string ending; // for a record typed in the box
    };
    enum class Part { Own, Step, Power, Current, Model, Today, Note };
    struct Place
    {
        Part part;
        std::size_t own = 0; // an own cell's place
        Column maker = Column::Power;
    };

    void answer(Line &line);
    std::string lookedUp(const Line &line) const;
    void reshape();
    Place place(std::size_t column) const;
    std::span<const Column> makers() const;
    const Line &lineOf(std::size_t row) const { return m_lines[row + (m_heading ? 1 : 0)]; }

    std::vector<char> m_box; // the box's text, its line ends LF; a vector keeps its place moved
    std::vector<Line> m_lines;
    int m_column = 1;
    std::optional<Column> m_maker;
    std::array<Column, 1> m_oneMaker { Column::Power };
    std::optional<File> m_file;
    lists::AnswerMemo m_memo;
    std::size_t m_width = 1; // the most cells a record has
    bool m_heading = false;
};

} // namespace selmak::forms
