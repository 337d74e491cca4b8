// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

namespace selmak {

// The rows of the order-code files in data/, as their texts, in the files' order (data/README.md
// says what each column means). The build only turns them into tables; core/order_rules.h reads
// them, and the tests check every row.

// data/code_forms.csv: how a frame's whole code is written.
struct CodeFormRow
{
    std::string_view range;
    std::string_view frames; // models separated by blanks, or "*"
    std::string_view form; // "{frame}-{aux}({coil})"
    std::string_view terminals; // what a form without a {terminals} slot implies, or empty
    std::string_view source;
    int line;
};

// data/coils.csv
struct CoilRow
{
    std::string_view range;
    std::string_view frames;
    std::string_view code;
    std::string_view kind; // AC, DC or AC/DC
    std::string_view volts; // "230", "100-250" or, at 50 and 60 Hz, "220/240"
    std::string_view hz; // 50, 60, 50/60, or empty for DC
    std::string_view source;
    int line;
};

// data/auxiliaries.csv
struct AuxiliaryRow
{
    std::string_view range;
    std::string_view frames;
    std::string_view code; // empty: what the frame has when its code says nothing
    std::string_view no;
    std::string_view nc;
    std::string_view source;
    int line;
};

// data/terminals.csv
struct TerminalRow
{
    std::string_view range;
    std::string_view frames;
    std::string_view code; // empty: what the frame has when its code says nothing
    std::string_view terminals; // screw, spring or ring
    std::string_view source;
    int line;
};

std::span<const CodeFormRow> codeFormRows() noexcept;
std::span<const CoilRow> coilRows() noexcept;
std::span<const AuxiliaryRow> auxiliaryRows() noexcept;
std::span<const TerminalRow> terminalRows() noexcept;

} // namespace selmak
