// SPDX-License-Identifier: MIT
#include "cli/run.h"

#include "cli/json_writer.h"
#include "cli/text_writer.h"
#include "forms/hit_line.h"
#include "forms/outcome_text.h"
#include "lists/answer_memo.h"
#include "lists/bill_writer.h"
#include "lists/csv_split.h"
#include "lists/list_reader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <utility>

namespace selmak::cli {
namespace {

using lists::AnswerRow;

// What the run says on standard error, in both languages; each {} takes the next word.
enum class Note {
    CannotOpen,
    CannotRead,
    NotText,
    Spreadsheet,
    Unclosed,
    UnclosedTooLong,
    HeaderLooksLikeCode,
    WiderRow,
    HalfCharacter,
};

constexpr std::array<std::array<std::string_view, 2>, 9> kNotes { {
    { "cannot open '{}': {}", "не удаётся открыть «{}»: {}" },
    { "{}: cannot read the file", "{}: файл не читается" },
    { "{}: not a text file: nothing is written", "{}: это не текстовый файл, ничего не выведено" },
    { "{}: an Excel workbook, not text: save the sheet as CSV (File > Save As > CSV) and give "
      "that file",
      "{}: это книга Excel, а не текст: сохраните лист как CSV (Файл > Сохранить как > CSV) "
      "и укажите этот файл" },
    { "{}:{}: a quote opened in this line is not closed before the end of the file ({} lines): "
      "the line is answered alone and the lines after it are read again",
      "{}:{}: кавычка, открытая в этой строке, не закрыта до конца файла (строк: {}): строка "
      "прочитана отдельно, следующие прочитаны заново" },
    { "{}:{}: a quote opened in this line is not closed within 16 MiB ({} lines): the line is "
      "answered alone and the lines after it are read again",
      "{}:{}: кавычка, открытая в этой строке, не закрыта и в пределах 16 МиБ (строк: {}): "
      "строка прочитана отдельно, следующие прочитаны заново" },
    { "{}:1: the first line is read as the header, yet it looks like a part number; give "
      "--no-header if the file has none",
      "{}:1: первая строка считается заголовком, хотя похожа на обозначение; если заголовка "
      "нет, укажите --no-header" },
    { "{}:{}: the row has {} cells, more than the {} of the first rows: its answer stands "
      "further right",
      "{}:{}: в строке {} ячеек, больше, чем {} в первых строках: ответ в ней стоит правее" },
    { "{}: the file ends inside a UTF-16 character: its last byte is not written",
      "{}: файл кончается посреди символа UTF-16: последний байт не выведен" },
} };

class Notes
{
public:
    Notes(Stream &err, Language language, std::string_view file)
        : m_err(err), m_language(language), m_file(file == "-" ? "stdin" : file)
    { }

    void say(Note note, std::initializer_list<std::string> words)
    {
        std::string text(
            kNotes[static_cast<std::size_t>(note)][m_language == Language::Russian ? 1 : 0]);
        std::size_t at = 0;
        for (const std::string &word : words) {
            at = text.find("{}", at);
            text.replace(at, 2, word);
            at += word.size();
        }
        m_err.write("selmak-find: " + text + "\n");
    }
    const std::string &file() const { return m_file; }

private:
    Stream &m_err;
    Language m_language;
    std::string m_file;
};

class CsvWriter : public AnswerWriter
{
public:
    explicit CsvWriter(std::span<const Column> makers) : m_csv(makers, ',', "\r\n") { }
    void appendHeader(std::string &out) override { m_csv.appendHeader(out); }
    void appendRow(std::string &out, const AnswerRow &row) override { m_csv.appendRow(out, row); }

private:
    lists::ListCsvWriter m_csv;
};

std::unique_ptr<AnswerWriter> makeWriter(Format format, std::span<const Column> makers)
{
    switch (format) {
    case Format::Csv:
        return std::make_unique<CsvWriter>(makers);
    case Format::Json:
        return std::make_unique<JsonWriter>(makers);
    case Format::Text:
        break;
    }
    return std::make_unique<TextWriter>(makers);
}

// A line with nothing but blanks, or a spreadsheet's row of empty cells.
bool blank(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        return c == ' ' || c == '\t' || c == ';' || c == ',' || c == '"';
    });
}

// One line of a list answered, and where the memo keeps it (none for a line not looked up);
// valid until the next.
AnswerRow answered(std::string_view query, bool cut, lists::AnswerMemo &memo,
                   lists::RowAnswer *&kept)
{
    kept = nullptr;
    if (cut)
        return { query, QueryKind::Model, Outcome::LineTooLong, {} };
    if (blank(query))
        return { query, QueryKind::Model, Outcome::Found, {} };
    kept = &memo.answer(query);
    return kept->row(query);
}

int runList(const Options &options, lists::ListReader &reader, Stream &out)
{
    const std::unique_ptr<AnswerWriter> writer = makeWriter(options.format, options.makers);
    std::string text;
    writer->appendHeader(text);
    out.write(text);
    bool skip = options.header.value_or(false);
    bool allFound = true;
    lists::AnswerMemo memo;
    // A row of CSV or JSON is the same wherever its line stands; the text format sets records
    // apart by what came before.
    const bool reuse = options.format != Format::Text;
    for (lists::ListRecord record; reader.next(record);) {
        if (std::exchange(skip, false))
            continue;
        lists::RowAnswer *kept = nullptr;
        const AnswerRow row = answered(record.text, record.cut, memo, kept);
        allFound = allFound && isFound(row.outcome);
        if (reuse && kept != nullptr && !kept->written.empty()) {
            out.write(kept->written);
            continue;
        }
        text.clear();
        writer->appendRow(text, row);
        out.write(text);
        if (reuse && kept != nullptr)
            kept->written = text;
    }
    return allFound ? kAllFound : kSomeNotFound;
}

