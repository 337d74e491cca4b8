// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

namespace selmak {

// The rows of the order-code files in data/, as their texts, in the files' order (data/README.md
// says what each column means). The build makes them into tables and checks every row
// (core/data_checks.h); core/order_codes.h reads them.

// data/code_forms.csv: how a frame's whole code is written.
struct CodeFormRow
{
    static constexpr std::string_view kPath = "data/code_forms.csv";
    static constexpr std::string_view kHeader = "range,frames,form,terminals,source";

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
    static constexpr std::string_view kPath = "data/coils.csv";
    static constexpr std::string_view kHeader = "range,frames,code,kind,volts,hz,source";

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
    static constexpr std::string_view kPath = "data/auxiliaries.csv";
    static constexpr std::string_view kHeader = "range,frames,code,no,nc,source";

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
    static constexpr std::string_view kPath = "data/terminals.csv";
    static constexpr std::string_view kHeader = "range,frames,code,terminals,source";

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
