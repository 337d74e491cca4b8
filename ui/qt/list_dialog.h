// SPDX-License-Identifier: MIT
#pragma once

#include "forms/list_form.h"
#include "forms/list_view.h"
#include "ui/qt/file_dialogs.h"
#include "ui/qt/layout_dialog.h"
#include "ui/qt/warning_box.h"

namespace selmak::ui {

class ListTableModel;

// "Замена по списку": part numbers, powers or currents typed or pasted one to a line, a table of
// each maker's models for them below, which follows as the text changes; Open and Save through
// the standard file dialogs, Copy to the clipboard. Modeless and owned by the main window, so it
// stays above it and goes with it; closing it discards it.
class ListDialog : public LayoutDialog, private forms::ListView
{
    Q_OBJECT

public:
    ListDialog(Notifier notifier, FileDialogs files, QWidget *owner);

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

    Notifier m_notifier;
    FileDialogs m_files;
    ListTableModel *m_model;
    QString m_folder; // of the file last opened, where Save offers to write
    forms::ListForm m_form;
};

} // namespace selmak::ui
