// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include "cli/makers.h"

#include <algorithm>
#include <charconv>

namespace selmak::cli {

namespace {

bool setMode(Options &options, Mode mode, std::string_view value, std::string &error)
{
    if (options.mode != Mode::None) {
        error = "give one of --power, --current, --model and --batch";
        return false;
    }
    options.mode = mode;
    options.subject = value;
    return true;
}

bool setFormat(Options &options, std::string_view value, std::string &error)
{
    if (value == "text")
        options.format = Format::Text;
    else if (value == "csv")
        options.format = Format::Csv;
    else if (value == "json")
        options.format = Format::Json;
    else
        error = "unknown format '" + std::string(value) + "' (text, csv or json)";
    return error.empty();
}

bool setColumn(Options &options, std::string_view value, std::string &error)
{
    const char *end = value.data() + value.size();
    const auto [ptr, ec] = std::from_chars(value.data(), end, options.column);
    if (ec != std::errc() || ptr != end || options.column < 1) {
        error = "--column needs a column number from 1, not '" + std::string(value) + "'";
        return false;
    }
    return true;
}

bool setMakers(Options &options, std::string_view list, std::string &error)
{
    while (true) {
        const std::size_t comma = std::min(list.find(','), list.size());
        std::string_view name = list.substr(0, comma);
        while (!name.empty() && name.front() == ' ')
            name.remove_prefix(1);
        while (!name.empty() && name.back() == ' ')
            name.remove_suffix(1);
        const std::optional<Column> maker = makerNamed(name);
        if (!maker) {
            error = "unknown maker '" + std::string(name) + "' for --to";
            return false;
        }
        if (std::ranges::find(options.makers, *maker) == options.makers.end())
            options.makers.push_back(*maker);
        if (comma == list.size())
            return true;
        list.remove_prefix(comma + 1);
    }
}

} // namespace

bool parseOptions(std::span<const std::string_view> args, Options &options, std::string &error)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (name == "--version") {
            options.version = true;
            continue;
        }
        std::string_view value;
        bool hasValue = false;
        if (const std::size_t equals = name.find('=');
            name.starts_with("--") && equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
            hasValue = true;
        }
        constexpr std::string_view kTakesValue[]
            = { "--power", "--current", "--model", "--batch", "--column", "--to", "--format" };
        if (std::ranges::find(kTakesValue, name) == std::end(kTakesValue)) {
            error = "unknown option '" + std::string(name) + "'";
            return false;
        }
        if (!hasValue) {
            if (i + 1 == args.size()) {
                error = "option '" + std::string(name) + "' needs a value";
                return false;
            }
            value = args[++i];
        }
        bool ok = true;
        if (name == "--power")
            ok = setMode(options, Mode::Power, value, error);
        else if (name == "--current")
            ok = setMode(options, Mode::Current, value, error);
        else if (name == "--model")
            ok = setMode(options, Mode::Model, value, error);
        else if (name == "--batch")
            ok = setMode(options, Mode::Batch, value, error);
        else if (name == "--column")
            ok = setColumn(options, value, error);
        else if (name == "--to")
            ok = setMakers(options, value, error);
        else
            ok = setFormat(options, value, error);
        if (!ok)
            return false;
    }
    if (options.help || options.version)
        return true;
    if (options.mode == Mode::None) {
        error = "nothing to look up: give --power, --current, --model or --batch";
        return false;
    }
    if (options.column != 0 && options.mode != Mode::Batch) {
        error = "--column reads a bill of materials: it needs --batch";
        return false;
    }
    if (options.column != 0 && options.format == Format::Json) {
        error = "--column writes the bill of materials back as CSV: --format json does not apply";
        return false;
    }
    if (options.makers.empty())
        options.makers = allMakers();
    return true;
}

} // namespace selmak::cli
