// SPDX-License-Identifier: MIT
#include "core/code_form.h"

#include <algorithm>
#include <array>
#include <utility>

namespace selmak {
namespace {

constexpr std::array<std::pair<std::string_view, Slot>, 5> kSlots { {
    { "frame", Slot::Frame },
    { "coil", Slot::Coil },
    { "aux", Slot::Aux },
    { "terminals", Slot::Terminals },
    { "options", Slot::Options },
} };

std::optional<Slot> slotNamed(std::string_view name)
{
    for (const auto &[text, slot] : kSlots) {
        if (text == name)
            return slot;
    }
    return std::nullopt;
}

} // namespace

bool CodeForm::has(Slot slot) const
{
    return std::any_of(parts.begin(), parts.end(),
                       [slot](const FormPart &part) { return part.slot == slot; });
}

std::optional<CodeForm> readForm(std::string_view form)
{
    CodeForm result;
    while (!form.empty()) {
        const std::size_t open = form.find('{');
        const std::string_view literal = form.substr(0, open);
        if (literal.find('}') != std::string_view::npos
            || (!literal.empty() && result.has(Slot::Options)))
            return std::nullopt;
        if (!literal.empty())
            result.parts.push_back({ std::nullopt, literal });
        if (open == std::string_view::npos)
            break;
        const std::size_t close = form.find('}', open);
        if (close == std::string_view::npos)
            return std::nullopt;
        const auto slot = slotNamed(form.substr(open + 1, close - open - 1));
        if (!slot || result.has(*slot) || result.has(Slot::Options)
            || (result.parts.empty() && *slot != Slot::Frame))
            return std::nullopt;
        result.parts.push_back({ slot, {} });
        form.remove_prefix(close + 1);
    }
    if (result.parts.empty())
        return std::nullopt;
    return result;
}

} // namespace selmak
