// SPDX-License-Identifier: MIT
// The list window as a Win32 window: how it opens, its controls at the table's places at the
// window's dpi and what screen readers learn of them, and its binding: one paste, one copy through
// the clipboard, one open and save round trip through injected file dialogs. What the table holds
// is the form's, tested in tests/forms.
#include "forms/list_layout.h"
#include "running_app.h"
#include "ui/win32/file_dialogs.h"
#include "ui/win32/text.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>

namespace selmak::win32::test {
namespace {

using forms::PixelRect;

struct Listing : RunningApp
{
    HWND list() { return app.listWindow() ? app.listWindow()->handle() : nullptr; }
    HWND listControl(std::string_view name)
    {
        return app.listWindow() ? controlNamed(*app.listWindow(), name) : nullptr;
    }
    void open() { keyThroughLoop(control("exit"), 'L', true); }
    void paste(const std::wstring &text)
    {
        const HWND box = listControl("txtList");
        SendMessageW(box, EM_SETSEL, 0, -1);
        SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    int rows()
    {
        return static_cast<int>(SendMessageW(listControl("grdResult"), LVM_GETITEMCOUNT, 0, 0));
    }
    // A row's cells as the list view gives them to anyone who asks: its text for each column.
    std::vector<std::string> row(int index)
    {
        const HWND table = listControl("grdResult");
        const auto header = reinterpret_cast<HWND>(SendMessageW(table, LVM_GETHEADER, 0, 0));
        const auto columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
        std::vector<std::string> cells;
        for (int c = 0; c < columns; ++c) {
            wchar_t text[256] {};
            LVITEMW item {};
            item.iSubItem = c;
            item.pszText = text;
            item.cchTextMax = static_cast<int>(std::size(text));
            SendMessageW(table, LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&item));
            cells.push_back(narrow(text));
        }
        return cells;
    }
};

VARIANT self()
{
    VARIANT id {};
    id.vt = VT_I4;
    id.lVal = CHILDID_SELF;
    return id;
}

// Ctrl+L and the system menu open one window, owned by the main window, its box focused; every
// control stands at its place, and screen readers learn each one's name and role.
TEST(ListWindow, OpensWithItsControlsInPlaceAndNamed)
{
    Listing a;
    a.open();
    const HWND list = a.list();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(GetWindow(list, GW_OWNER), a.main());
    EXPECT_EQ(a.text(list), "Замена по списку");
    EXPECT_EQ(GetFocus(), a.listControl("txtList"));
    SendMessageW(a.main(), WM_SYSCOMMAND, MainWindow::kListCommand, 0);
    EXPECT_EQ(a.list(), list);

    const int dpi = static_cast<int>(a.app.listWindow()->dpi());
    for (const forms::ControlRow &row : forms::listLayout().controls) {
        RECT r;
        GetWindowRect(a.listControl(row.name), &r);
        MapWindowPoints(nullptr, list, reinterpret_cast<POINT *>(&r), 2);
        EXPECT_EQ((PixelRect { r.left, r.top, r.right - r.left, r.bottom - r.top }),
                  forms::toPixels(row.twips, dpi))
            << row.name;
    }
    // Named by what they are for, in the role the system's own object gives each.
    const struct
    {
        const char *control;
        const char *name;
    } announced[] = {
        { "txtList", "Обозначения, мощности или токи" },
        { "txtColumn", "Столбец" },
        { "cboTo", "Производитель" },
        { "grdResult", "Результаты" },
    };
    const auto roleOf = [](IAccessible *object) {
        VARIANT role {};
        return SUCCEEDED(object->get_accRole(self(), &role)) && role.vt == VT_I4 ? role.lVal : -1;
    };
    for (const auto &c : announced) {
        IAccessible *object = nullptr;
        IAccessible *standard = nullptr;
        const HWND control = a.listControl(c.control);
        ASSERT_EQ(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void **>(&object)),
                  S_OK)
            << c.control;
        ASSERT_EQ(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                            reinterpret_cast<void **>(&standard)),
                  S_OK);
        BSTR name = nullptr;
        EXPECT_EQ(object->get_accName(self(), &name), S_OK) << c.control;
        EXPECT_EQ(narrow(name ? name : L""), c.name) << c.control;
        SysFreeString(name);
        EXPECT_GT(roleOf(object), 0) << c.control;
        EXPECT_EQ(roleOf(object), roleOf(standard)) << c.control;
        standard->Release();
        object->Release();
    }
    EXPECT_EQ(SendMessageW(a.listControl("cboTo"), CB_GETCOUNT, 0, 0), 15);
    // The box takes every key but Tab, which goes on to the next control, and Esc, which closes.
    a.keyThroughLoop(a.listControl("txtList"), VK_TAB);
    EXPECT_EQ(GetFocus(), a.listControl("txtColumn"));
    SetFocus(a.listControl("txtList"));
    a.keyThroughLoop(a.listControl("txtList"), VK_ESCAPE);
    EXPECT_EQ(a.pump(), std::nullopt);
    EXPECT_EQ(a.list(), nullptr);
}

