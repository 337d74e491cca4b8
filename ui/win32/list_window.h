// SPDX-License-Identifier: MIT
#pragma once

#include "forms/list_form.h"
#include "forms/list_view.h"
#include "ui/win32/file_dialogs.h"
#include "ui/win32/layout_window.h"
#include "ui/win32/shell_hooks.h"

#include <string>
#include <vector>

namespace selmak::win32 {

// "Замена по списку": a standard multi-line EDIT for the list, a COMBOBOX for the maker and a
// report-style ListView of comctl32 for the table, which asks for the rows in view only, so that
// screen readers and other programs read them as they are. Modeless and owned by the main window;
// "Закрыть" is its cancel button (Esc). Open and Save through the system's file dialogs, Copy as
// CF_UNICODETEXT.
class ListWindow final : public LayoutWindow, private forms::ListView
{
public:
    ListWindow(Notifier notifier, FileDialogs files, const DpiApi &dpiApi);

    // Makes the window, owned by `owner`, and runs Form_Load; the window is not yet shown.
    void load(HWND owner);

private:
    void onEvent(forms::ControlId control, forms::Event event) override;
    void onDestroyed() override;
    std::optional<LRESULT> onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onDpiApplied(UINT dpi) override;

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

    void setColumns(UINT dpi);

    Notifier m_notifier;
    FileDialogs m_files;
    const forms::ListTable *m_table = nullptr;
    std::vector<std::wstring> m_headings; // the table's columns as the control has them
    std::wstring m_folder; // of the file last opened, where Save offers to write
    forms::ListForm m_form;
};

} // namespace selmak::win32
