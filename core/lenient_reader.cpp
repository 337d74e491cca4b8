// SPDX-License-Identifier: MIT
#include "core/lenient_reader.h"

#include <fast_float/fast_float.h>

namespace selmak {
namespace {

bool isIgnored(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text with the ignored characters skipped, read one character at a time.
class Cursor
{
public:
    explicit Cursor(std::string_view text) : m_text(text) { skipIgnored(); }

    bool atEnd() const { return m_pos == m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    void advance()
    {
        ++m_pos;
        skipIgnored();
    }

private:
    void skipIgnored()
    {
        while (m_pos < m_text.size() && isIgnored(m_text[m_pos]))
            ++m_pos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Appends the digits at the cursor; returns how many there were.
std::size_t takeDigits(Cursor &cursor, std::string &out)
{
    std::size_t count = 0;
    for (; isDigit(cursor.peek()); cursor.advance(), ++count)
        out.push_back(cursor.peek());
    return count;
}

} // namespace

std::string takeNumeral(std::string_view text)
{
    std::string numeral;
    Cursor cursor(text);

    if (cursor.peek() == '+') {
        cursor.advance();
    } else if (cursor.peek() == '-') {
        numeral.push_back('-');
        cursor.advance();
    }

    std::size_t digits = takeDigits(cursor, numeral);
    if (cursor.peek() == '.') {
        numeral.push_back('.');
        cursor.advance();
        digits += takeDigits(cursor, numeral);
    }
    if (digits == 0)
        return {};

    if (cursor.peek() == 'e' || cursor.peek() == 'E') {
        // The exponent counts only when a digit follows its letter and sign.
        const std::size_t mantissaEnd = numeral.size();
        numeral.push_back('e');
        cursor.advance();
        if (cursor.peek() == '+') {
            cursor.advance();
        } else if (cursor.peek() == '-') {
            numeral.push_back('-');
            cursor.advance();
        }
        if (takeDigits(cursor, numeral) == 0)
            numeral.resize(mantissaEnd);
    }
    return numeral;
}

double readLenient(std::string_view text)
{
    const std::string numeral = takeNumeral(text);
    if (numeral.empty())
        return 0.0;

    // Out of double's range the result is an infinity or a zero of the numeral's sign, which is
    // what an entry too large or too small to hold should become.
    double value = 0.0;
    fast_float::from_chars(numeral.data(), numeral.data() + numeral.size(), value);
    return value;
}

} // namespace selmak
