// SPDX-License-Identifier: MIT
#pragma once

#include "forms/list_form.h"
#include "forms/list_view.h"
#include "ui/web/dialog.h"
#include "ui/web/table_view.h"

namespace selmak::web {

class WarningDialog;

// The list window: a <textarea> for the list, a <select> for the maker and a <table> of the rows
// in view below, which follows the text as it changes. Open reads a file chosen in the browser's
// own dialog (<input type=file>), Save hands the browser a download, and Copy writes to the
// clipboard, or where the browser refuses, puts the text in a selected box to copy by hand.
class ListWindow : public Dialog, private forms::ListView
{
public:
    ListWindow(const val &parent, WarningDialog &warning);
    ListWindow(const ListWindow &) = delete;
    ListWindow &operator=(const ListWindow &) = delete;
    ~ListWindow() override;

private:
    std::string listText() const override;
    void setListText(std::string_view text) override;
    std::string columnText() const override;
    void setMakers(std::span<const std::string_view> names) override;
    int selectedMaker() const override;
    void showTable(const forms::ListTable &table) override;
    void setStatus(std::string_view text) override;
    void chooseFileToOpen() override;
    bool saveFile(std::string_view name, std::string_view bytes) override;
    void copyText(std::string_view text) override;
    void showMessage(std::string_view text) override;
    void closeWindow() override;

    void readChosenFile();
    void copyByHand(std::string_view text);

    WarningDialog &m_warning;
    TableView m_table;
    val m_fileInput = val::null();
    val m_reader = val::null(); // the FileReader reading the file chosen
    std::string m_fileName;
    val m_download = val::null(); // the address of the last file saved, until the next
    val m_copied = val::null(); // the box that holds a copy the clipboard refused
    forms::ListForm m_form;
};

} // namespace selmak::web
