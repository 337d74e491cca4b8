// SPDX-License-Identifier: MIT
// Drives selmak.exe from outside, as another program under the same wineserver (or on the same
// Windows desktop) would: finds its windows, lists every control (its row name, class, text,
// rectangle, visible, enabled, checked), types, presses, reads and answers the warning box, and
// reports the exit status. Commands run in order; each prints what it sees:
//   start PROGRAM        start the program and wait for its main window
//   main | about         the window later commands look at (about waits for the dialog)
//   list                 the window and each of its controls
//   names                each control's name as Active Accessibility gives it to screen readers
//   set NAME TEXT        WM_SETTEXT into a control
//   click NAME           BM_CLICK on a button, a mouse click on a label
//   warning              wait for the warning box, print its title and text, press OK
//   rect                 the window's rectangle on the screen, frame included
//   close                WM_CLOSE to the window
//   status               wait for the program to end and print its exit status
#include "forms/about_layout.h"
#include "forms/main_layout.h"
#include "ui/win32/dpi_api.h"

#include <cstdio>
#include <oleacc.h>
#include <string>
#include <string_view>
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
        return look(false);
    }

    bool look(bool about)
    {
        target = waitFor(about ? L"frmAbout" : L"selmak", nullptr);
        layout = about ? &selmak::forms::aboutLayout() : &selmak::forms::mainLayout();
        if (!target)
            std::printf("no %s window\n", about ? "About" : "main");
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

    void set(std::string_view name, std::string_view text) const
    {
        const std::wstring wide = widen(text);
        SendMessageW(control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
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

int main(int argc, char *argv[])
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Probe probe;
    for (int i = 1; i < argc; ++i) {
        const std::string_view command = argv[i];
        const auto argument = [&]() -> std::string_view { return i + 1 < argc ? argv[++i] : ""; };
        bool ok = true;
        if (command == "start")
            ok = probe.start(argument());
        else if (command == "main" || command == "about")
            ok = probe.look(command == "about");
        else if (command == "list")
            probe.list();
        else if (command == "names")
            probe.names();
        else if (command == "set") {
            const std::string_view name = argument();
            probe.set(name, argument());
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
