// SPDX-License-Identifier: MIT
#include "cli/writers.h"

#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "cli/text_writer.h"

namespace selmak::cli {

std::unique_ptr<RecordWriter> makeWriter(Format format, Output &out, std::span<const Column> makers)
{
    switch (format) {
    case Format::Csv:
        return std::make_unique<CsvWriter>(out, makers);
    case Format::Json:
        return std::make_unique<JsonWriter>(out, makers);
    case Format::Text:
        break;
    }
    return std::make_unique<TextWriter>(out, makers);
}

} // namespace selmak::cli
