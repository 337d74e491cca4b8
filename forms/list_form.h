// SPDX-License-Identifier: MIT
#pragma once

#include "forms/events.h"
#include "forms/list_table.h"

#include <span>
#include <string>
#include <string_view>

namespace selmak::forms {

class ListView;

// The list window's behaviour, the same in every front-end: the table follows the box, the column
// and the maker as they change, without a click; Open puts a file's records in the box, Copy puts
// the table on the clipboard and Save writes it (ListTable says how).
class ListForm
{
public:
    explicit ListForm(ListView &view);

    // Which event of which control runs which handler.
    static std::span<const EventRow<ListForm>> events();

    void Form_Load();
    void txtList_Change();
    void txtColumn_Change();
    void cboTo_Click(); // another maker chosen
    void cmdOpen_Click();
    void cmdCopy_Click();
    void cmdSave_Click();
    void cmdClose_Click();

    // The file chosen to open, by its name (for messages and the name offered on saving).
    void FileRead(std::string_view name, std::string_view bytes);
    void FileNotRead(std::string_view name);

    const ListTable &table() const { return m_table; }

private:
    void ShowTable();

    ListView &m_view;
    ListTable m_table;
    std::string m_fileName; // of the file open, for the name Save offers
    bool m_loading = false; // a file's records are going into the box
    bool m_refused = false; // the box holds what the reader does not take for text
};

} // namespace selmak::forms
