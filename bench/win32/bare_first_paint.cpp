// SPDX-License-Identifier: MIT
// The floors for selmak.exe's start-up: a bare window of the same client size and frame, with the
// same manifest, shown and painted once; with --with-controls, also one plain static control per
// row of the main window's table, at its place with its caption: the least that a window of real
// controls pays, without fonts, colours or behaviour.
#include "first_paint.h"
#include "forms/main_layout.h"
#include "ui/win32/dpi_api.h"

#include <string>

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

void addControls(HWND window, int dpi)
{
    for (const selmak::forms::ControlRow &row : selmak::forms::mainLayout().controls) {
        const selmak::forms::PixelRect place = selmak::forms::toPixels(row.twips, dpi);
        const std::string caption = row.caption;
        std::wstring text(caption.size(), L'\0');
        text.resize(static_cast<std::size_t>(
            MultiByteToWideChar(CP_UTF8, 0, caption.data(), static_cast<int>(caption.size()),
                                text.data(), static_cast<int>(text.size()))));
        CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE, place.left, place.top,
                        place.width, place.height, window, nullptr, nullptr, nullptr);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"bare";
    RegisterClassExW(&windowClass);
    const HWND window = CreateWindowExW(0, L"bare", L"bare", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                        0, 0, nullptr, nullptr, windowClass.hInstance, nullptr);
    const selmak::win32::DpiApi &api = selmak::win32::DpiApi::system();
    const int dpi = static_cast<int>(api.windowDpi(window));
    RECT frame { 0, 0, MulDiv(613, dpi, 96), MulDiv(423, dpi, 96) };
    api.adjustWindowRect(frame, kStyle, 0, static_cast<UINT>(dpi));
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    if (argc > 1 && std::strcmp(argv[argc - 1], "--with-controls") == 0)
        addControls(window, dpi);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return quitAfterFirstPaint(argc, argv);
}
