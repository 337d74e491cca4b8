// SPDX-License-Identifier: MIT
#include "running_app.h"

#include "ui/win32/text.h"

namespace selmak::win32::test {

HWND controlNamed(const LayoutWindow &window, std::string_view name)
{
    const auto &rows = window.layout().controls;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (name == rows[i].name)
            return window.control(forms::ControlId::at(i));
    }
    return nullptr;
}

RunningApp::RunningApp(const DpiApi &dpiApi)
    : app([this](HWND, std::wstring_view text) { warnings.emplace_back(text); },
          [this](std::wstring_view address) { opened.emplace_back(address); }, dpiApi,
          { [this](HWND) { return fileToOpen; },
            [this](HWND, std::wstring_view suggested) {
                offeredName = suggested;
                return fileToSave;
            } })
{
    app.start(SW_SHOWNORMAL);
}

RunningApp::~RunningApp()
{
    pump();
}

HWND RunningApp::aboutControl(std::string_view name)
{
    AboutWindow *about = app.aboutWindow();
    return about ? controlNamed(*about, name) : nullptr;
}

std::string RunningApp::text(HWND window) const
{
    std::wstring buffer(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    buffer.resize(static_cast<std::size_t>(
        GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()))));
    return narrow(buffer);
}

void RunningApp::type(std::string_view box, std::string_view text)
{
    SendMessageW(control(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(widen(text).c_str()));
}

void RunningApp::clickAt(POINT client)
{
    POINT screen = client;
    ClientToScreen(main(), &screen);
    const HWND target = WindowFromPoint(screen);
    POINT local = screen;
    ScreenToClient(target, &local);
    const LPARAM at = MAKELPARAM(local.x, local.y);
    SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(target, WM_LBUTTONUP, 0, at);
}

void RunningApp::key(HWND window, WPARAM virtualKey)
{
    MSG message {};
    message.hwnd = window;
    message.message = WM_KEYDOWN;
    message.wParam = virtualKey;
    message.lParam = 1;
    if (!IsDialogMessageW(GetAncestor(window, GA_ROOT), &message))
        SendMessageW(window, WM_KEYDOWN, virtualKey, 1);
}

void RunningApp::keyThroughLoop(HWND window, WPARAM virtualKey, bool control)
{
    BYTE keys[256] {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG message {};
    message.hwnd = window;
    message.message = WM_KEYDOWN;
    message.wParam = virtualKey;
    message.lParam = 1;
    if (!app.translate(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

std::optional<int> RunningApp::pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            return static_cast<int>(message.wParam);
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return std::nullopt;
}

} // namespace selmak::win32::test
