// SPDX-License-Identifier: MIT
// The build's reading and checks of data/ (core/data_file.h, core/data_checks.h), run on files of
// the tests' own: what the build refuses, and the file, line and reason it names.
#include "core/data_checks.h"
#include "core/data_file.h"

#include <array>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace selmak {
namespace {

// A file read at run time by the functions the build reads data/ with at compile time.
template<class Row> struct TextTable
{
    explicit TextTable(std::string_view text)
    {
        appendValuesApart(text, apart);
        fault = readRows<Row>(text, apart, std::back_inserter(rows));
    }
    TextTable(const TextTable &) = delete;
    TextTable &operator=(const TextTable &) = delete;

    std::string apart; // before the rows, which view it
    std::vector<Row> rows;
    std::optional<DataFault> fault;
};

enum File { Sources, Today, Forms, Coils, Auxiliaries, Terminals };

// Files the build accepts, with what reading must pass over: a comment, a blank line, a quoted
// field over two lines with doubled quotes, CR LF line ends, a frame without its rating.
constexpr std::array<std::string_view, 6> kAccepted {
    "id,maker,title,edition,address\n# where it comes from\n\n"
    "s,Maker,\"Data sheet \"\"one\"\",\nsecond line\",2024,https://example.com/s\n",
    "column,brand,range,kind,model,kw,a,source\r\n"
    "Siemens,Siemens,SIRIUS 3RT2,today,3RT2015,3,7,s\r\n"
    "Siemens,Siemens,SIRIUS 3RT2,today,3RT2017,,,s\r\n"
    "Siemens,Siemens,SIRIUS 3RT2,today,3RT2024,5.5,12,s\r\n",
    "range,frames,form,terminals,source\nSIRIUS 3RT2,*,{frame}-{terminals}{coil}{aux},,s\n",
    "range,frames,code,kind,volts,hz,source\nSIRIUS 3RT2,3RT2015 3RT2024,AP0,AC,230,50/60,s\n",
    "range,frames,code,no,nc,source\nSIRIUS 3RT2,*,1,1,0,s\n",
    "range,frames,code,terminals,source\nSIRIUS 3RT2,*,1,screw,s\n",
};

// The build's first refusal, in the order core/data_tables.cpp makes them.
std::optional<DataFault> firstRefusal(const std::array<std::string_view, 6> &texts)
{
    const TextTable<SourceRow> sources(texts[Sources]);
    const TextTable<TodayRow> today(texts[Today]);
    const TextTable<CodeFormRow> forms(texts[Forms]);
    const TextTable<CoilRow> coils(texts[Coils]);
    const TextTable<AuxiliaryRow> aux(texts[Auxiliaries]);
    const TextTable<TerminalRow> terminals(texts[Terminals]);
    for (const auto &fault : {
             sources.fault,
             today.fault,
             forms.fault,
             coils.fault,
             aux.fault,
             terminals.fault,
             checkSources(sources.rows),
             checkToday(today.rows, sources.rows),
             checkRules<CodeFormRow>(forms.rows, today.rows, sources.rows),
             checkRules<CoilRow>(coils.rows, today.rows, sources.rows),
             checkRules<AuxiliaryRow>(aux.rows, today.rows, sources.rows),
             checkRules<TerminalRow>(terminals.rows, today.rows, sources.rows),
         }) {
        if (fault)
            return fault;
    }
    return std::nullopt;
}

TEST(DataFile, ReadsEachFieldByTheListsRulesAndCountsLinesAsWritten)
{
    const TextTable<SourceRow> sources(kAccepted[Sources]);
    ASSERT_EQ(sources.rows.size(), 1u);
    EXPECT_EQ(sources.rows[0].title, "Data sheet \"one\",\nsecond line");
    EXPECT_EQ(sources.rows[0].address, "https://example.com/s");
    EXPECT_EQ(sources.rows[0].line, 4);
    const TextTable<TodayRow> today(kAccepted[Today]);
    ASSERT_EQ(today.rows.size(), 3u);
    EXPECT_EQ(today.rows[1].kw, "");
    EXPECT_EQ(today.rows[2].source, "s");
    EXPECT_EQ(today.rows[2].line, 4);
}

struct Refused
{
    const char *name;
    File file;
    std::string_view text; // instead of the accepted one
    std::string_view refusal;
};

class DataRefusal : public testing::TestWithParam<Refused>
{
};

TEST_P(DataRefusal, NamesTheFileTheLineAndTheReason)
{
    auto texts = kAccepted;
    texts[GetParam().file] = GetParam().text;
    const Refusal refusal = refusalOf(firstRefusal(texts));
    EXPECT_EQ(std::string_view(refusal.text, refusal.size), GetParam().refusal);
}

// Each refusal the build makes, once.
INSTANTIATE_TEST_SUITE_P(
    Files, DataRefusal,
    testing::Values(
        Refused { "accepted", Sources, kAccepted[Sources], "" },
        Refused { "no_header", Today, "# nothing\n",
                  "data/today.csv:1: no header: `column,brand,range,kind,model,kw,a,source` must "
                  "head the file" },
        Refused { "another_header", Coils, "range,frames,code,kind,volt,hz,source\n",
                  "data/coils.csv:1: the header must be `range,frames,code,kind,volts,hz,source`" },
        Refused { "fewer_fields", Today,
                  "column,brand,range,kind,model,kw,a,source\n# comment\n\n"
                  "Siemens,Siemens,SIRIUS 3RT2,today,3RT2015,3,7\n",
                  "data/today.csv:4: fewer fields than the header "
                  "`column,brand,range,kind,model,kw,a,source`" },
        Refused { "more_fields", Auxiliaries,
                  "range,frames,code,no,nc,source\nSIRIUS 3RT2,*,1,1,0,s,x\n",
                  "data/auxiliaries.csv:2: more fields than the header "
                  "`range,frames,code,no,nc,source`" },
        Refused { "quote_not_closed", Sources,
                  "id,maker,title,edition,address\ns,Maker,\"Data sheet,2024,https://a/\n",
                  "data/sources.csv:2: a quoted field is not closed" },
        Refused { "quote_inside_a_field", Sources,
                  "id,maker,title,edition,address\ns,M,Data \"sheet\",1,https://a/\n",
                  "data/sources.csv:2: a stray quote in `Data \"sheet\"`: quote the whole field "
                  "and double each quote inside it" },
        Refused { "text_after_the_closing_quote", Sources,
                  "id,maker,title,edition,address\ns,M,\"Data\" sheet,1,https://a/\n",
                  "data/sources.csv:2: a stray quote in `\"Data\" sheet`: quote the whole field "
                  "and double each quote inside it" },
        Refused { "source_id", Sources, "id,maker,title,edition,address\ns s,M,T,1,https://a/\n",
                  "data/sources.csv:2: the id `s s` must be letters, digits, `.`, `_` or `-`" },
        Refused { "source_twice", Sources,
                  "id,maker,title,edition,address\ns,M,T,1,https://a/\ns,M,T,2,https://b/\n",
                  "data/sources.csv:3: the id `s` is defined twice, first on line 2" },
        Refused { "source_without_title", Sources,
                  "id,maker,title,edition,address\ns,M,,1,https://a/\n",
                  "data/sources.csv:2: maker, title and edition (a number, date or year) are "
                  "needed" },
        Refused { "source_address", Sources, "id,maker,title,edition,address\ns,M,T,1,ftp://a/\n",
                  "data/sources.csv:2: the address `ftp://a/` must be a public http or https "
                  "address" },
        Refused { "unknown_column", Today,
                  "column,brand,range,kind,model,kw,a,source\n"
                  "Simens,Siemens,SIRIUS 3RT2,today,3RT2015,3,7,s\n",
                  "data/today.csv:2: unknown column `Simens`: name a maker as the window "
                  "captions it" },
        Refused { "no_brand", Today,
                  "column,brand,range,kind,model,kw,a,source\n"
                  "Siemens,,SIRIUS 3RT2,today,3RT2015,3,7,s\n",
                  "data/today.csv:2: brand, range and model are needed" },
        Refused { "no_model_written_as_dashes", Today,
                  "column,brand,range,kind,model,kw,a,source\n"
                  "Siemens,Siemens,SIRIUS 3RT2,today,---,3,7,s\n",
                  "data/today.csv:2: a column without a range today has no line, not `---`" },
        Refused { "unknown_kind", Today,
                  "column,brand,range,kind,model,kw,a,source\n"
                  "Siemens,Siemens,SIRIUS 3RT2,current,3RT2015,3,7,s\n",
                  "data/today.csv:2: unknown kind `current` (today, discontinued or series)" },
        Refused { "power_with_a_comma", Today,
                  "column,brand,range,kind,model,kw,a,source\n"
                  "Siemens,Siemens,SIRIUS 3RT2,today,3RT2015,\"7,5\",7,s\n",
                  "data/today.csv:2: the power (kw) `7,5` must be a positive decimal such as 7.5" },
        Refused { "current_of_nothing", Today,
                  "column,brand,range,kind,model,kw,a,source\n"
                  "Siemens,Siemens,SIRIUS 3RT2,today,3RT2015,3,0,s\n",
                  "data/today.csv:2: the current (a) `0` must be a positive decimal such as 7.5" },
        Refused { "no_source", Today,
                  "column,brand,range,kind,model,kw,a,source\n"
                  "Siemens,Siemens,SIRIUS 3RT2,today,3RT2015,3,7,\n",
                  "data/today.csv:2: no source: every range needs one, from data/sources.csv" },
        Refused { "unknown_source", Today,
                  "column,brand,range,kind,model,kw,a,source\n"
                  "Siemens,Siemens,SIRIUS 3RT2,today,3RT2015,3,7,x\n",
                  "data/today.csv:2: the source `x` is not defined in data/sources.csv" },
        Refused { "frame_twice", Today,
                  "column,brand,range,kind,model,kw,a,source\n"
                  "Siemens,Siemens,SIRIUS 3RT2,today,3RT2015,3,7,s\n"
                  "Siemens,Siemens,SIRIUS 3RT1,series,3RT2015,3,7,s\n",
                  "data/today.csv:3: `3RT2015` is listed twice in its column, first on line 2" },
        Refused { "rating_falls", Today,
                  "column,brand,range,kind,model,kw,a,source\n"
                  "Siemens,Siemens,SIRIUS 3RT2,today,3RT2024,5.5,12,s\n"
                  "Siemens,Siemens,SIRIUS 3RT2,today,3RT2017,,,s\n"
                  "Siemens,Siemens,SIRIUS 3RT2,today,3RT2015,3,7,s\n",
                  "data/today.csv:4: `3RT2015` is not rated above the frame of line 2: a range "
                  "runs from its smallest frame to its largest" },
        Refused { "form", Forms,
                  "range,frames,form,terminals,source\nSIRIUS 3RT2,*,{frame}-{coil,,s\n",
                  "data/code_forms.csv:2: the form `{frame}-{coil` does not read: see "
                  "data/README.md" },
        Refused { "form_terminals", Forms,
                  "range,frames,form,terminals,source\nSIRIUS 3RT2,*,{frame}-{coil},cage,s\n",
                  "data/code_forms.csv:2: unknown terminals `cage` (screw, spring or ring)" },
        Refused { "form_spelling_a_frame_for_all", Forms,
                  "range,frames,form,terminals,source\nSIRIUS 3RT2,*,3RT2015-1{coil},,s\n",
                  "data/code_forms.csv:2: a form that spells its frame itself names one frame, "
                  "not `*`" },
        Refused { "coil", Coils,
                  "range,frames,code,kind,volts,hz,source\nSIRIUS 3RT2,*,AP0,AC,230,,s\n",
                  "data/coils.csv:2: the coil `AP0` does not read: a code, the kind AC, DC or "
                  "AC/DC, the volts as 230, 100-250 or 220/240, and the hz as 50, 60 or 50/60 "
                  "(none for DC)" },
        Refused { "contacts", Auxiliaries,
                  "range,frames,code,no,nc,source\nSIRIUS 3RT2,*,1,one,0,s\n",
                  "data/auxiliaries.csv:2: the contacts of `1` do not read: no and nc are counts "
                  "such as 0 or 1" },
        Refused { "terminals", Terminals,
                  "range,frames,code,terminals,source\nSIRIUS 3RT2,*,1,lug,s\n",
                  "data/terminals.csv:2: unknown terminals `lug` (screw, spring or ring)" },
        Refused { "rule_source", Coils,
                  "range,frames,code,kind,volts,hz,source\nSIRIUS 3RT2,*,AP0,AC,230,50/60,x\n",
                  "data/coils.csv:2: the source `x` is not defined in data/sources.csv" },
        Refused { "rule_range", Auxiliaries,
                  "range,frames,code,no,nc,source\nSIRIUS 3RT1,*,1,1,0,s\n",
                  "data/auxiliaries.csv:2: no range `SIRIUS 3RT1` in data/today.csv" },
        Refused { "rule_frame", Coils,
                  "range,frames,code,kind,volts,hz,source\n"
                  "SIRIUS 3RT2,3RT2015 3RT2016,AP0,AC,230,50/60,s\n",
                  "data/coils.csv:2: no frame `3RT2016` of the range in data/today.csv" }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace selmak
