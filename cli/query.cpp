// SPDX-License-Identifier: MIT
#include "cli/query.h"

#include "cli/utf8.h"

#include <algorithm>
#include <optional>

namespace selmak::cli {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

Query classifyQuery(std::string_view line)
{
    const std::string_view text = trimmed(line);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    std::optional<std::size_t> separator;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            ++digits;
        else if ((text[i] == '.' || text[i] == ',') && !separator)
            separator = i;
        else
            break;
    }
    if (digits == 0)
        return { QueryKind::Model, {} };

    const std::string_view rest = trimmed(text.substr(i));
    constexpr std::size_t kLongestUnit = std::string_view("кВт").size();
    if (rest.size() > kLongestUnit)
        return { QueryKind::Model, {} };
    const std::string unit = foldCase(rest);
    QueryKind kind = QueryKind::Model;
    if (unit.empty() || unit == "kw" || unit == "квт")
        kind = QueryKind::Power;
    else if (unit == "a" || unit == "а")
        kind = QueryKind::Current;
    else
        return { QueryKind::Model, {} };

    return { kind, withDecimalPoint(text.substr(0, i)) };
}

std::string withDecimalPoint(std::string_view numeral)
{
    std::string text(numeral);
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

std::string_view kindName(QueryKind kind)
{
    switch (kind) {
    case QueryKind::Power:
        return "power";
    case QueryKind::Current:
        return "current";
    case QueryKind::Model:
        break;
    }
    return "model";
}

} // namespace selmak::cli
