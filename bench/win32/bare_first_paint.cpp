// SPDX-License-Identifier: MIT
// The floor for selmak.exe's start-up: a bare window of the same client size and frame, with the
// same manifest, shown and painted once.
#include "first_paint.h"

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

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
    const UINT dpi = GetDpiForWindow(window);
    RECT frame { 0, 0, MulDiv(613, static_cast<int>(dpi), 96),
                 MulDiv(423, static_cast<int>(dpi), 96) };
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return quitAfterFirstPaint(argc, argv);
}
