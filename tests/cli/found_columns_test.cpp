// SPDX-License-Identifier: MIT
#include "cli/csv_reader.h"
#include "cli/found_columns.h"
#include "cli/lookup.h"

#include <gtest/gtest.h>

namespace selmak::cli {
namespace {

struct Asked
{
    const char *name;
    std::string_view text;
    QueryKind kind;
};

class FoundColumnsRow : public testing::TestWithParam<Asked>
{
};

// Every kind of answer fills exactly the header's columns, in either separator, so that no
// spreadsheet shifts a maker's model under another maker's heading.
TEST_P(FoundColumnsRow, HasAFieldForEachHeading)
{
    const Asked &q = GetParam();
    std::vector<Record> records;
    lookUp(q.text, q.kind, q.text, records);
    ASSERT_FALSE(records.empty());
    const std::vector<Column> makers { Column::Abb, Column::Iek, Column::Siemens };
    for (const char separator : { ',', ';' }) {
        const FoundColumns columns(makers, separator);
        std::string header;
        columns.appendHeader(header);
        std::vector<std::string> headings;
        ASSERT_TRUE(splitFields(header, separator, headings));
        for (const Record &record : records) {
            std::string row;
            columns.appendRecord(row, record);
            std::vector<std::string> fields;
            ASSERT_TRUE(splitFields(row, separator, fields)) << row;
            ASSERT_EQ(fields.size(), headings.size()) << row;
            for (std::size_t i = 0; i < makers.size(); ++i) {
                const std::size_t at = 6 + 2 * i; // after step .. matched_range
                EXPECT_EQ(headings[at + 1], headings[at] + " today");
                EXPECT_EQ(fields[at].empty(), !record.step) << headings[at];
                EXPECT_EQ(fields[at + 1].empty(), !record.step) << headings[at + 1];
            }
            EXPECT_EQ(fields.back(), record.error);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FoundColumnsRow,
    testing::Values(Asked { "power", "7.5", QueryKind::Power },
                    Asked { "out_of_range", "300", QueryKind::Power },
                    Asked { "catalogue_model_in_two_steps", "LC1D18M7", QueryKind::Model },
                    Asked { "frame_of_today", "3RT2026-1AP00", QueryKind::Model },
                    Asked { "frame_below_the_smallest_step", "3RT2015", QueryKind::Model },
                    Asked { "candidates", "LC1D1", QueryKind::Model },
                    Asked { "nothing", "QQ123", QueryKind::Model }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace selmak::cli
