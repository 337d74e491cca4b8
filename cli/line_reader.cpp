// SPDX-License-Identifier: MIT
#include "cli/line_reader.h"

#include <cstring>

namespace selmak::cli {

namespace {
constexpr std::size_t kChunk = std::size_t { 1 } << 16;
}

LineReader::LineReader(std::FILE *file) : m_file(file), m_buffer(kChunk * 4) { }

// Moves what is left to the front, grows the buffer when a line fills it, and reads more.
bool LineReader::fill()
{
    if (m_eof)
        return false;
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    if (m_buffer.size() - m_end < kChunk)
        m_buffer.resize(m_buffer.size() * 2);
    const std::size_t got = std::fread(m_buffer.data() + m_end, 1, m_buffer.size() - m_end, m_file);
    m_end += got;
    if (got == 0)
        m_eof = true;
    return got > 0;
}

bool LineReader::skipRest(std::size_t keepEnd)
{
    m_end = keepEnd;
    if (m_buffer.size() < keepEnd + kChunk)
        m_buffer.resize(keepEnd + kChunk);
    while (!m_eof) {
        const std::size_t got
            = std::fread(m_buffer.data() + keepEnd, 1, m_buffer.size() - keepEnd, m_file);
        if (got == 0) {
            m_eof = true;
            break;
        }
        const char *start = m_buffer.data() + keepEnd;
        const auto *newline = static_cast<const char *>(std::memchr(start, '\n', got));
        if (newline != nullptr) {
            const std::size_t after = got - static_cast<std::size_t>(newline + 1 - start);
            std::memmove(m_buffer.data() + keepEnd, newline + 1, after);
            m_end = keepEnd + after;
            return true;
        }
    }
    return false;
}

bool LineReader::next(Line &line)
{
    std::size_t scanned = m_begin;
    for (;;) {
        const char *start = m_buffer.data() + scanned;
        const auto *newline = static_cast<const char *>(std::memchr(start, '\n', m_end - scanned));
        if (newline != nullptr) {
            const std::size_t at = static_cast<std::size_t>(newline - m_buffer.data());
            const bool crlf = at > m_begin && m_buffer[at - 1] == '\r';
            line.text = { m_buffer.data() + m_begin, at - m_begin - (crlf ? 1 : 0) };
            line.ending = crlf ? "\r\n" : "\n";
            line.cut = false;
            m_begin = at + 1;
            return true;
        }
        if (m_end - m_begin >= kMaxLine) {
            const std::size_t keepEnd = m_begin + kMaxLine;
            // skipRest may move the buffer: the line's view is taken after it.
            line.ending = skipRest(keepEnd) ? "\n" : "";
            line.text = { m_buffer.data() + m_begin, kMaxLine };
            line.cut = true;
            m_begin = keepEnd;
            return true;
        }
        const std::size_t offset = m_end - m_begin;
        if (!fill())
            break;
        scanned = m_begin + offset;
    }
    if (m_end == m_begin)
        return false;
    line.text = { m_buffer.data() + m_begin, m_end - m_begin };
    line.ending = {};
    line.cut = false;
    m_begin = m_end;
    return true;
}

} // namespace selmak::cli
