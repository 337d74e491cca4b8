// SPDX-License-Identifier: MIT
// Arbitrary bytes as a list and as a bill of materials: read line by line and record by record,
// each query sorted and its fields written back as JSON and CSV, with the invariants that must
// hold for any file a user could hand the program.
#include "cli/csv_field.h"
#include "cli/csv_reader.h"
#include "cli/json_writer.h"
#include "cli/line_reader.h"
#include "cli/lookup.h"
#include "cli/query.h"
#include "cli/utf8.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

bool isValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = selmak::cli::sequenceLength(text.substr(i));
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

void checkQuery(std::string_view text)
{
    const selmak::cli::Query query = selmak::cli::classifyQuery(text);
    require(query.kind == selmak::cli::QueryKind::Model || !query.numeral.empty(),
            "a number has a numeral");
    // Each record of the query as a JSON line, which reads back with the query made valid UTF-8.
    std::vector<selmak::cli::Record> records;
    selmak::cli::lookUp(text, query.kind, query.numeral, records);
    std::FILE *sink = std::tmpfile();
    require(sink != nullptr, "a temporary file");
    {
        selmak::cli::Output out(sink);
        const std::vector<selmak::Column> makers { selmak::Column::Abb, selmak::Column::Iek };
        selmak::cli::JsonWriter writer(out, makers);
        std::string valid;
        selmak::cli::appendValid(valid, text);
        for (const selmak::cli::Record &record : records) {
            out.text().clear();
            writer.write(record);
            const std::string &json = out.text(); // a line stays in the buffer below 64 KiB
            if (json.size() >= 0x10000)
                continue;
            require(isValidUtf8(json), "JSON is UTF-8");
            for (const char c : json.substr(0, json.size() - 1))
                require(static_cast<unsigned char>(c) >= 0x20, "JSON has no raw control character");
            require(nlohmann::json::parse(json)["query"] == valid, "the query reads back");
        }
        out.text().clear();
    }
    std::fclose(sink);
    std::string csv;
    selmak::cli::appendCsvField(csv, text, ';');
    require(isValidUtf8(csv), "CSV is UTF-8");
    std::vector<std::string> fields;
    require(selmak::cli::splitFields(csv, ';', fields), "a written field reads back closed");
    require(fields.size() == 1, "a written field reads back as one");
}

std::FILE *fileOf(const std::uint8_t *data, std::size_t size)
{
    std::FILE *file = std::tmpfile();
    require(file != nullptr, "a temporary file");
    std::fwrite(data, 1, size, file);
    std::rewind(file);
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // As a list: the lines and their endings give back every byte.
    std::FILE *file = fileOf(data, size);
    selmak::cli::LineReader lines(file);
    selmak::cli::LineReader::Line line;
    std::string joined;
    while (lines.next(line)) {
        checkQuery(line.text);
        joined.append(line.text);
        joined.append(line.ending);
    }
    require(joined == std::string_view(reinterpret_cast<const char *>(data), size),
            "the lines give back every byte");
    std::fclose(file);

    // As a bill of materials: every record splits, none is lost.
    file = fileOf(data, size);
    selmak::cli::LineReader rows(file);
    selmak::cli::CsvReader csv(rows);
    selmak::cli::CsvReader::Record record;
    std::size_t bytes = 0;
    while (csv.next(record)) {
        require(!record.fields->empty(), "a record has a field");
        bytes += record.raw.size() + record.ending.size();
    }
    require(bytes + (csv.byteOrderMark() ? 3 : 0) == size, "the records give back every byte");
    std::fclose(file);
    return 0;
}
