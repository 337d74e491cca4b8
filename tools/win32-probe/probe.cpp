// SPDX-License-Identifier: MIT
// Drives selmak.exe from outside, as another program under the same wineserver (or on the same
// Windows desktop) would: finds its windows, lists every control (its row name, class, text,
// rectangle, visible, enabled, checked), types, presses, reads and answers the warning box, and
// reports the exit status. Commands run in order; each prints what it sees:
//   start PROGRAM        start the program and wait for its main window
//   main | about | find | listwin
//                        the window later commands look at (the others wait for it)
//   list                 the window and each of its controls, a list box's lines too, and how
//                        many rows a table has
//   names                each control's name as Active Accessibility gives it to screen readers
//   key KEY              a key (F3, RETURN, ESCAPE, DOWN, UP, TAB) to the control with the focus
//   menu                 the context menu of the control with the focus, as the menu key asks
//   sysmenu N            the window's system menu by Alt+Space, then its Nth item from the
//                        bottom (N times Up, Enter)
//   set NAME TEXT        WM_SETTEXT into a control, or a paste over all of a box of many lines;
//                        \n in TEXT is a line break, \t a tab
//   pick NAME N          line N (from 0) of a drop-down list, as the user would pick it
//   click NAME           BM_CLICK on a button, a mouse click on a label
//   warning              wait for the warning box, print its title and text, press OK
//   rect                 the window's rectangle on the screen, frame included
//   close                WM_CLOSE to the window
//   status               wait for the program to end and print its exit status
#include "forms/about_layout.h"
#include "forms/find_layout.h"
#include "forms/list_layout.h"
#include "forms/main_layout.h"
#include "ui/win32/dpi_api.h"

#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <oleacc.h>
#include <shellapi.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>
#include <windows.h>

namespace {

constexpr int kFirstControlId = 100; // as the windows number their table's rows
constexpr DWORD kPatienceMs = 10000;

std::string narrow(std::wstring_view text)
{
    const int size = static_cast<int>(text.size());
    std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size,
                                                                  nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), static_cast<int>(utf8.size()),
                        nullptr, nullptr);
    return utf8;
}

std::wstring widen(std::string_view text)
{
    const int size = static_cast<int>(text.size());
    std::wstring utf16(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, utf16.data(),
                        static_cast<int>(utf16.size()));
    return utf16;
}

std::string textOf(HWND window)
{
    wchar_t buffer[2048] {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer),
                        SMTO_ABORTIFHUNG, 2000, &length);
    return narrow(buffer);
}

