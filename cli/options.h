// SPDX-License-Identifier: MIT
#pragma once

#include "core/columns.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace selmak::cli {

// The language of what the program says to a person: Russian where the user's locale (Windows: the
// user's UI language) is Russian, English elsewhere.
enum class Language { English, Russian };

enum class Format { Text, Csv, Json };
enum class Mode { None, Power, Current, Model, Batch };

struct Options
{
    Mode mode = Mode::None;
    std::string subject; // the number, the model code or the list's file name ("-": stdin)
    int column = 0; // counted from 1; 0: the list has one query a line
    std::optional<bool> header; // --header or --no-header; by default a bill has one
    std::optional<char> separator; // --separator; by default it is found
    Format format = Format::Text;
    std::vector<Column> makers; // the makers to show, in the order given
    bool help = false;
    bool version = false;
};

inline constexpr std::string_view kVersion = "selmak-find 1.00\n";

// Reads the command line (without the program's name): CLI11 applies every rule. Options take
// their value as the next argument or after '='; a bare argument is a part number. On a usage
// error, returns false with the one line that explains it, in the language given.
bool parseOptions(std::span<const std::string_view> args, Options &options, std::string &error,
                  Language language);

// The usage text, written from the table of options.
std::string helpText(Language language);

// The fourteen makers in catalogue order.
std::vector<Column> allMakers();

// The maker columns a name stands for, compared as model codes are (core/model_key.h), so that
// case, blanks, hyphens and Cyrillic or Latin letters do not matter ("иэк" and "IEK" are "ИЭК"):
// the column the window captions so, or else every column whose range of today the brand sells
// (data/today.csv: "Eaton" is Moeller, "Schneider Electric" Telemecanique). None for a name that
// is neither.
std::vector<Column> makersNamed(std::string_view name);

} // namespace selmak::cli
