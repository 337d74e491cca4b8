// SPDX-License-Identifier: MIT
#include "ui/win32/list_window.h"

#include "forms/list_layout.h"
#include "forms/list_table.h"
#include "ui/win32/text.h"

#include <algorithm>
#include <commctrl.h>
#include <cstring>

namespace selmak::win32 {
namespace {

using forms::ListControl;

// A fixed dialog frame, which shows no icon, with the close box only.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
// A column heading's room beside its text at 96 dpi: the header's margin of three edges on
// either side, and a little for the divider.
constexpr int kHeadingMargin = 16;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

std::string windowText(HWND control)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

} // namespace

ListWindow::ListWindow(Notifier notifier, FileDialogs files, const DpiApi &dpiApi)
    : LayoutWindow(forms::listLayout(), kStyle, kExStyle, dpiApi),
      m_notifier(std::move(notifier)),
      m_files(std::move(files)),
      m_form(*this)
{ }

void ListWindow::load(HWND owner)
{
    create(owner);
    if (!handle())
        return;
    const HWND table = control(ListControl::grdResult);
    SendMessageW(table, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_form.Form_Load();
}

void ListWindow::onEvent(forms::ControlId control, forms::Event event)
{
    forms::dispatch(m_form, forms::ListForm::events(), control, event);
}

// An owned window's end is its own: the program runs on while the main window is open.
void ListWindow::onDestroyed() { }

// The table asks for each cell as it comes into view.
std::optional<LRESULT> ListWindow::onOtherMessage(UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_NOTIFY)
        return std::nullopt;
    const auto *header = reinterpret_cast<const NMHDR *>(lParam);
    if (header->hwndFrom != control(ListControl::grdResult) || header->code != LVN_GETDISPINFOW)
        return std::nullopt;
    auto *asked = reinterpret_cast<NMLVDISPINFOW *>(lParam);
    LVITEMW &item = asked->item;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        std::wstring text;
        if (m_table && static_cast<std::size_t>(item.iItem) < m_table->rowCount()
            && static_cast<std::size_t>(item.iSubItem) < m_table->columnCount())
            text = widen(m_table->cell(static_cast<std::size_t>(item.iItem),
                                       static_cast<std::size_t>(item.iSubItem)));
        const std::size_t room = static_cast<std::size_t>(item.cchTextMax) - 1;
        const std::size_t length = std::min(text.size(), room);
        std::memcpy(item.pszText, text.data(), length * sizeof(wchar_t));
        item.pszText[length] = L'\0';
    }
    return 0;
}

void ListWindow::onDpiApplied(UINT dpi)
{
    if (!m_headings.empty())
        setColumns(dpi);
}

// The columns anew, each at its width in twips at the dpi.
void ListWindow::setColumns(UINT dpi)
{
    const HWND table = control(ListControl::grdResult);
    while (SendMessageW(table, LVM_DELETECOLUMN, 0, 0)) { }
    for (std::size_t c = 0; c < m_headings.size(); ++c) {
        LVCOLUMNW column {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = m_headings[c].data();
        // A heading is never cut short: a maker's long name widens its column. The margin is
        // the header's own on either side of its text.
        const int heading
            = static_cast<int>(SendMessageW(table, LVM_GETSTRINGWIDTHW, 0,
                                            reinterpret_cast<LPARAM>(m_headings[c].c_str())))
            + MulDiv(kHeadingMargin, static_cast<int>(dpi), 96);
        column.cx = std::max(
            MulDiv(m_table->widthTwips(c), static_cast<int>(dpi), forms::kTwipsPerInch), heading);
        column.iSubItem = static_cast<int>(c);
        SendMessageW(table, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
}

std::string ListWindow::listText() const
{
    return windowText(control(ListControl::txtList));
}

// The box breaks lines at CR LF only.
void ListWindow::setListText(std::string_view text)
{
    std::wstring lines;
    for (const wchar_t c : widen(text)) {
        if (c == L'\n')
            lines += L'\r';
        lines += c;
    }
    SetWindowTextW(control(ListControl::txtList), lines.c_str());
}

std::string ListWindow::columnText() const
{
    return windowText(control(ListControl::txtColumn));
}

void ListWindow::setMakers(std::span<const std::string_view> names)
{
    const HWND box = control(ListControl::cboTo);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (const std::string_view name : names)
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(name).c_str()));
    SendMessageW(box, CB_SETCURSEL, 0, 0);
}

int ListWindow::selectedMaker() const
{
    return static_cast<int>(SendMessageW(control(ListControl::cboTo), CB_GETCURSEL, 0, 0));
}

void ListWindow::showTable(const forms::ListTable &table)
{
    m_table = &table;
    std::vector<std::wstring> headings;
    headings.reserve(table.columnCount());
    for (std::size_t c = 0; c < table.columnCount(); ++c)
        headings.push_back(widen(table.heading(c)));
    const HWND list = control(ListControl::grdResult);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    if (headings != m_headings) {
        m_headings = std::move(headings);
        setColumns(dpi());
    }
    SendMessageW(list, LVM_SETITEMCOUNT, table.rowCount(), LVSICF_NOSCROLL);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void ListWindow::setStatus(std::string_view text)
{
    SetWindowTextW(control(ListControl::lblStatus), widen(text).c_str());
}

void ListWindow::chooseFileToOpen()
{
    const std::optional<std::wstring> path = m_files.openName(handle());
    if (!path)
        return;
    const std::size_t slash = path->find_last_of(L"\\/");
    m_folder = slash == std::wstring::npos ? std::wstring() : path->substr(0, slash + 1);
    const std::string name = narrow(slash == std::wstring::npos ? *path : path->substr(slash + 1));
    if (const std::optional<std::string> bytes = readFile(*path))
        m_form.FileRead(name, *bytes);
    else
        m_form.FileNotRead(name);
}

bool ListWindow::saveFile(std::string_view name, std::string_view bytes)
{
    const std::optional<std::wstring> path = m_files.saveName(handle(), m_folder + widen(name));
    return !path || writeFile(*path, bytes);
}

void ListWindow::copyText(std::string_view text)
{
    const std::wstring wide = widen(text);
    if (!OpenClipboard(handle()))
        return;
    EmptyClipboard();
    const std::size_t size = (wide.size() + 1) * sizeof(wchar_t);
    if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size)) {
        void *locked = GlobalLock(memory);
        if (locked) {
            std::memcpy(locked, wide.c_str(), size);
            GlobalUnlock(memory);
        }
        // The clipboard owns the memory once it takes it.
        if (!locked || !SetClipboardData(CF_UNICODETEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
}

void ListWindow::showMessage(std::string_view text)
{
    m_notifier(handle(), widen(text));
}

void ListWindow::closeWindow()
{
    DestroyWindow(handle());
}

} // namespace selmak::win32
