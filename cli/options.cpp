// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include "core/model_key.h"
#include "core/today_data.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <charconv>

namespace selmak::cli {
namespace {

using Texts = std::array<std::string_view, 2>; // English, Russian

std::string_view in(const Texts &texts, Language language)
{
    return texts[language == Language::Russian ? 1 : 0];
}

// The options and what the help says of each, in both languages.
struct OptionRow
{
    std::string_view name;
    Texts value;
    Texts text; // lines after the first are indented under it
};

constexpr std::array<OptionRow, 12> kOptionRows { {
    { "--power",
      { "KW", "КВТ" },
      { "a motor power in kW (2.3 to 250); 4,5 is 4.5",
        "мощность двигателя в кВт (от 2.3 до 250); 4,5 — это 4.5" } },
    { "--current",
      { "A", "А" },
      { "a rated current in A (6.6 to 500)", "номинальный ток в А (от 6.6 до 500)" } },
    { "--model",
      { "CODE", "КОД" },
      { "a part number, suffixes and all: LC1D18M7, 3RT1016-1BB41, КМИ-11811;\n"
        "a bare CODE without --model is the same",
        "обозначение с любыми суффиксами: LC1D18M7, 3RT1016-1BB41, КМИ-11811;\n"
        "КОД без --model — то же самое" } },
    { "--batch",
      { "FILE", "ФАЙЛ" },
      { "one query a line (- reads standard input): a number with kW or кВт is\n"
        "a power, with A or А a current, a bare number a power, anything else a model;\n"
        "UTF-8, UTF-16 or Windows-1251, as Excel saves text",
        "по запросу в строке (- читает стандартный ввод): число с kW или кВт —\n"
        "мощность, с A или А — ток, число без единиц — мощность, остальное — модель;\n"
        "UTF-8, UTF-16 или Windows-1251, как Excel сохраняет текст" } },
    { "--column",
      { "N", "N" },
      { "FILE is a bill of materials (CSV or tab-separated text); take the query\n"
        "from column N and write each row back, in the file's own encoding and\n"
        "separator, with what it found appended",
        "ФАЙЛ — спецификация (CSV или текст с табуляциями); запрос берётся из\n"
        "столбца N, каждая строка выводится в кодировке и с разделителем файла,\n"
        "с найденным в добавленных столбцах" } },
    { "--header",
      { "", "" },
      { "the first line is a header (the default with --column)",
        "первая строка — заголовок (так по умолчанию с --column)" } },
    { "--no-header",
      { "", "" },
      { "the first line is a row like the others",
        "первая строка — такая же строка, как остальные" } },
    { "--separator",
      { "SEP", "РАЗД" },
      { "the bill's separator: ';', ',' or tab (found by itself otherwise)",
        "разделитель спецификации: ';', ',' или tab (иначе определяется сам)" } },
    { "--to",
      { "MAKER,...", "ПРОИЗВ,..." },
      { "show only these makers, named as the window captions them or by the brand\n"
        "that sells them today (Eaton, Schneider Electric), in any case",
        "показать только этих производителей, названных как в окне или по марке,\n"
        "под которой их выпускают сегодня (Eaton, Schneider Electric), в любом регистре" } },
    { "--format",
      { "FORMAT", "ФОРМАТ" },
      { "text (the default), csv or json (JSON Lines)",
        "text (по умолчанию), csv или json (JSON Lines)" } },
    { "--help", { "", "" }, { "show this text and exit", "показать эту справку и выйти" } },
    { "--version", { "", "" }, { "show the version and exit", "показать версию и выйти" } },
} };

constexpr Texts kUsage {
    "Usage: selmak-find --power KW | --current A | [--model] CODE [OPTION...]\n"
    "       selmak-find --batch FILE [--column N] [OPTION...]\n"
    "Find a contactor's size step in the AC-3 catalogue and every maker's model for it, with the\n"
    "model each maker sells today and, for a whole order code, its whole code with the same coil\n"
    "and contacts (from the makers' data sheets in data/; check one before ordering).\n\n",
    "Использование: selmak-find --power КВТ | --current А | [--model] КОД [ПАРАМЕТР...]\n"
    "               selmak-find --batch ФАЙЛ [--column N] [ПАРАМЕТР...]\n"
    "Находит ступень типоразмера контактора в каталоге AC-3 и модель каждого производителя для "
    "неё,\nа также модель, которую производитель выпускает сегодня, а для полного кода заказа — "
    "его\nполный код с той же катушкой и блок-контактами (по документации производителей в "
    "data/;\nперед заказом сверьтесь с ней).\n\n",
};

constexpr Texts kExitStatus {
    "\nExit status: 0 when every query found a step, 1 when any did not, 2 for a usage error or a\n"
    "file that cannot be read.\n",
    "\nКод выхода: 0 — для каждого запроса найдена ступень, 1 — хотя бы для одного нет,\n"
    "2 — ошибка в командной строке или файл, который нельзя прочитать.\n",
};

// What a usage error says; {} stands for the word at fault.
enum class Problem {
    UnknownOption,
    NeedsValue,
    NoMode,
    OneMode,
    ColumnNeedsBatch,
    ColumnNotJson,
    BadColumn,
    UnknownFormat,
    UnknownMaker,
    BadSeparator,
};

constexpr std::array<Texts, 10> kProblems { {
    { "unknown option '{}'", "неизвестный параметр «{}»" },
    { "option '{}' needs a value", "параметру «{}» нужно значение" },
    { "nothing to look up: give --power, --current, --model or --batch",
      "нечего искать: укажите --power, --current, --model или --batch" },
    { "give one of --power, --current, --model and --batch",
      "укажите что-то одно: --power, --current, --model или --batch" },
    { "--column reads a bill of materials: it needs --batch",
      "--column читает спецификацию: нужен --batch" },
    { "--column writes the bill of materials back as CSV: --format json does not apply",
      "--column выводит спецификацию в CSV: --format json здесь не подходит" },
    { "--column needs a column number from 1, not '{}'",
      "--column ждёт номер столбца от 1, а не «{}»" },
    { "unknown format '{}' (text, csv or json)", "неизвестный формат «{}» (text, csv или json)" },
    { "unknown maker '{}' for --to", "неизвестный производитель «{}» для --to" },
    { "unknown separator '{}' (';', ',' or tab)",
      "неизвестный разделитель «{}» (';', ',' или tab)" },
} };

std::string say(Problem problem, Language language, std::string_view word = {})
{
    std::string text(in(kProblems[static_cast<std::size_t>(problem)], language));
    if (const std::size_t at = text.find("{}"); at != std::string::npos)
        text.replace(at, 2, word);
    return text;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The names of a comma-separated list, blanks around them taken off.
std::vector<std::string_view> names(std::string_view list)
{
    std::vector<std::string_view> found;
    for (std::size_t comma; (comma = list.find(',')) != std::string_view::npos;) {
        found.push_back(trimmed(list.substr(0, comma)));
        list.remove_prefix(comma + 1);
    }
    found.push_back(trimmed(list));
    return found;
}

std::vector<Column> makersList(std::string_view list)
{
    std::vector<Column> makers;
    for (const std::string_view name : names(list)) {
        const std::vector<Column> named = makersNamed(name);
        makers.insert(makers.end(), named.begin(), named.end());
    }
    return makers;
}

// CLI11 says what went wrong in its own words; these are the program's.
std::string usageError(const CLI::ParseError &e, const CLI::App &app, Language language)
{
    const std::vector<std::string> extras = app.remaining();
    if (dynamic_cast<const CLI::ExtrasError *>(&e) != nullptr && !extras.empty()) {
        const std::string &extra = extras.front();
        const std::size_t equals = extra.starts_with("--") ? extra.find('=') : std::string::npos;
        return say(Problem::UnknownOption, language, extra.substr(0, equals));
    }
    const std::string what = e.what();
    if (dynamic_cast<const CLI::ArgumentMismatch *>(&e) != nullptr && what.starts_with("--"))
        return say(Problem::NeedsValue, language, what.substr(0, what.find(':')));
    if (dynamic_cast<const CLI::RequiresError *>(&e) != nullptr)
        return say(Problem::ColumnNeedsBatch, language);
    if (dynamic_cast<const CLI::RequiredError *>(&e) != nullptr)
        return say(Problem::OneMode, language);
    // A validator's own message follows the option's name.
    const std::size_t colon = what.find(": ");
    return colon == std::string::npos ? what : what.substr(colon + 2);
}

} // namespace

bool parseOptions(std::span<const std::string_view> args, Options &options, std::string &error,
                  Language language)
{
    CLI::App app;
    app.set_help_flag(); // the program's own help, from the table above
    app.add_flag("-h,--help", options.help);
    app.add_flag("--version", options.version);

    // One mode at most; none is a usage error unless help or the version is asked for.
    CLI::App *modes = app.add_option_group("modes");
    modes->require_option(0, 1);
    std::string code;
    const std::pair<Mode, CLI::Option *> given[] = {
        { Mode::Power, modes->add_option("--power", options.subject) },
        { Mode::Current, modes->add_option("--current", options.subject) },
        { Mode::Model, modes->add_option("--model", options.subject) },
        { Mode::Batch, modes->add_option("--batch", options.subject) },
        { Mode::Model, modes->add_option("code", code) },
    };
    // One given twice is counted, not refused by CLI11, so that it gets the rule's own words.
    for (const auto &[mode, option] : given)
        option->allow_extra_args(false)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    CLI::Option *column = app.add_option("--column", options.column)
                              ->check(CLI::Validator(
                                  [&](std::string &value) {
                                      int n = 0;
                                      const char *end = value.data() + value.size();
                                      const auto [ptr, ec] = std::from_chars(value.data(), end, n);
                                      return ec == std::errc() && ptr == end && n >= 1
                                          ? std::string()
                                          : say(Problem::BadColumn, language, value);
                                  },
                                  "N"))
                              ->needs(given[3].second);
    bool header = true;
    CLI::Option *headerFlag = app.add_flag("--header,!--no-header", header);
    std::string separator;
    app.add_option("--separator", separator)
        ->check(CLI::Validator(
            [&](const std::string &value) {
                return value == ";" || value == "," || value == "\t" || value == "tab"
                    ? std::string()
                    : say(Problem::BadSeparator, language, value);
            },
            "SEP"));
    std::string format = "text";
    app.add_option("--format", format)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
        ->check(CLI::Validator(
            [&](std::string &value) {
                return value == "text" || value == "csv" || value == "json"
                    ? std::string()
                    : say(Problem::UnknownFormat, language, value);
            },
            "FORMAT"));
    std::vector<std::string> makers;
    app.add_option("--to", makers)
        ->check(CLI::Validator(
            [&](const std::string &value) {
                for (const std::string_view name : names(value)) {
                    if (makersNamed(name).empty())
                        return say(Problem::UnknownMaker, language, name);
                }
                return std::string();
            },
            "MAKER"));

    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError &e) {
        error = usageError(e, app, language);
        return false;
    }
    for (const auto &[mode, option] : given) {
        if (option->count() > 1) {
            error = say(Problem::OneMode, language);
            return false;
        }
        if (option->count() == 1)
            options.mode = mode;
    }
    if (!code.empty() || given[4].second->count() == 1)
        options.subject = code;
    if (options.help || options.version)
        return true;
    if (options.mode == Mode::None) {
        error = say(Problem::NoMode, language);
        return false;
    }
    options.format = format == "csv" ? Format::Csv : format == "json" ? Format::Json : Format::Text;
    if (column->count() > 0 && options.format == Format::Json) {
        error = say(Problem::ColumnNotJson, language);
        return false;
    }
    if (headerFlag->count() > 0)
        options.header = header;
    if (!separator.empty())
        options.separator = separator == "tab" ? '\t' : separator.front();
    for (const std::string &list : makers) {
        for (const Column maker : makersList(list)) {
            if (std::find(options.makers.begin(), options.makers.end(), maker)
                == options.makers.end())
                options.makers.push_back(maker);
        }
    }
    if (options.makers.empty())
        options.makers = allMakers();
    return true;
}

std::string helpText(Language language)
{
    constexpr std::size_t kIndent = 20;
    std::string text(in(kUsage, language));
    for (const OptionRow &row : kOptionRows) {
        std::string head = "  " + std::string(row.name);
        if (!in(row.value, language).empty())
            head.append(" ").append(in(row.value, language));
        std::string_view body = in(row.text, language);
        text.append(head);
        // Pad in characters, not bytes: the value names may be Cyrillic.
        std::size_t shown = 0;
        for (const char c : head)
            shown += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        text.append(shown < kIndent ? kIndent - shown : 1, ' ');
        for (std::size_t line; (line = body.find('\n')) != std::string_view::npos;) {
            text.append(body.substr(0, line)).append("\n").append(kIndent, ' ');
            body.remove_prefix(line + 1);
        }
        text.append(body).append("\n");
    }
    text.append(in(kExitStatus, language));
    return text;
}

std::vector<Column> allMakers()
{
    std::vector<Column> makers;
    for (const ColumnInfo &info : kColumns) {
        if (isMaker(info.column))
            makers.push_back(info.column);
    }
    return makers;
}

std::vector<Column> makersNamed(std::string_view name)
{
    const std::string key = modelKey(name);
    if (key.empty())
        return {};
    for (const ColumnInfo &info : kColumns) {
        if (isMaker(info.column) && modelKey(info.heading) == key)
            return { info.column };
    }
    std::vector<Column> makers;
    for (const TodayFrame &frame : todayFrames()) {
        if (frame.kind == FrameKind::Today && modelKey(frame.brand) == key
            && std::find(makers.begin(), makers.end(), frame.column) == makers.end())
            makers.push_back(frame.column);
    }
    std::sort(makers.begin(), makers.end());
    return makers;
}

} // namespace selmak::cli
