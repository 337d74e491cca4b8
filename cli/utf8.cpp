// SPDX-License-Identifier: MIT
#include "cli/utf8.h"

#include "core/utf8.h"

namespace selmak::cli {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

} // namespace

std::size_t sequenceLength(std::string_view text)
{
    if (text.empty())
        return 0;
    const Utf8Char decoded = decodeUtf8(text);
    return decoded.codePoint == kInvalidUtf8 ? 0 : decoded.length;
}

void appendValid(std::string &out, std::string_view text)
{
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = sequenceLength(text.substr(i));
        if (length != 0) {
            i += length;
            continue;
        }
        out.append(text.substr(start, i - start));
        out.append(kReplacement);
        start = ++i;
    }
    out.append(text.substr(start));
}

std::size_t displayWidth(std::string_view text)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            ++width;
            continue;
        }
        const std::size_t length = sequenceLength(text.substr(i));
        i += length == 0 ? 1 : length;
        ++width;
    }
    return width;
}

std::string foldCase(std::string_view text)
{
    std::string folded(text);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        auto &c = reinterpret_cast<unsigned char &>(folded[i]);
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<unsigned char>(c + ('a' - 'A'));
        } else if ((c == 0xD0 || c == 0xD1) && i + 1 < folded.size()) {
            // Cyrillic capitals: U+0410..U+042F are D0 90..D0 AF, lower case D0 B0..D1 8F;
            // U+0400..U+040F (Ё and the rest) are D0 80..D0 8F, lower case D1 90..D1 9F.
            auto &next = reinterpret_cast<unsigned char &>(folded[i + 1]);
            if (c == 0xD0 && next >= 0x90 && next <= 0x9F) {
                next = static_cast<unsigned char>(next + 0x20);
            } else if (c == 0xD0 && next >= 0xA0 && next <= 0xAF) {
                c = 0xD1;
                next = static_cast<unsigned char>(next - 0x20);
            } else if (c == 0xD0 && next >= 0x80 && next <= 0x8F) {
                c = 0xD1;
                next = static_cast<unsigned char>(next + 0x10);
            }
            ++i;
        }
    }
    return folded;
}

} // namespace selmak::cli
