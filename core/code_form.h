// SPDX-License-Identifier: MIT
#pragma once

#include "core/named.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace selmak {

// What a slot of a code form stands for (data/README.md, "code_forms.csv").
enum class Slot { Frame, Coil, Aux, Terminals, Options };

// A piece of a form: literal text as the maker writes it, or a slot.
struct FormPart
{
    std::optional<Slot> slot; // none: literal
    std::string_view text; // the literal text; empty for a slot
};

// A form such as "{frame}-{aux}({coil})", split into its pieces. Constant, so that the build
// checks every form of data/code_forms.csv.
class CodeForm
{
public:
    // Each slot once, and literal text between them.
    static constexpr std::size_t kMostParts = 11;

    constexpr std::span<const FormPart> parts() const { return { m_parts.data(), m_count }; }

    constexpr bool has(Slot slot) const
    {
        for (const FormPart &part : parts()) {
            if (part.slot == slot)
                return true;
        }
        return false;
    }

    constexpr void add(const FormPart &part) { m_parts[m_count++] = part; }

private:
    std::array<FormPart, kMostParts> m_parts {};
    std::size_t m_count = 0;
};

constexpr std::optional<Slot> slotNamed(std::string_view name)
{
    constexpr std::array<Named<Slot>, 5> kSlots { {
        { "frame", Slot::Frame },
        { "coil", Slot::Coil },
        { "aux", Slot::Aux },
        { "terminals", Slot::Terminals },
        { "options", Slot::Options },
    } };
    return valueNamed(kSlots, name);
}

// The form read; nothing where it is malformed: a brace not closed or not opened, an unknown
// slot, a slot twice, {options} anywhere but at the end, or a slot other than {frame} before any
// literal text, so that every form begins with text of its own.
constexpr std::optional<CodeForm> readForm(std::string_view form)
{
    CodeForm result;
    while (!form.empty()) {
        const std::size_t open = form.find('{');
        const std::string_view literal = form.substr(0, open);
        if (literal.find('}') != std::string_view::npos
            || (!literal.empty() && result.has(Slot::Options)))
            return std::nullopt;
        if (!literal.empty())
            result.add({ std::nullopt, literal });
        if (open == std::string_view::npos)
            break;
        const std::size_t close = form.find('}', open);
        if (close == std::string_view::npos)
            return std::nullopt;
        const auto slot = slotNamed(form.substr(open + 1, close - open - 1));
        if (!slot || result.has(*slot) || result.has(Slot::Options)
            || (result.parts().empty() && *slot != Slot::Frame))
            return std::nullopt;
        result.add({ slot, {} });
        form.remove_prefix(close + 1);
    }
    if (result.parts().empty())
        return std::nullopt;
    return result;
}

} // namespace selmak
