// SPDX-License-Identifier: MIT
#include "cli/batch.h"

#include "cli/bill_writer.h"
#include "cli/csv_reader.h"
#include "cli/line_reader.h"
#include "cli/lookup.h"
#include "cli/utf8.h"
#include "cli/writers.h"

#include <cerrno>
#include <cstring>
#include <memory>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace selmak::cli {

namespace {

// Looks up one line's or field's query; a line that was cut is not looked up but reported.
void answer(std::string_view query, bool cut, std::vector<Record> &records)
{
    records.clear();
    if (cut) {
        records.push_back({ query, QueryKind::Model, std::nullopt, std::nullopt, kLineTooLong });
        return;
    }
    const Query sorted = classifyQuery(query);
    lookUp(query, sorted.kind, sorted.numeral, records);
}

bool found(const Record &record)
{
    return record.step && record.error.empty();
}

int runList(const Options &options, LineReader &lines, Output &out)
{
    const std::unique_ptr<RecordWriter> writer = makeWriter(options.format, out, options.makers);
    std::vector<Record> records;
    bool allFound = true;
    bool first = true;
    LineReader::Line line;
    while (lines.next(line)) {
        std::string_view query = line.text;
        if (first && query.starts_with(kByteOrderMark))
            query.remove_prefix(kByteOrderMark.size());
        first = false;
        answer(query, line.cut, records);
        for (const Record &record : records) {
            writer->write(record);
            allFound = allFound && found(record);
        }
    }
    return allFound ? kAllFound : kSomeNotFound;
}

int runBill(const Options &options, LineReader &lines, Output &out)
{
    CsvReader csv(lines);
    CsvReader::Record row;
    if (!csv.next(row))
        return kAllFound;
    BillWriter writer(out, options.makers, csv.separator());
    writer.writeHeader(row.raw, row.ending, csv.byteOrderMark());
    const auto column = static_cast<std::size_t>(options.column);
    std::vector<Record> records;
    bool allFound = true;
    while (csv.next(row)) {
        if (row.fields->size() < column) {
            records.assign(
                1, Record { {}, QueryKind::Model, std::nullopt, std::nullopt, kNoSuchColumn });
        } else {
            answer((*row.fields)[column - 1], row.cut, records);
        }
        for (const Record &record : records) {
            writer.writeRow(row.raw, row.ending, row.closed, record);
            allFound = allFound && found(record);
        }
    }
    return allFound ? kAllFound : kSomeNotFound;
}

} // namespace

int runBatch(const Options &options, Output &out)
{
    const bool standardInput = options.subject == "-";
    std::FILE *file = standardInput ? stdin : std::fopen(options.subject.c_str(), "rb");
    if (file == nullptr) {
        std::fprintf(stderr, "selmak-find: cannot open '%s': %s\n", options.subject.c_str(),
                     std::strerror(errno));
        return kUsageError;
    }
#ifdef _WIN32
    if (standardInput)
        _setmode(_fileno(stdin), _O_BINARY);
#endif
    LineReader lines(file);
    const int status
        = options.column == 0 ? runList(options, lines, out) : runBill(options, lines, out);
    const bool failed = lines.failed();
    if (!standardInput)
        std::fclose(file);
    if (failed) {
        std::fprintf(stderr, "selmak-find: cannot read '%s'\n", options.subject.c_str());
        return kUsageError;
    }
    return status;
}

} // namespace selmak::cli
