// SPDX-License-Identifier: MIT
#include "lists/encoding.h"

#include "core/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace selmak::lists {
namespace {

// Windows-1251's upper half below the Cyrillic alphabet (0xC0 to 0xFF are U+0410 to U+044F), as
// the WHATWG encoding standard maps it.
constexpr std::array<char16_t, 64> kHigh1251 { {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
} };

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The code point at text[i] and its length, surrogates included (they stand for lone UTF-16
// surrogates here); U+FFFD for a byte that begins nothing.
std::pair<char32_t, std::size_t> codePointAt(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = lead < 0x80 ? 1
        : lead >= 0xF0               ? 4
        : lead >= 0xE0               ? 3
        : lead >= 0xC0               ? 2
                                     : 0;
    if (length == 0 || i + length > text.size())
        return { 0xFFFD, 1 };
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return { 0xFFFD, 1 };
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    return { c, length };
}

void appendUnit(std::string &out, char16_t unit, bool bigEndian)
{
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out.push_back(bigEndian ? high : low);
    out.push_back(bigEndian ? low : high);
}

char to1251(char32_t c)
{
    if (c < 0x80)
        return static_cast<char>(c);
    if (c >= 0x410 && c <= 0x44F)
        return static_cast<char>(0xC0 + (c - 0x410));
    const auto found = std::find(kHigh1251.begin(), kHigh1251.end(), c);
    return found == kHigh1251.end() ? '?' : static_cast<char>(0x80 + (found - kHigh1251.begin()));
}

} // namespace

TextForm detectEncoding(std::string_view head, bool complete)
{
    if (head.starts_with(kUtf8Mark))
        return { Encoding::Utf8, true };
    if (head.starts_with("\xFF\xFE"))
        return { Encoding::Utf16Le, true };
    if (head.starts_with("\xFE\xFF"))
        return { Encoding::Utf16Be, true };
    for (std::size_t i = 0; i < head.size();) {
        if (static_cast<unsigned char>(head[i]) < 0x80) {
            ++i;
            continue;
        }
        const Utf8Char c = decodeUtf8(head.substr(i));
        if (c.codePoint == kInvalidUtf8) {
            // A sequence that only the end of the head cut short is not a fault of the text.
            const auto lead = static_cast<unsigned char>(head[i]);
            const std::size_t wanted = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
            const bool cut = !complete && lead >= 0xC2 && lead <= 0xF4 && i + wanted > head.size();
            return { cut ? Encoding::Utf8 : Encoding::Windows1251, false };
        }
        i += c.length;
    }
    return { Encoding::Utf8, false };
}

std::size_t markLength(const TextForm &form)
{
    return form.byteOrderMark ? byteOrderMark(form.encoding).size() : 0;
}

NotText sniffNotText(std::string_view head)
{
    if (head.starts_with("PK\x03\x04") || head.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return NotText::Spreadsheet;
    if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF"))
        return NotText::No;
    std::size_t controls = 0;
    for (const char c : head) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0)
            return NotText::Binary;
        if ((b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f') || b == 0x7F)
            ++controls;
    }
    // Text has next to none: a few escape sequences in a list are still text.
    return controls * 2 > head.size() ? NotText::Binary : NotText::No;
}

void Decoder::decode(std::string_view bytes, std::string &utf8)
{
    switch (m_encoding) {
    case Encoding::Utf8:
        utf8.append(bytes);
        return;
    case Encoding::Windows1251:
        for (const char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            if (b < 0x80)
                utf8.push_back(c);
            else
                appendUtf8(utf8,
                           b >= 0xC0 ? char32_t { 0x410u + (b - 0xC0u) } : kHigh1251[b - 0x80]);
        }
        return;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        break;
    }
    const bool bigEndian = m_encoding == Encoding::Utf16Be;
    std::string_view rest = bytes;
    std::string joined;
    if (!m_pending.empty()) {
        joined = m_pending + std::string(bytes);
        rest = joined;
        m_pending.clear();
    }
    const auto unitAt = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(rest[i]);
        const auto b = static_cast<unsigned char>(rest[i + 1]);
        return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    std::size_t i = 0;
    for (; i + 1 < rest.size(); i += 2) {
        const char16_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 3 >= rest.size())
                break; // its pair may come with the next piece
            const char16_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(utf8, 0x10000 + ((unit - 0xD800u) << 10) + (low - 0xDC00u));
                i += 2;
                continue;
            }
        }
        appendUtf8(utf8, unit);
    }
    m_pending.assign(rest.substr(i));
}

void encode(std::string_view utf8, Encoding encoding, std::string &out)
{
    if (encoding == Encoding::Utf8) {
        out.append(utf8);
        return;
    }
    for (std::size_t i = 0; i < utf8.size();) {
        if (encoding == Encoding::Windows1251 && static_cast<unsigned char>(utf8[i]) < 0x80) {
            out.push_back(utf8[i++]);
            continue;
        }
        const auto [c, length] = codePointAt(utf8, i);
        i += length;
        if (encoding == Encoding::Windows1251) {
            out.push_back(to1251(c));
            continue;
        }
        const bool bigEndian = encoding == Encoding::Utf16Be;
        if (c >= 0x10000) {
            appendUnit(out, static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)), bigEndian);
            appendUnit(out, static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)), bigEndian);
        } else {
            appendUnit(out, static_cast<char16_t>(c), bigEndian);
        }
    }
}

std::string_view byteOrderMark(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf16Le:
        return "\xFF\xFE";
    case Encoding::Utf16Be:
        return "\xFE\xFF";
    case Encoding::Utf8:
    case Encoding::Windows1251:
        break;
    }
    return kUtf8Mark;
}

} // namespace selmak::lists
