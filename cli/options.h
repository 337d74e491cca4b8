// SPDX-License-Identifier: MIT
#pragma once

#include "core/columns.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace selmak::cli {

enum class Format { Text, Csv, Json };
enum class Mode { None, Power, Current, Model, Batch };

struct Options
{
    Mode mode = Mode::None;
    std::string subject; // the number, the model code or the list's file name ("-": stdin)
    int column = 0; // counted from 1; 0: the list has one query a line
    Format format = Format::Text;
    std::vector<Column> makers; // the makers to show, in the order given
    bool help = false;
    bool version = false;
};

// Reads the command line (without the program's name). Options take their value as the next
// argument or after '='. On a usage error, returns false with the one line that explains it.
bool parseOptions(std::span<const std::string_view> args, Options &options, std::string &error);

} // namespace selmak::cli
