// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace selmak {

// What a slot of a code form stands for (data/README.md, "code_forms.csv").
enum class Slot { Frame, Coil, Aux, Terminals, Options };

// A piece of a form: literal text as the maker writes it, or a slot.
struct FormPart
{
    std::optional<Slot> slot; // none: literal
    std::string_view text; // the literal text; empty for a slot
};

// A form such as "{frame}-{aux}({coil})", split into its pieces.
struct CodeForm
{
    std::vector<FormPart> parts;

    bool has(Slot slot) const;
};

// The form read; nothing where it is malformed: a brace not closed or not opened, an unknown
// slot, a slot twice, {options} anywhere but at the end, or a slot other than {frame} before any
// literal text, so that every form begins with text of its own.
std::optional<CodeForm> readForm(std::string_view form);

} // namespace selmak
