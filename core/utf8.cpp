// SPDX-License-Identifier: MIT
#include "core/utf8.h"

namespace selmak {

Utf8Char decodeUtf8(std::string_view text)
{
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return { lead, 1 };
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        minimum = 0x10000;
    } else {
        return { kInvalidUtf8, 1 };
    }
    if (text.size() < length)
        return { kInvalidUtf8, 1 };
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u)
            return { kInvalidUtf8, 1 };
        codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return { kInvalidUtf8, 1 };
    return { codePoint, length };
}

} // namespace selmak

namespace selmak {

void appendValid(std::string &out, std::string_view text)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const Utf8Char c = decodeUtf8(text.substr(i));
        if (c.codePoint != kInvalidUtf8) {
            i += c.length;
            continue;
        }
        out.append(text.substr(start, i - start)).append("\xEF\xBF\xBD");
        start = ++i;
    }
    out.append(text.substr(start));
}

std::size_t displayWidth(std::string_view text)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size(); ++width)
        i += static_cast<unsigned char>(text[i]) < 0x80 ? 1 : decodeUtf8(text.substr(i)).length;
    return width;
}

} // namespace selmak
