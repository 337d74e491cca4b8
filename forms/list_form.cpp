// SPDX-License-Identifier: MIT
#include "forms/list_form.h"

#include "forms/list_layout.h"
#include "forms/list_view.h"

#include <array>
#include <charconv>

namespace selmak::forms {
namespace {

constexpr std::string_view kAllMakers = "Все производители";
constexpr std::string_view kSavedName = "замена.csv";
constexpr std::string_view kSavedSuffix = "-замена";

// Why a file cannot be opened, in the window's words.
std::string refusal(lists::NotText verdict, std::string_view name)
{
    std::string text = "«" + std::string(name) + "»: ";
    if (verdict == lists::NotText::Spreadsheet)
        return text
            + "это книга Excel, а не текст: сохраните лист как CSV (Файл > Сохранить как > CSV) "
              "и откройте этот файл";
    return text + "это не текстовый файл";
}

// The column typed: a whole number from 1; 0 for anything else, which no record has.
int columnOf(std::string_view text)
{
    int column = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), column);
    if (error != std::errc() || end != text.data() + text.size() || column < 1)
        return 0;
    return column;
}

// What Save offers: the opened file's name with "-замена" before its extension.
std::string savedName(std::string_view opened)
{
    if (opened.empty())
        return std::string(kSavedName);
    const std::size_t dot = opened.rfind('.');
    const std::size_t stem = dot == std::string_view::npos || dot == 0 ? opened.size() : dot;
    return std::string(opened.substr(0, stem)) + std::string(kSavedSuffix)
        + std::string(stem == opened.size() ? ".csv" : opened.substr(stem));
}

} // namespace

ListForm::ListForm(ListView &view) : m_view(view) { }

std::span<const EventRow<ListForm>> ListForm::events()
{
    using enum ListControl;
    using enum Event;
    // Esc and the close box reach "Закрыть" as its click.
    static constexpr std::array<EventRow<ListForm>, 7> kEvents { {
        { txtList, Change, &ListForm::txtList_Change },
        { txtColumn, Change, &ListForm::txtColumn_Change },
        { cboTo, Click, &ListForm::cboTo_Click },
        { cmdOpen, Click, &ListForm::cmdOpen_Click },
        { cmdCopy, Click, &ListForm::cmdCopy_Click },
        { cmdSave, Click, &ListForm::cmdSave_Click },
        { cmdClose, Click, &ListForm::cmdClose_Click },
    } };
    return kEvents;
}

void ListForm::Form_Load()
{
    std::array<std::string_view, kAllMakerColumns.size() + 1> names { kAllMakers };
    for (std::size_t i = 0; i < kAllMakerColumns.size(); ++i)
        names[i + 1] = columnInfo(kAllMakerColumns[i]).heading;
    m_view.setMakers(names);
    m_table.setColumn(columnOf(m_view.columnText()));
    m_refused = m_table.setText(m_view.listText()) != lists::NotText::No;
    ShowTable();
}

void ListForm::txtList_Change()
{
    if (m_loading)
        return;
    m_refused = m_table.setText(m_view.listText()) != lists::NotText::No;
    ShowTable();
}

void ListForm::txtColumn_Change()
{
    m_table.setColumn(columnOf(m_view.columnText()));
    ShowTable();
}

void ListForm::cboTo_Click()
{
    const int chosen = m_view.selectedMaker();
    const bool one = chosen >= 1 && static_cast<std::size_t>(chosen) <= kAllMakerColumns.size();
    m_table.setMaker(one ? std::optional(kAllMakerColumns[static_cast<std::size_t>(chosen - 1)])
                         : std::nullopt);
    ShowTable();
}

void ListForm::cmdOpen_Click()
{
    m_view.chooseFileToOpen();
}

void ListForm::cmdCopy_Click()
{
    m_view.copyText(m_table.tabText());
}

void ListForm::cmdSave_Click()
{
    const std::string name = savedName(m_table.fromFile() ? m_fileName : std::string_view());
    if (!m_view.saveFile(name, m_table.saveBytes()))
        m_view.showMessage("Не удаётся записать файл");
}

void ListForm::cmdClose_Click()
{
    m_view.closeWindow();
}

// The file's records go into the box one line each, their cells as Excel pastes them; the table
// keeps each record as the file spells it, for Save. A file the reader refuses changes nothing.
void ListForm::FileRead(std::string_view name, std::string_view bytes)
{
    lists::MemorySource source(bytes);
    lists::ListReader reader(source, { .csv = true, .separator = std::nullopt });
    if (const lists::NotText verdict = reader.open(); verdict != lists::NotText::No) {
        m_view.showMessage(refusal(verdict, name));
        return;
    }
    std::string box;
    std::vector<FileRecord> records;
    for (lists::ListRecord record; reader.next(record);) {
        records.push_back(
            { std::string(record.text), std::string(record.ending), record.unclosed });
        ListTable::appendBoxRecord(box, record.text, reader.layout().separator);
        box.push_back('\n');
    }
    m_table.load(box, std::move(records), reader.form(), reader.layout());
    m_fileName = name;
    // The box may take the text in more than one change: the table reads it once it holds it all.
    m_loading = true;
    m_view.setListText(box);
    m_loading = false;
    txtList_Change();
}

void ListForm::FileNotRead(std::string_view name)
{
    m_view.showMessage("Не удаётся прочитать файл «" + std::string(name) + "»");
}

void ListForm::ShowTable()
{
    m_view.showTable(m_table);
    if (m_refused) {
        m_view.setStatus("В поле не текст: в нём больше управляющих знаков, чем букв и цифр");
        return;
    }
    const ListTable::Counts counts = m_table.counts();
    m_view.setStatus("Строк: " + std::to_string(counts.lines)
                     + ", найдено: " + std::to_string(counts.found)
                     + ", не найдено: " + std::to_string(counts.lines - counts.found));
}

} // namespace selmak::forms