int runBill(const Options &options, lists::ListReader &reader, Stream &out, Notes &notes)
{
    const lists::Layout &layout = reader.layout();
    lists::BillWriter writer(options.makers, reader.form(), layout);
    const auto column = static_cast<std::size_t>(options.column - 1);
    bool header = options.header.value_or(true);
    int status = kAllFound;
    std::string text;
    std::string query;
    lists::AnswerMemo memo;
    for (lists::ListRecord record; reader.next(record);) {
        text.clear();
        if (record.unclosed) {
            notes.say(record.toEnd ? Note::Unclosed : Note::UnclosedTooLong,
                      { notes.file(), std::to_string(record.line), std::to_string(record.taken) });
            status = kSomeNotFound;
        }
        std::string_view cell;
        const bool hasCell = lists::fieldAt(record.text, layout.separator, column, cell);
        if (std::exchange(header, false)) {
            if (hasCell && isFound(answer(lists::fieldValue(cell), QueryKind::Model).outcome))
                notes.say(Note::HeaderLooksLikeCode, { notes.file() });
            writer.appendHeader(text, record);
            out.write(text);
            continue;
        }
        if (!lists::hasText(record.text, layout.separator)) {
            writer.appendUntouched(text, record);
            out.write(text);
            continue;
        }
        const std::size_t cells = lists::fieldCount(record.text, layout.separator);
        if (cells > layout.width)
            notes.say(Note::WiderRow,
                      { notes.file(), std::to_string(record.line), std::to_string(cells),
                        std::to_string(layout.width) });
        // A row narrower than the bill has its missing cells empty; a column beyond every row
        // of the bill's head is no column of it.
        AnswerRow row { {}, QueryKind::Model, Outcome::NoSuchColumn, {} };
        if (hasCell || column < layout.width) {
            query = hasCell ? lists::fieldValue(cell) : std::string();
            lists::RowAnswer *kept = nullptr;
            row = answered(query, record.cut, memo, kept);
        }
        if (!isFound(row.outcome))
            status = kSomeNotFound;
        writer.appendRow(text, record, row);
        out.write(text);
    }
    return status;
}

QueryKind kindOf(Mode mode)
{
    switch (mode) {
    case Mode::Power:
        return QueryKind::Power;
    case Mode::Current:
        return QueryKind::Current;
    default:
        return QueryKind::Model;
    }
}

} // namespace

int runSingle(const Options &options, Stream &out, Stream &err, Language)
{
    const QueryKind kind = kindOf(options.mode);
    const Answer found = answer(options.subject, kind);
    const lists::RowAnswer viewed = lists::RowAnswer::of(found);
    const AnswerRow row = viewed.row(options.subject);
    const std::vector<ModelHit> &hits = viewed.hits;
    const bool stepped = std::any_of(hits.begin(), hits.end(),
                                     [](const ModelHit &hit) { return hit.step != kNoStep; });
    std::string text;
    if (options.format == Format::Text && !stepped) {
        // Only why, as the main window's warning or the find window's line says it.
        if (kind != QueryKind::Model) {
            text.append(forms::outcomeText(found.outcome, kind)).push_back('\n');
        } else if (hits.empty()) {
            appendPrintable(text, options.subject);
            text.append(": ").append(forms::outcomeText(found.outcome)).push_back('\n');
        }
        for (const ModelHit &hit : hits) {
            appendPrintable(text, options.subject);
            text.append(": ").append(forms::hitLine(hit, shownOrder(row, hit))).push_back('\n');
        }
        err.write(text);
        return kSomeNotFound;
    }
    const std::unique_ptr<AnswerWriter> writer = makeWriter(options.format, options.makers);
    writer->appendHeader(text);
    writer->appendRow(text, row);
    out.write(text);
    return isFound(found.outcome) ? kAllFound : kSomeNotFound;
}

int runBatch(const Options &options, Stream &out, Stream &err, Language language)
{
    Notes notes(err, language, options.subject);
    const bool standardInput = options.subject == "-";
    std::FILE *file = standardInput ? standardInputBytes() : openBytes(options.subject);
    if (file == nullptr) {
        notes.say(Note::CannotOpen, { options.subject, std::strerror(errno) });
        return kUsageError;
    }
    lists::FileSource source(file);
    const bool bill = options.column != 0;
    lists::ListReader reader(source, { bill, options.separator });
    int status = kUsageError;
    switch (reader.open()) {
    case lists::NotText::No:
        status = bill ? runBill(options, reader, out, notes) : runList(options, reader, out);
        break;
    case lists::NotText::Binary:
        notes.say(Note::NotText, { notes.file() });
        break;
    case lists::NotText::Spreadsheet:
        notes.say(Note::Spreadsheet, { notes.file() });
        break;
    }
    if (reader.failed()) {
        notes.say(Note::CannotRead, { notes.file() });
        status = kUsageError;
    } else if (reader.leftOver()) {
        notes.say(Note::HalfCharacter, { notes.file() });
        status = std::max(status, kSomeNotFound);
    }
    if (!standardInput)
        std::fclose(file);
    return status;
}

} // namespace selmak::cli