// Twenty part numbers with their quantities pasted as Excel puts cells on the clipboard.
TEST(ListWindow, APasteFillsTheTable)
{
    Listing a;
    a.open();
    std::wstring pasted;
    for (int i = 0; i < 20; ++i)
        pasted += (i % 2 ? L"LC1D18M7\t" : L"DILM9-10\t") + std::to_wstring(i) + L"\r\n";
    a.paste(pasted);
    EXPECT_EQ(a.rows(), 20);
    const std::vector<std::string> second = a.row(1);
    ASSERT_GE(second.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(second.begin(), second.begin() + 5),
              (std::vector<std::string> { "LC1D18M7", "1", "3", "7.5", "15.2" }));
    EXPECT_EQ(a.text(a.listControl("lblStatus")), "Строк: 20, найдено: 20, не найдено: 0");
    EXPECT_TRUE(a.warnings.empty());
}

TEST(ListWindow, CopyPutsTheTableOnTheClipboard)
{
    Listing a;
    a.open();
    SendMessageW(a.listControl("cboTo"), CB_SETCURSEL, 10, 0); // Moeller
    SendMessageW(a.list(), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(a.listControl("cboTo")), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(a.listControl("cboTo")));
    a.paste(L"LC1D18\r\nXYZ-1");
    SendMessageW(a.listControl("cmdCopy"), BM_CLICK, 0, 0);
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto memory = GetClipboardData(CF_UNICODETEXT);
    const std::string copied
        = memory ? narrow(static_cast<const wchar_t *>(GlobalLock(memory))) : "";
    if (memory)
        GlobalUnlock(memory);
    CloseClipboard();
    EXPECT_EQ(copied,
              "Строка\tСтупень\tкВт\tА\tMoeller\tMoeller сегодня\tПримечание\r\n"
              "LC1D18\t3\t7.5\t15.2\tDILM15\tDILM15\t\r\n"
              "XYZ-1\t\t\t\t\t\tВ каталоге нет модели, с которой начинается это "
              "обозначение\r\n");
}

// A bill as Russian Excel saves "CSV (разделители – запятые)", Windows-1251 with ';', opened and
// saved: every line comes back byte for byte, the answer's columns after it.
TEST(ListWindow, SavesAnOpenedBillBackInItsOwnColumns)
{
    wchar_t temp[MAX_PATH] {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder
        = std::wstring(temp) + L"selmak-list-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::string bill
        = "\xCF\xEE\xE7.;\xCE\xE1\xEE\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5;\xCA\xEE\xEB.\r\n"
          "1;LC1D18M7;2\r\n"
          "2;\xCA\xCC\xC8-11811;1\r\n";
    ASSERT_TRUE(writeFile(folder + L"bom.csv", bill));
    Listing a;
    a.fileToOpen = folder + L"bom.csv";
    a.fileToSave = folder + L"saved.csv";
    a.open();
    SetWindowTextW(a.listControl("txtColumn"), L"2");
    SendMessageW(a.listControl("cmdOpen"), BM_CLICK, 0, 0);
    EXPECT_EQ(a.text(a.listControl("txtList")),
              "Поз.\tОбозначение\tКол.\r\n1\tLC1D18M7\t2\r\n2\tКМИ-11811\t1\r\n");
    SendMessageW(a.listControl("cmdSave"), BM_CLICK, 0, 0);
    EXPECT_EQ(a.offeredName, folder + L"bom-замена.csv");
    const std::optional<std::string> saved = readFile(folder + L"saved.csv");
    ASSERT_TRUE(saved);
    std::string_view rest = *saved;
    std::string_view own = bill;
    for (int line = 0; line < 3; ++line) {
        const std::string_view ownLine = own.substr(0, own.find("\r\n"));
        EXPECT_TRUE(rest.starts_with(std::string(ownLine) + ";")) << line;
        own.remove_prefix(ownLine.size() + 2);
        rest.remove_prefix(std::min(rest.size(), rest.find("\r\n") + 2));
    }
    EXPECT_TRUE(rest.empty());
    EXPECT_NE(saved->find("\r\n1;LC1D18M7;2;3;7.5;15.2;"), std::string::npos);
    EXPECT_TRUE(a.warnings.empty());
    DeleteFileW((folder + L"bom.csv").c_str());
    DeleteFileW((folder + L"saved.csv").c_str());
    RemoveDirectoryW(folder.c_str());
}

} // namespace
} // namespace selmak::win32::test
