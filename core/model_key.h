// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace selmak {

// Model codes are compared by their keys, so that the way a code is written does not matter:
// - Latin letters count in upper case, and I and L (either case) are one letter, written I: print
//   and the catalogue itself confuse l with I, and no two models differ only there.
// - Cyrillic letters that look like Latin ones count as those (А В Е К М Н О Р С Т Х, either
//   case, and the Ukrainian І); the others are transliterated as in machine-readable passports
//   (ICAO Doc 9303): И and Й are I, П is P, Э is E, Ж is ZH, Щ is SHCH, Ь is dropped, and so on.
// - Blanks, hyphens, dots, slashes, every other ASCII character that is not a letter or a digit
//   (brackets, commas, plus signs, control characters) and the common typographic blanks, dashes
//   and quotes are ignored; each marks a break in the code.
// - Any other character, a NUL byte and every byte that is not valid UTF-8 count as '?', a
//   symbol no model has: such a code never matches through them by accident.
// - A number's leading zeros are dropped: "BF09" and "BF9", "LC1D09" and "LC1D9" are one code
//   (unless the zeros are kept, below).
// A break stands before a key character when ignored characters preceded it or when it differs
// in kind (letter, digit, '?') from the character before it: "LC1D18M7" has breaks after LC, 1,
// D, 18 and M, "DILM9-10" after DILM and 9.

// Whether a number's leading zeros count. Order codes count them: a maker's "BF09" is written
// so, and the zero may be the first digit of the part that follows the frame.
enum class LeadingZeros { Dropped, Kept };

// The search key of a text.
std::string modelKey(std::string_view text, LeadingZeros zeros = LeadingZeros::Dropped);

// Whether two texts have one key: read only as far as the first difference, however long either
// is, and without keeping the keys.
bool sameKey(std::string_view a, std::string_view b, LeadingZeros zeros = LeadingZeros::Dropped);

// Reads a text's key one character at a time, so that a search can stop as soon as it knows the
// answer, however long the text is.
class ModelKeyReader
{
public:
    struct Symbol
    {
        char symbol;
        bool breakBefore; // true for the first symbol: a code starts at a break
    };

    explicit ModelKeyReader(std::string_view text, LeadingZeros zeros = LeadingZeros::Dropped)
        : m_rest(text), m_zeros(zeros)
    { }

    // The next symbol of the key; nothing once the text is used up.
    std::optional<Symbol> next();

private:
    bool digitFollows() const;

    std::string_view m_rest; // the text not yet read
    std::string_view m_pending; // what remains of a transliteration that yields several letters
    LeadingZeros m_zeros;
    bool m_separated = true;
    char m_previous = 0;
};

} // namespace selmak
