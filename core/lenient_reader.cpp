// SPDX-License-Identifier: MIT
#include "core/lenient_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

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

// The power of ten of the leading digit, roughly: positive for numerals of 1 and more, negative
// below. Only its sign is used, to tell an overflow from an underflow, so the exponent saturates.
std::int64_t roughMagnitude(std::string_view numeral)
{
    constexpr std::int64_t kSaturation = std::int64_t { 1 } << 48;
    const std::size_t ePos = numeral.find('e');
    const std::string_view mantissa = numeral.substr(0, ePos);

    std::int64_t exponent = 0;
    if (ePos != std::string_view::npos) {
        const std::string_view digits = numeral.substr(ePos + 1);
        const auto [ptr, ec]
            = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        if (ec == std::errc::result_out_of_range)
            exponent = digits.front() == '-' ? -kSaturation : kSaturation;
        exponent = std::clamp(exponent, -kSaturation, kSaturation);
    }

    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string_view::npos)
        return 0;
    const auto position = static_cast<std::int64_t>(firstSignificant);
    const auto pointAt = static_cast<std::int64_t>(point);
    const std::int64_t magnitude
        = firstSignificant < point ? pointAt - position : pointAt - position + 1;
    return magnitude + exponent;
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

    double value = 0.0;
    const char *first = numeral.data();
    const char *last = first + numeral.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone here; the numeral's magnitude says which way it went.
        const bool overflow = roughMagnitude(numeral) > 0;
        value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
        if (numeral.front() == '-')
            value = -value;
    }
    return value;
}

} // namespace selmak
