// SPDX-License-Identifier: MIT
#include "lists/list_reader.h"

#include "lists/csv_split.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace selmak::lists {
namespace {

constexpr std::size_t kChunk = std::size_t { 1 } << 16;
// What the layout is found from: enough records to outvote a title or a note above the table.
constexpr std::size_t kHeadBytes = std::size_t { 1 } << 16;
constexpr std::size_t kHeadRecords = 100;

// The field counts of a head's records with text, split with one separator.
std::vector<std::size_t> fieldCounts(std::string_view text, char separator)
{
    std::vector<std::size_t> counts;
    CsvState state = CsvState::FieldStart;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= text.size() && counts.size() < kHeadRecords; ++i) {
        const bool end = i == text.size();
        if (!end && ((text[i] != '\n' && text[i] != '\r') || state == CsvState::Quoted)) {
            state = csvStep(state, text[i], separator);
            continue;
        }
        const std::string_view record = text.substr(begin, i - begin);
        if (hasText(record, separator))
            counts.push_back(fieldCount(record, separator));
        begin = i + 1;
        state = CsvState::FieldStart;
    }
    return counts;
}

char excelSeparator(const TextForm &form)
{
    switch (form.encoding) {
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        return '\t';
    case Encoding::Windows1251:
        return ';';
    case Encoding::Utf8:
        break;
    }
    return form.byteOrderMark ? ';' : ',';
}

} // namespace

bool hasText(std::string_view record, char separator)
{
    return std::any_of(record.begin(), record.end(), [separator](char c) {
        return c != separator && c != '"' && c != ' ' && c != '\t';
    });
}

Layout sniffLayout(std::string_view text, const TextForm &form, std::optional<char> separator)
{
    std::size_t best = 0; // records that agree on the winner's count
    char chosen = separator.value_or(excelSeparator(form));
    for (const char candidate : kSeparators) {
        if (separator)
            break;
        const std::vector<std::size_t> counts = fieldCounts(text, candidate);
        // The count most records have, and how many have it.
        std::size_t agree = 0;
        std::size_t modal = 0;
        for (const std::size_t count : counts) {
            const auto same
                = static_cast<std::size_t>(std::count(counts.begin(), counts.end(), count));
            if (same > agree || (same == agree && count > modal)) {
                agree = same;
                modal = count;
            }
        }
        if (modal >= 2 && agree > best) {
            best = agree;
            chosen = candidate;
        }
    }
    const std::vector<std::size_t> counts = fieldCounts(text, chosen);
    const auto widest = std::max_element(counts.begin(), counts.end());
    return { chosen, widest == counts.end() ? 1 : *widest };
}

ListReader::ListReader(ByteSource &source, const Options &options)
    : m_source(source), m_options(options), m_chunk(kChunk)
{ }

NotText ListReader::open()
{
    std::string head;
    while (head.size() < kHeadBytes) {
        const std::size_t got = m_source.read(m_chunk.data(), m_chunk.size());
        if (got == 0) {
            m_end = true;
            break;
        }
        head.append(m_chunk.data(), got);
    }
    if (const NotText verdict = sniffNotText(head); verdict != NotText::No)
        return verdict;
    m_form = detectEncoding(head, m_end);
    m_decoder = Decoder(m_form.encoding);
    m_decoder.decode(std::string_view(head).substr(markLength(m_form)), m_text);
    if (m_options.csv) {
        std::string_view sample = m_text;
        if (!m_end)
            sample = sample.substr(0, sample.find_last_of("\r\n") + 1);
        m_layout = sniffLayout(sample, m_form, m_options.separator);
    }
    return NotText::No;
}

bool ListReader::fill()
{
    if (m_end)
        return false;
    const std::size_t got = m_source.read(m_chunk.data(), m_chunk.size());
    if (got == 0) {
        m_end = true;
        return false;
    }
    m_decoder.decode({ m_chunk.data(), got }, m_text);
    return true;
}

