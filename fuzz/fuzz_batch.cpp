// SPDX-License-Identifier: MIT
// Arbitrary bytes as a list and as a bill of materials, read record by record as selmak-find reads
// them, each record answered and written back in every format, with the invariants that must hold
// for any file a user could hand the program: every record comes out once and in order, and what
// is written is valid.
#include "cli/json_writer.h"
#include "cli/text_writer.h"
#include "core/utf8.h"
#include "lists/answer_memo.h"
#include "lists/bill_writer.h"
#include "lists/csv_split.h"
#include "lists/list_reader.h"
#include "require.h"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace {

using namespace selmak;

using selmak::fuzz::require;

void checkWriters(std::string_view query)
{
    const lists::RowAnswer found = lists::RowAnswer::of(answer(query));
    const lists::AnswerRow row = found.row(query);
    const std::vector<Column> makers { Column::Abb, Column::Iek };
    std::string json;
    cli::JsonWriter(makers).appendRow(json, row);
    std::string valid;
    appendValid(valid, query);
    for (std::size_t begin = 0, end; (end = json.find('\n', begin)) != std::string::npos;
         begin = end + 1)
        require(nlohmann::json::parse(json.substr(begin, end - begin))["query"] == valid,
                "each JSON line reads back with its query");
    std::string text;
    cli::TextWriter(makers).appendRow(text, row);
    for (const char c : text)
        require(c == '\n' || static_cast<unsigned char>(c) >= 0x20, "no control byte in text");
    std::string csv;
    lists::ListCsvWriter(makers, ';', "\r\n").appendRow(csv, row);
    require(csv.ends_with("\r\n"), "a CSV row ends its line");
}

// Every record once: their texts and line ends give back the decoded input, line by line.
void checkRecords(std::string_view bytes, bool csv)
{
    lists::MemorySource source(bytes);
    lists::ListReader reader(source, { csv, std::nullopt });
    if (reader.open() != lists::NotText::No)
        return;
    std::string decoded;
    lists::Decoder decoder(reader.form().encoding);
    decoder.decode(bytes.substr(lists::markLength(reader.form())), decoded);
    std::string joined;
    std::size_t line = 1;
    bool cut = false;
    lists::BillWriter writer({}, reader.form(), reader.layout());
    for (lists::ListRecord record; reader.next(record);) {
        require(record.line == line, "records follow each other line by line");
        line += record.lines;
        cut = cut || record.cut;
        joined.append(record.text).append(record.ending);
        if (record.text.size() < 256)
            checkWriters(record.text);
        std::string out;
        writer.appendRow(out, record, { record.text, QueryKind::Model, Outcome::NoModel, {} });
        require(!out.empty() || record.text.empty(), "a row is written");
    }
    require(cut || joined == decoded, "the records give back every character");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    checkRecords(bytes, false);
    checkRecords(bytes, true);
    return 0;
}
