// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace selmak {

// Why the build refuses a data file: the file, the line, and what is wrong there. In `what`,
// "{}" stands for `value`, the text at fault, and "{line}" for `earlier`, a line it clashes with.
struct DataFault
{
    std::string_view path; // as the repository names it: "data/today.csv"
    int line;
    std::string_view what;
    std::string_view value = {};
    int earlier = 0;
};

template<typename Text> constexpr void appendNumber(Text &out, int number)
{
    char digits[12] {};
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0);
    while (count > 0)
        out.push_back(digits[--count]);
}

// The refusal as the compiler and the tests print it: "data/today.csv:42: ...". Appended to
// `out`, anything with push_back(char).
template<typename Text> constexpr void appendFault(Text &out, const DataFault &fault)
{
    const auto append = [&out](std::string_view text) {
        for (const char c : text)
            out.push_back(c);
    };
    append(fault.path);
    out.push_back(':');
    appendNumber(out, fault.line);
    append(": ");
    for (std::string_view what = fault.what; !what.empty();) {
        if (what.starts_with("{}")) {
            append(fault.value);
            what.remove_prefix(2);
        } else if (what.starts_with("{line}")) {
            appendNumber(out, fault.earlier);
            what.remove_prefix(6);
        } else {
            out.push_back(what.front());
            what.remove_prefix(1);
        }
    }
}

// A refusal as a template argument, so that the compiler prints its text where the build stops:
//   static_assert(accepted<refusalOf(checkToday(...))>());
// fails with "[with Refusal refusal = Refusal{"data/today.csv:42: ..."}]". Long values are cut.
struct Refusal
{
    char text[256] {};
    std::size_t size = 0;

    constexpr void push_back(char c)
    {
        if (size + 1 < sizeof text)
            text[size++] = c;
    }
};

constexpr Refusal refusalOf(const std::optional<DataFault> &fault)
{
    Refusal refusal;
    if (fault)
        appendFault(refusal, *fault);
    return refusal;
}

template<Refusal refusal> constexpr bool accepted()
{
    static_assert(refusal.size == 0, "a data file is refused: the line above names it");
    return true;
}

} // namespace selmak
