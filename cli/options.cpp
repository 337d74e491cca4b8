// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include "cli/makers.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>

namespace selmak::cli {

namespace {

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
        const std::vector<Column> makers = makersNamed(name);
        if (makers.empty()) {
            error = "unknown maker '" + std::string(name) + "' for --to";
            return false;
        }
        for (const Column maker : makers) {
            if (std::find(options.makers.begin(), options.makers.end(), maker)
                == options.makers.end())
                options.makers.push_back(maker);
        }
        if (comma == list.size())
            return true;
        list.remove_prefix(comma + 1);
    }
}

// CLI11 says what went wrong in its own words; these are the program's.
std::string usageError(const CLI::ParseError &e, const CLI::App &app)
{
    const std::vector<std::string> extras = app.remaining();
    if (dynamic_cast<const CLI::ExtrasError *>(&e) != nullptr && !extras.empty()) {
        const std::string &extra = extras.front();
        const std::size_t equals = extra.starts_with("--") ? extra.find('=') : std::string::npos;
        return "unknown option '" + extra.substr(0, equals) + "'";
    }
    const std::string what = e.what();
    if (dynamic_cast<const CLI::ArgumentMismatch *>(&e) != nullptr && what.starts_with("--"))
        return "option '" + what.substr(0, what.find(':')) + "' needs a value";
    return what;
}

} // namespace

bool parseOptions(std::span<const std::string_view> args, Options &options, std::string &error)
{
    CLI::App app;
    app.set_help_flag(); // the program's own help, in Russian or English
    app.add_flag("-h,--help", options.help);
    app.add_flag("--version", options.version);
    // Each option takes one value, as the next argument or after '='; one given twice keeps both.
    std::vector<std::string> power, current, model, batch, column, makers, format;
    for (auto [name, values] : { std::pair { "--power", &power },
                                 { "--current", &current },
                                 { "--model", &model },
                                 { "--batch", &batch },
                                 { "--column", &column },
                                 { "--to", &makers },
                                 { "--format", &format } }) {
        app.add_option(name, *values)
            ->expected(1)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
            ->allow_extra_args(false);
    }
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError &e) {
        error = usageError(e, app);
        return false;
    }

    const std::pair<Mode, const std::vector<std::string> &> modes[] = { { Mode::Power, power },
                                                                        { Mode::Current, current },
                                                                        { Mode::Model, model },
                                                                        { Mode::Batch, batch } };
    for (const auto &[mode, values] : modes) {
        if (values.empty())
            continue;
        if (options.mode != Mode::None || values.size() > 1) {
            error = "give one of --power, --current, --model and --batch";
            return false;
        }
        options.mode = mode;
        options.subject = values.front();
    }
    for (const std::string &value : format) {
        if (!setFormat(options, value, error))
            return false;
    }
    for (const std::string &value : column) {
        if (!setColumn(options, value, error))
            return false;
    }
    for (const std::string &value : makers) {
        if (!setMakers(options, value, error))
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
