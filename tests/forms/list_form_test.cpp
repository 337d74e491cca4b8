// SPDX-License-Identifier: MIT
#include "forms/list_form.h"
#include "forms/list_layout.h"
#include "recording_list_view.h"

#include <gtest/gtest.h>

namespace selmak::forms {
namespace {

using namespace std::string_literals;

// The list window, loaded.
struct Listing
{
    Listing() { form.Form_Load(); }

    void type(std::string text)
    {
        view.text = std::move(text);
        form.txtList_Change();
    }
    void choose(std::string column, int maker)
    {
        view.column = std::move(column);
        form.txtColumn_Change();
        view.maker = maker;
        form.cboTo_Click();
    }

    test::RecordingListView view;
    ListForm form { view };
};

constexpr int kMoeller = 10; // the drop-down's line: "Все производители", then the makers in order
constexpr int kAbb = 6;

struct Typed
{
    const char *name;
    std::string text;
    const char *column;
    std::vector<std::string> rows; // the heading, then each row
    const char *status;
};

class Typing : public testing::TestWithParam<Typed>
{
};

// The table follows the box: a row a record, in order, its own cells then Moeller's answer.
TEST_P(Typing, FillsARowForEachLine)
{
    const Typed &t = GetParam();
    Listing l;
    l.choose(t.column, kMoeller);
    l.type("LC1D25\nXYZ"); // something else on show first: each edit replaces it
    l.type(t.text);
    EXPECT_EQ(l.view.rows(), t.rows);
    EXPECT_EQ(l.view.status, t.status);
}

constexpr const char *kMoellerHeading
    = "Ступень | кВт | А | Moeller | Moeller сегодня | Примечание";
constexpr const char *kNoModel = "В каталоге нет модели, с которой начинается это обозначение";

std::string heading(std::string own)
{
    return own + " | " + kMoellerHeading;
}

INSTANTIATE_TEST_SUITE_P(
    ListForm, Typing,
    testing::Values(
        Typed { "empty", "", "1", { heading("Строка") }, "Строк: 0, найдено: 0, не найдено: 0" },
        Typed { "one_to_a_line",
                "LC1D18M7\n3RT2026-1AP00\r\n7,5 кВт\r12 А\nXYZ-1\nLC1D1\n300",
                "1",
                { heading("Строка"), "LC1D18M7 | 3 | 7.5 | 15.2 | DILM15 | DILM15 | ",
                  "3RT2026-1AP00 | 4/5 | 11 | 21.7 | DILM25 | DILM25 | ",
                  "7,5 кВт | 3 | 7.5 | 15.2 | DILM15 | DILM15 | ",
                  "12 А | 2 | 5.5 | 11.3 | DILM12 | DILM12 | ",
                  "XYZ-1 |  |  |  |  |  | "s + kNoModel,
                  "LC1D1 | 2/3 | 5.5/7.5 | 11.3/15.2 | DILM12/DILM15 | DILM12/DILM15 | это только "
                  "начало обозначения",
                  "300 |  |  |  |  |  | Значение мощности должно находиться в пределах (2.3...250 "
                  "кВт)" },
                "Строк: 7, найдено: 4, не найдено: 3" },
        Typed { "empty_lines_keep_their_rows",
                "\nDILM9\n\n\t \n",
                "1",
                { heading("Строка"), " |  |  |  |  |  | ", "DILM9 | 1 | 4 | 8.5 | DILM9 | DILM9 | ",
                  " |  |  |  |  |  | ", " |  |  |  |  |  | " },
                "Строк: 1, найдено: 1, не найдено: 0" },
        // Cells copied from Excel: the heading's cells head the table's own columns.
        Typed { "pasted_with_a_heading",
                "Поз.\tОбозначение\tКол.\n1\tLC1D18\t2\n2\tXYZ-"
                "1\n\"3\"\t\"Контактор\n\"\"КМИ\"\"\"\t1\n",
                "2",
                { heading("Поз. | Обозначение | Кол."),
                  "1 | LC1D18 | 2 | 3 | 7.5 | 15.2 | DILM15 | DILM15 | ",
                  "2 | XYZ-1 |  |  |  |  |  |  | "s + kNoModel,
                  "3 | Контактор\n\"КМИ\" | 1 |  |  |  |  |  | "s + kNoModel },
                "Строк: 3, найдено: 1, не найдено: 2" },
        Typed { "the_first_column_of_it",
                "Поз.\tОбозначение\n1\tLC1D18\n7,5\tDILM9\n",
                "1",
                { heading("Поз. | Обозначение"),
                  "1 | LC1D18 |  |  |  |  |  | Значение мощности должно находиться в пределах "
                  "(2.3...250 кВт)",
                  "7,5 | DILM9 | 3 | 7.5 | 15.2 | DILM15 | DILM15 | " },
                "Строк: 2, найдено: 1, не найдено: 1" },
        Typed { "a_column_no_record_has",
                "LC1D18\tDILM9\n",
                "3",
                { heading("Столбец 1 | Столбец 2"),
                  "LC1D18 | DILM9 |  |  |  |  |  | в строке нет такого столбца" },
                "Строк: 1, найдено: 0, не найдено: 1" },
        Typed { "no_column",
                "LC1D18\n",
                "x",
                { heading("Строка"), "LC1D18 |  |  |  |  |  | в строке нет такого столбца" },
                "Строк: 1, найдено: 0, не найдено: 1" },
        // Not a heading: a code with a digit, one that begins models, or a line alone.
        Typed { "a_miss_first",
                "XYZ-1\nDILM9\n",
                "1",
                { heading("Строка"), "XYZ-1 |  |  |  |  |  | "s + kNoModel,
                  "DILM9 | 1 | 4 | 8.5 | DILM9 | DILM9 | " },
                "Строк: 2, найдено: 1, не найдено: 1" },
        Typed { "a_heading_alone",
                "Обозначение",
                "1",
                { heading("Строка"), "Обозначение |  |  |  |  |  | "s + kNoModel },
                "Строк: 1, найдено: 0, не найдено: 1" },
        Typed { "nul_reads_as_a_blank",
                "DILM9\0\n"s,
                "1",
                { heading("Строка"), "DILM9  | 1 | 4 | 8.5 | DILM9 | DILM9 | " },
                "Строк: 1, найдено: 1, не найдено: 0" },
        Typed { "control_characters_are_no_text",
                "\x01\x02\x03\x04\x05\x06LC",
                "1",
                { heading("Строка") },
                "В поле не текст: в нём больше управляющих знаков, чем букв и цифр" }),
    [](const testing::TestParamInfo<Typed> &p) { return p.param.name; });

// Every maker, or the one chosen: each gives its model and its model of today.
TEST(ListForm, ShowsEveryMakerOrTheOneChosen)
{
    Listing l;
    EXPECT_EQ(l.view.makers.size(), 15u);
    EXPECT_EQ(l.view.makers.front(), "Все производители");
    EXPECT_EQ(l.view.makers.back(), "АСКО");
    l.type("LC1D18");
    const ListTable &table = *l.view.table;
    ASSERT_EQ(table.columnCount(), 1u + 3 + 2 * 14 + 1);
    EXPECT_EQ(table.heading(4), "Danfoss");
    EXPECT_EQ(table.heading(5), "Danfoss сегодня");
    EXPECT_EQ(table.heading(31), "АСКО сегодня");
    EXPECT_EQ(table.cell(0, 20), "3RT1025/3TF42"); // Siemens
    EXPECT_EQ(table.cell(0, 21), "3RT2018");
    l.choose("1", 9);
    ASSERT_EQ(table.columnCount(), 7u);
    EXPECT_EQ(table.heading(4), "Siemens");
    EXPECT_EQ(table.cell(0, 4), "3RT1025/3TF42");
}

// Copy gives the table as Excel pastes cells, heading and all.
TEST(ListForm, CopiesTheTableAsTabSeparatedText)
{
    Listing l;
    l.choose("1", kMoeller);
    l.type("Тип\tКол.\nLC1D18\t2\nXYZ\t\"1\t2\"\n");
    l.form.cmdCopy_Click();
    EXPECT_EQ(l.view.copied,
              "Тип\tКол.\t"s + "Ступень\tкВт\tА\tMoeller\tMoeller сегодня\tПримечание\r\n"
                  + "LC1D18\t2\t3\t7.5\t15.2\tDILM15\tDILM15\t\r\n" + "XYZ\t\"1\t2\"\t\t\t\t\t\t"
                  + kNoModel + "\r\n");
}

struct Saved
{
    const char *name;
    std::string typed;
    std::string saved;
};

class Saving : public testing::TestWithParam<Saved>
{
};

// Without a file: Excel's CSV UTF-8, a plain list as selmak-find writes a list, anything with
// columns or a heading as it writes a bill.
TEST_P(Saving, WritesExcelsCsvUtf8)
{
    const Saved &s = GetParam();
    Listing l;
    l.choose("2", kAbb);
    l.type(s.typed);
    l.form.cmdSave_Click();
    EXPECT_EQ(l.view.savedName, "замена.csv");
    EXPECT_EQ(l.view.saved, s.saved);
    EXPECT_TRUE(l.view.messages.empty());
}

constexpr const char *kFound = "step;power_kw;current_a;matched_maker;matched_model;matched_range;"
                               "ABB;ABB today;ABB today code;error\r\n";

INSTANTIATE_TEST_SUITE_P(
    ListForm, Saving,
    testing::Values(Saved { "list", "x\n",
                            "\xEF\xBB\xBFquery;kind;"s + kFound
                                + "x;model;;;;;;;;;;the row has no such column\r\n" },
                    // A whole order code gets ABB's whole code of today for its coil and contacts.
                    Saved { "columns_and_a_heading",
                            "Поз.\tОбозначение\n1\tLC1D18M7\n\n2\t\"A;B\"\n",
                            "\xEF\xBB\xBFПоз.;Обозначение;"s + kFound
                                + "1;LC1D18M7;3;7.5;15.2;Telemecanique;LC1D18;;A16/B16;AF16;"
                                + "AF16-30-10-13 + aux 1NC;\r\n\r\n"
                                + "2;\"A;B\";;;;;;;;;;no catalogue model begins this code\r\n" }),
    [](const testing::TestParamInfo<Saved> &p) { return p.param.name; });

struct Opened
{
    const char *name;
    std::string file;
    const char *column;
    std::string box; // what the box holds after Open
    std::string lineEnd; // the file's
    std::vector<std::string> ownRows; // each saved line's beginning: the file's record and more
};

class Opening : public testing::TestWithParam<Opened>
{
};

// Open puts the records in the box as Excel would paste them; Save writes them back as the file
// spelled them, in its encoding, separator and line ends, with the answer after them.
TEST_P(Opening, SavesTheFileBackByteForByteWithTheAnswers)
{
    const Opened &o = GetParam();
    Listing l;
    l.choose(o.column, kMoeller);
    l.form.cmdOpen_Click();
    EXPECT_TRUE(l.view.askedForFile);
    l.form.FileRead("bom.csv", o.file);
    EXPECT_EQ(l.view.text, o.box);
    EXPECT_TRUE(l.view.messages.empty());
    l.form.cmdSave_Click();
    EXPECT_EQ(l.view.savedName, "bom-замена.csv");
    std::string_view saved = l.view.saved;
    for (const std::string &own : o.ownRows) {
        ASSERT_TRUE(saved.starts_with(own)) << own;
        const std::size_t end = saved.find(o.lineEnd, own.size());
        saved.remove_prefix(end == std::string_view::npos ? saved.size() : end + o.lineEnd.size());
    }
    EXPECT_TRUE(saved.empty()) << saved;
}

// "Поз.;Код;Кол." in Windows-1251.
const std::string kCp1251Heading = "\xCF\xEE\xE7.;\xCA\xEE\xE4;\xCA\xEE\xEB.\r\n";

INSTANTIATE_TEST_SUITE_P(
    ListForm, Opening,
    testing::Values(
        // "CSV (разделители – запятые)": Windows-1251, ';', a heading, CRLF.
        Opened {
            "excel_csv_cp1251",
            kCp1251Heading + "1;LC1D18;2\r\n\r\n2;\"X;Y\";1\r\n",
            "2",
            "Поз.\tКод\tКол.\n1\tLC1D18\t2\n\n2\tX;Y\t1\n",
            "\r\n",
            { kCp1251Heading.substr(0, 13) + ";step;", "1;LC1D18;2;3;7.5;", "", "2;\"X;Y\";1;;" } },
        // "Юникод-текст": UTF-16LE with a mark, tabs, no heading, no line end at the end.
        Opened { "unicode_text",
                 "\xFF\xFE"s
                     + "D\0I\0L\0M\0"
                       "9\0\t\0"
                       "1\0\r\0\n\0D\0I\0L\0M\0"
                       "9\0"s,
                 "1",
                 "DILM9\t1\nDILM9\n",
                 "\r\0\n\0"s,
                 { "\xFF\xFE"s
                       + "D\0I\0L\0M\0"
                         "9\0\t\0"
                         "1\0\t\0"
                         "1\0"s,
                   "D\0I\0L\0M\0"
                   "9\0\t\0\t\0"
                   "1\0"s } },
        // A cell over two lines stays one; a quote that never closes takes its line alone.
        Opened { "quotes",
                 "\xEF\xBB\xBFКод;Прим.\n\"a\nb\";x\nLC1D18;\"open\n",
                 "1",
                 "Код\tПрим.\n\"a\nb\"\tx\nLC1D18\topen\n",
                 "\n",
                 { "\xEF\xBB\xBFКод;Прим.;step;", "\"a\nb\";x;;", "LC1D18;\"open\";3;" } }),
    [](const testing::TestParamInfo<Opened> &p) { return p.param.name; });

// A record typed after Open is written in the file's form too; once none of the file's records is
// left, Save is a plain list again.
TEST(ListForm, WritesTypedRecordsInTheOpenedFilesForm)
{
    Listing l;
    l.choose("2", kMoeller);
    l.form.FileRead("bom.csv", kCp1251Heading + "1;LC1D18;2");
    l.type(l.view.text + "2\tКМИ-11811\t1\n");
    l.form.cmdSave_Click();
    EXPECT_EQ(l.view.saved.substr(0, 13), kCp1251Heading.substr(0, 13));
    EXPECT_NE(l.view.saved.find(";step;"), std::string::npos);
    EXPECT_NE(l.view.saved.find("\r\n1;LC1D18;2;3;"), std::string::npos);
    EXPECT_NE(l.view.saved.find("\r\n2;\xCA\xCC\xC8-11811;1;1;4;"), std::string::npos) << "cp1251";
    l.type("DILM9\n");
    l.form.cmdSave_Click();
    EXPECT_EQ(l.view.savedName, "замена.csv");
    EXPECT_TRUE(l.view.saved.starts_with("\xEF\xBB\xBFquery;kind;"));
}

struct Refused
{
    const char *name;
    std::string file;
    const char *message;
};

class Refusing : public testing::TestWithParam<Refused>
{
};

// A file the reader refuses says why and leaves the window as it was.
TEST_P(Refusing, SaysWhyAndKeepsWhatTheWindowHad)
{
    const Refused &r = GetParam();
    Listing l;
    l.type("DILM9");
    l.form.FileRead("bom.xlsx", r.file);
    EXPECT_EQ(l.view.messages, std::vector<std::string> { r.message });
    EXPECT_EQ(l.view.text, "DILM9");
    EXPECT_EQ(l.view.table->rowCount(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    ListForm, Refusing,
    testing::Values(Refused { "workbook", "PK\x03\x04rest",
                              "«bom.xlsx»: это книга Excel, а не текст: сохраните лист как CSV "
                              "(Файл > Сохранить как > CSV) и откройте этот файл" },
                    Refused { "binary", "ab\0cd"s, "«bom.xlsx»: это не текстовый файл" }),
    [](const testing::TestParamInfo<Refused> &p) { return p.param.name; });

TEST(ListForm, SaysWhenAFileCannotBeReadOrWrittenAndCloses)
{
    Listing l;
    l.form.FileNotRead("bom.csv");
    l.view.saveFails = true;
    l.form.cmdSave_Click();
    EXPECT_EQ(l.view.messages,
              (std::vector<std::string> { "Не удаётся прочитать файл «bom.csv»",
                                          "Не удаётся записать файл" }));
    l.form.cmdClose_Click();
    EXPECT_TRUE(l.view.closed);
}

} // namespace
} // namespace selmak::forms
