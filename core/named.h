// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace selmak {

// A word of data/ and the value it names ("AC", "screw", "today").
template<class Value> using Named = std::pair<std::string_view, Value>;

// The value a table gives a text; nothing for a text it does not hold. Constant, so that the
// build reads data/ with the tables the program reads it with.
template<class Value, std::size_t Size>
constexpr std::optional<Value> valueNamed(const std::array<Named<Value>, Size> &names,
                                          std::string_view text)
{
    for (const auto &[name, value] : names) {
        if (name == text)
            return value;
    }
    return std::nullopt;
}

} // namespace selmak