std::string classOf(HWND window)
{
    wchar_t name[64] {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return narrow(name);
}

HWND waitFor(const wchar_t *windowClass, const wchar_t *title)
{
    for (DWORD waited = 0; waited < kPatienceMs; waited += 50) {
        if (const HWND found = FindWindowW(windowClass, title); found && IsWindowVisible(found))
            return found;
        Sleep(50);
    }
    return nullptr;
}

struct Probe
{
    HWND target = nullptr;
    const selmak::forms::WindowLayout *layout = nullptr;
    PROCESS_INFORMATION process {};

    std::string nameOf(HWND control) const
    {
        const int index = GetDlgCtrlID(control) - kFirstControlId;
        if (layout && index >= 0 && static_cast<std::size_t>(index) < layout->controls.size())
            return layout->controls[static_cast<std::size_t>(index)].name;
        return "?";
    }

    HWND control(std::string_view name) const
    {
        for (std::size_t i = 0; layout && i < layout->controls.size(); ++i) {
            if (name == layout->controls[i].name)
                return GetDlgItem(target, kFirstControlId + static_cast<int>(i));
        }
        std::printf("no control %.*s\n", static_cast<int>(name.size()), name.data());
        return nullptr;
    }

    bool start(std::string_view program)
    {
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        std::wstring line = widen(program);
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            std::printf("cannot start %.*s\n", static_cast<int>(program.size()), program.data());
            return false;
        }
        return look(selmak::forms::mainLayout());
    }

    bool look(const selmak::forms::WindowLayout &window)
    {
        layout = &window;
        target = waitFor(widen(window.name).c_str(), nullptr);
        if (!target)
            std::printf("no %s window\n", window.name);
        return target != nullptr;
    }

    void list() const
    {
        RECT client;
        GetClientRect(target, &client);
        std::printf("window \"%s\" class %s client %ldx%ld dpi %u\n", textOf(target).c_str(),
                    classOf(target).c_str(), client.right, client.bottom,
                    selmak::win32::DpiApi::system().windowDpi(target));
        for (HWND child = GetWindow(target, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            RECT r;
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, target, reinterpret_cast<POINT *>(&r), 2);
            const bool checkable = classOf(child) == "Button"
                && (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
            std::printf(
                "  %-18s %-7s %4ld %4ld %4ld %4ld %s %s%s \"%s\"\n", nameOf(child).c_str(),
                classOf(child).c_str(), r.left, r.top, r.right - r.left, r.bottom - r.top,
                IsWindowVisible(child) ? "visible" : "hidden ",
                IsWindowEnabled(child) ? "enabled " : "disabled",
                checkable ? (SendMessageW(child, BM_GETCHECK, 0, 0) ? " checked" : " clear  ") : "",
                textOf(child).c_str());
            if (classOf(child) == "ListBox")
                listLines(child);
            if (classOf(child) == "SysListView32")
                std::printf("    rows %ld\n",
                            static_cast<long>(SendMessageW(child, LVM_GETITEMCOUNT, 0, 0)));
        }
    }

    // Asked as a screen reader asks, from this process: the name of each control's client object.
    void names() const
    {
        for (HWND child = GetWindow(target, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            IAccessible *object = nullptr;
            BSTR name = nullptr;
            if (SUCCEEDED(AccessibleObjectFromWindow(child, OBJID_CLIENT, __uuidof(IAccessible),
                                                     reinterpret_cast<void **>(&object)))) {
                VARIANT self {};
                self.vt = VT_I4;
                self.lVal = CHILDID_SELF;
                if (FAILED(object->get_accName(self, &name)))
                    name = nullptr;
                object->Release();
            }
            if (name)
                std::printf("  name %-18s \"%s\"\n", nameOf(child).c_str(), narrow(name).c_str());
            else
                std::printf("  name %-18s (none)\n", nameOf(child).c_str());
            SysFreeString(name);
        }
    }

    static void listLines(HWND list)
    {
        const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        const auto selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            const auto index = static_cast<WPARAM>(i);
            std::wstring line(
                static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)) + 1, L'\0');
            line.resize(static_cast<std::size_t>(
                SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(line.data()))));
            std::printf("    line %ld%s \"%s\"\n", static_cast<long>(i),
                        i == selected ? " selected" : "", narrow(line).c_str());
        }
    }

    // Posted to the control that has the focus in the program, as the keyboard would send it.
    void key(std::string_view name) const
    {
        constexpr std::pair<std::string_view, WPARAM> kKeys[] = {
            { "F3", VK_F3 },     { "RETURN", VK_RETURN }, { "ESCAPE", VK_ESCAPE },
            { "DOWN", VK_DOWN }, { "UP", VK_UP },         { "TAB", VK_TAB },
        };
        WPARAM virtualKey = 0;
        for (const auto &[keyName, code] : kKeys) {
            if (keyName == name)
                virtualKey = code;
        }
        GUITHREADINFO thread {};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(GetWindowThreadProcessId(target, nullptr), &thread);
        const HWND focus = thread.hwndFocus ? thread.hwndFocus : target;
        if (!virtualKey) {
            std::printf("no key %.*s\n", static_cast<int>(name.size()), name.data());
            return;
        }
        PostMessageW(focus, WM_KEYDOWN, virtualKey, 1);
        PostMessageW(focus, WM_KEYUP, virtualKey, 0xC0000001);
        Sleep(300);
    }

    // At no point (-1, -1): where the menu key would open it.
    void contextMenu() const
    {
        GUITHREADINFO thread {};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(GetWindowThreadProcessId(target, nullptr), &thread);
        const HWND focus = thread.hwndFocus ? thread.hwndFocus : target;
        PostMessageW(focus, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(focus), MAKELPARAM(-1, -1));
        Sleep(300);
    }

    // Its items cannot be read from another process; the keys pick one the program adds.
    void systemMenu(int fromBottom) const
    {
        PostMessageW(target, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        Sleep(300);
        for (int i = 0; i < fromBottom; ++i)
            PostMessageW(target, WM_KEYDOWN, VK_UP, 1);
        PostMessageW(target, WM_KEYDOWN, VK_RETURN, 1);
        Sleep(300);
    }

    void set(std::string_view name, std::string_view text) const
    {
        std::wstring wide;
        for (const wchar_t c : widen(text)) {
            if (!wide.empty() && wide.back() == L'\\' && (c == L'n' || c == L't')) {
                wide.pop_back();
                wide += c == L'n' ? L"\r\n" : L"\t";
            } else {
                wide += c;
            }
        }
        // A box of many lines says nothing of WM_SETTEXT: it gets the text as a paste over all.
        const HWND c = control(name);
        if (classOf(c) == "Edit" && (GetWindowLongW(c, GWL_STYLE) & ES_MULTILINE)) {
            SendMessageW(c, EM_SETSEL, 0, -1);
            SendMessageW(c, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
        } else {
            SendMessageW(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        }
    }

    void pick(std::string_view name, int line) const
    {
        const HWND box = control(name);
        SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(line), 0);
        SendMessageW(target, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(box));
        Sleep(300);
    }

    // A press that opens a modal box returns only once the box is closed: do not wait for it.
    void click(std::string_view name) const
    {
        const HWND c = control(name);
        if (classOf(c) == "Button") {
            PostMessageW(c, BM_CLICK, 0, 0);
        } else {
            PostMessageW(c, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
            PostMessageW(c, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
        }
        Sleep(300);
    }

    void warning() const
    {
        const HWND box = waitFor(L"#32770", L"selmak-1");
        if (!box) {
            std::printf("no warning\n");
            return;
        }
        std::string text;
        int buttons = 0;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (classOf(child) == "Static" && !textOf(child).empty())
                text = textOf(child);
            if (classOf(child) == "Button" && IsWindowVisible(child))
                ++buttons;
        }
        // An icon shows as an icon static that holds one.
        bool icon = false;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (classOf(child) == "Static" && IsWindowVisible(child)
                && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON
                && SendMessageW(child, STM_GETICON, 0, 0))
                icon = true;
        }
        std::printf("warning \"%s\" owner %s buttons %d icon %s\n", text.c_str(),
                    GetWindow(box, GW_OWNER) == FindWindowW(L"selmak", nullptr) ? "main" : "other",
                    buttons, icon ? "yes" : "no");
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        Sleep(300);
    }

    void rect() const
    {
        RECT r;
        GetWindowRect(target, &r);
        std::printf("rect %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    }

    void status() const
    {
        if (WaitForSingleObject(process.hProcess, kPatienceMs) != WAIT_OBJECT_0) {
            std::printf("still running\n");
            return;
        }
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        std::printf("exit status %lu\n", code);
    }
};

} // namespace

int main()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // The arguments as UTF-8 from the wide command line: a text to type may be Cyrillic.
    int argc = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> argv;
    for (int i = 0; i < argc; ++i)
        argv.push_back(narrow(wide[i]));
    LocalFree(wide);
    Probe probe;
    for (int i = 1; i < argc; ++i) {
        const std::string_view command = argv[static_cast<std::size_t>(i)];
        const auto argument = [&]() -> std::string_view {
            return i + 1 < argc ? std::string_view(argv[static_cast<std::size_t>(++i)]) : "";
        };
        bool ok = true;
        if (command == "start")
            ok = probe.start(argument());
        else if (command == "main")
            ok = probe.look(selmak::forms::mainLayout());
        else if (command == "about")
            ok = probe.look(selmak::forms::aboutLayout());
        else if (command == "find")
            ok = probe.look(selmak::forms::findLayout());
        else if (command == "listwin")
            ok = probe.look(selmak::forms::listLayout());
        else if (command == "key")
            probe.key(argument());
        else if (command == "menu")
            probe.contextMenu();
        else if (command == "sysmenu")
            probe.systemMenu(std::atoi(std::string(argument()).c_str()));
        else if (command == "list")
            probe.list();
        else if (command == "names")
            probe.names();
        else if (command == "set") {
            const std::string_view name = argument();
            probe.set(name, argument());
        } else if (command == "pick") {
            const std::string_view name = argument();
            probe.pick(name, std::atoi(std::string(argument()).c_str()));
        } else if (command == "click")
            probe.click(argument());
        else if (command == "warning")
            probe.warning();
        else if (command == "rect")
            probe.rect();
        else if (command == "close")
            PostMessageW(probe.target, WM_CLOSE, 0, 0);
        else if (command == "status")
            probe.status();
        else {
            std::printf("unknown command %.*s\n", static_cast<int>(command.size()), command.data());
            ok = false;
        }
        std::fflush(stdout);
        if (!ok)
            return 1;
    }
    return 0;
}