// A line too long to keep: the text past `keep` is dropped until its line end, which then
// follows `keep`.
void ListReader::skipTo(std::size_t keep, Line &line)
{
    m_text.resize(keep);
    line = { keep, 0, true };
    while (fill()) {
        const std::size_t at = m_text.find_first_of("\r\n", keep);
        if (at == std::string::npos) {
            m_text.resize(keep);
            continue;
        }
        m_text.erase(keep, at - keep);
        if (m_text[keep] == '\r' && keep + 1 == m_text.size())
            fill();
        line.ending = m_text.compare(keep, 2, "\r\n") == 0 ? 2 : 1;
        break;
    }
    m_scanned = keep;
}

// A line found whole but longer than kept: what is past kMaxRecord is dropped.
ListReader::Line ListReader::kept(std::size_t begin, Line line)
{
    if (line.end - begin <= kMaxRecord)
        return line;
    const std::size_t keep = begin + kMaxRecord;
    m_text.erase(keep, line.end - keep);
    m_scanned = keep;
    return { keep, line.ending, true };
}

std::optional<ListReader::Line> ListReader::lineAt(std::size_t begin)
{
    if (m_scanBegin != begin) {
        m_scanBegin = begin;
        m_scanned = begin;
    }
    for (;;) {
        const std::size_t from = std::max(begin, m_scanned);
        const char *base = m_text.data();
        const std::size_t size = m_text.size();
        const auto *lf = static_cast<const char *>(std::memchr(base + from, '\n', size - from));
        const std::size_t limit = lf != nullptr ? static_cast<std::size_t>(lf - base) : size;
        const auto *cr = static_cast<const char *>(std::memchr(base + from, '\r', limit - from));
        if (cr != nullptr) {
            const auto at = static_cast<std::size_t>(cr - base);
            if (at + 1 == size && !m_end) { // a CR last: an LF may follow in the next piece
                m_scanned = at;
                if (fill())
                    continue;
            }
            return kept(
                begin,
                Line { at, at + 1 < m_text.size() && m_text[at + 1] == '\n' ? 2u : 1u, false });
        }
        if (lf != nullptr)
            return kept(begin, Line { limit, 1, false });
        m_scanned = size;
        if (size - begin > kMaxRecord) {
            Line line {};
            skipTo(begin + kMaxRecord, line);
            return line;
        }
        if (!fill())
            return size > begin ? std::optional(Line { size, 0, false }) : std::nullopt;
    }
}

bool ListReader::next(ListRecord &record)
{
    if (m_pos > kChunk * 16 && m_pos * 2 > m_text.size()) {
        m_text.erase(0, m_pos);
        m_scanBegin = m_scanBegin >= m_pos ? m_scanBegin - m_pos : std::string::npos;
        m_scanned = m_scanned >= m_pos ? m_scanned - m_pos : 0;
        m_pos = 0;
    }
    const std::size_t start = m_pos;
    const std::optional<Line> first = lineAt(start);
    if (!first)
        return false;
    Line last = *first;
    std::size_t lines = 1;
    bool unclosed = false;
    bool toEnd = false;
    if (m_options.csv && !first->cut) {
        const auto quoted = [this](std::size_t from, std::size_t to, CsvState state) {
            if (std::memchr(m_text.data() + from, '"', to - from) == nullptr)
                return state;
            return csvScan(state, std::string_view(m_text).substr(from, to - from),
                           m_layout.separator);
        };
        CsvState state = quoted(start, first->end, CsvState::FieldStart);
        while (state == CsvState::Quoted) {
            const std::size_t from = last.end + last.ending;
            const bool tooLong = last.end - start > kMaxRecord;
            std::optional<Line> line;
            if (!tooLong && last.ending != 0)
                line = lineAt(from);
            if (!line) {
                unclosed = true;
                toEnd = !tooLong;
                break;
            }
            last = *line;
            ++lines;
            state = quoted(from, last.end, CsvState::Quoted);
        }
    }
    const std::string_view text = m_text;
    if (unclosed) {
        record = { text.substr(start, first->end - start),
                   text.substr(first->end, first->ending),
                   m_line,
                   1,
                   false,
                   true,
                   lines,
                   toEnd };
        m_pos = first->end + first->ending;
        m_line += 1;
        return true;
    }
    record = { text.substr(start, last.end - start),
               text.substr(last.end, last.ending),
               m_line,
               lines,
               first->cut || last.cut,
               false,
               0,
               false };
    m_pos = last.end + last.ending;
    m_line += lines;
    return true;
}

} // namespace selmak::lists
