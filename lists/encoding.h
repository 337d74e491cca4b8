// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace selmak::lists {

// The encodings that Russian Excel's text formats are written in.
enum class Encoding {
    Utf8, // "CSV UTF-8" (with a byte-order mark) and text that is valid UTF-8
    Utf16Le, // "Юникод-текст", always with a byte-order mark
    Utf16Be,
    Windows1251, // "CSV (разделители – запятые)" and "Текстовые файлы": any text not valid UTF-8
};

struct TextForm
{
    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;
};

inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The encoding of a text from its first bytes: a byte-order mark names it; otherwise UTF-8 if the
// bytes are valid UTF-8 (a sequence cut at the end of an incomplete head aside), Windows-1251
// if not.
TextForm detectEncoding(std::string_view head, bool complete);

// How many bytes the byte-order mark of that form takes.
std::size_t markLength(const TextForm &form);

// Why bytes are not text at all, from the file's first bytes.
enum class NotText {
    No, // text
    Binary, // NUL bytes outside UTF-16, or control bytes in numbers no text has
    Spreadsheet, // a workbook (a zip, as .xlsx is, or an old .xls), not its sheet saved as text
};
NotText sniffNotText(std::string_view head);

// Decodes a stream into UTF-8, a piece at a time: a character cut between pieces is kept until the
// next. Decoding is exact both ways: Windows-1251's unassigned 0x98 is U+0098, and a lone UTF-16
// surrogate is written as its code point would be in UTF-8, so that encode() gives the bytes back.
// UTF-8 passes as it is, invalid bytes and all.
class Decoder
{
public:
    explicit Decoder(Encoding encoding) : m_encoding(encoding) { }

    void decode(std::string_view bytes, std::string &utf8);
    // Whether a byte was left over at the end: half a UTF-16 code unit.
    bool leftOver() const { return !m_pending.empty(); }

private:
    Encoding m_encoding;
    std::string m_pending; // an odd byte of UTF-16, or the first half of a surrogate pair
};

// Appends UTF-8 text in an encoding; a character Windows-1251 lacks becomes '?'.
void encode(std::string_view utf8, Encoding encoding, std::string &out);

// The byte-order mark of an encoding.
std::string_view byteOrderMark(Encoding encoding);

} // namespace selmak::lists
