// SPDX-License-Identifier: MIT
#include "core/model_key.h"

#include "core/utf8.h"

#include <array>
#include <cstddef>

namespace selmak {
namespace {

constexpr std::string_view kForeign = "?";

constexpr bool isAsciiAlnum(char32_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Characters that separate parts of a code: ASCII punctuation, blanks and control characters
// (NUL aside, which only corrupt data holds), and the blanks, dashes and quotes that word
// processors and spreadsheets put into pasted codes.
constexpr bool isSeparator(char32_t c)
{
    if (c < 0x80)
        return c != 0 && !isAsciiAlnum(c);
    return c == 0xA0 // no-break space
        || c == 0xAB || c == 0xBB // guillemets
        || c == 0xAD // soft hyphen
        || (c >= 0x2000 && c <= 0x206F) // general punctuation: spaces, dashes, quotes
        || c == 0x2116 // numero sign
        || c == 0x2212 // minus sign
        || c == 0xFEFF; // byte-order mark
}

// А to Я. Lookalikes take the Latin letter they look like (В is B, Н is H, Р is P, С is C, Х is
// X), the rest the passport transliteration.
constexpr std::array<std::string_view, 32> kCyrillic {
    "A", "B", "B", "G", "D", "E", "ZH", "Z",  "I",  "I",    "K",  "L", "M", "H", "O",  "P",
    "P", "C", "T", "U", "F", "X", "TS", "CH", "SH", "SHCH", "IE", "Y", "",  "E", "IU", "IA",
};

// How a character that is not a separator is spelt in the key, before case folding.
std::string_view spelling(char32_t c, std::string_view bytes)
{
    if (isAsciiAlnum(c))
        return bytes;
    if (c >= 0x410 && c <= 0x42F)
        return kCyrillic[c - 0x410];
    if (c >= 0x430 && c <= 0x44F)
        return kCyrillic[c - 0x430];
    if (c == 0x401 || c == 0x451) // Ё
        return "E";
    if (c == 0x406 || c == 0x456) // Ukrainian І
        return "I";
    return kForeign;
}

constexpr char keySymbol(char c)
{
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    return c == 'L' ? 'I' : c;
}

enum class Kind { Digit, Letter, Foreign };

constexpr Kind kindOf(char symbol)
{
    if (symbol >= '0' && symbol <= '9')
        return Kind::Digit;
    if (symbol >= 'A' && symbol <= 'Z')
        return Kind::Letter;
    return Kind::Foreign;
}

} // namespace

std::optional<ModelKeyReader::Symbol> ModelKeyReader::next()
{
    for (;;) {
        while (m_pending.empty()) {
            if (m_rest.empty())
                return std::nullopt;
            const Utf8Char decoded = decodeUtf8(m_rest);
            const std::string_view bytes = m_rest.substr(0, decoded.length);
            m_rest.remove_prefix(decoded.length);
            if (isSeparator(decoded.codePoint))
                m_separated = true;
            else
                m_pending = spelling(decoded.codePoint, bytes);
        }
        const char symbol = keySymbol(m_pending.front());
        m_pending.remove_prefix(1);
        const bool breakBefore = m_separated || kindOf(symbol) != kindOf(m_previous);
        // A number's leading zeros do not count: makers print "BF09" where the catalogue has "BF9".
        if (m_zeros == LeadingZeros::Dropped && symbol == '0' && kindOf(m_previous) != Kind::Digit
            && digitFollows())
            continue;
        m_separated = false;
        m_previous = symbol;
        return Symbol { symbol, breakBefore };
    }
}

// Whether the next symbol of the key, past any separators, is a digit.
bool ModelKeyReader::digitFollows() const
{
    if (!m_pending.empty())
        return kindOf(m_pending.front()) == Kind::Digit;
    for (std::string_view rest = m_rest; !rest.empty();) {
        const Utf8Char decoded = decodeUtf8(rest);
        if (!isSeparator(decoded.codePoint))
            return decoded.codePoint >= '0' && decoded.codePoint <= '9';
        rest.remove_prefix(decoded.length);
    }
    return false;
}

std::string modelKey(std::string_view text, LeadingZeros zeros)
{
    std::string key;
    ModelKeyReader reader(text, zeros);
    while (const auto symbol = reader.next())
        key.push_back(symbol->symbol);
    return key;
}

bool sameKey(std::string_view a, std::string_view b, LeadingZeros zeros)
{
    ModelKeyReader first(a, zeros);
    ModelKeyReader second(b, zeros);
    for (;;) {
        const auto x = first.next();
        const auto y = second.next();
        if (!x || !y)
            return !x && !y;
        if (x->symbol != y->symbol)
            return false;
    }
}

} // namespace selmak
