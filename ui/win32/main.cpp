// SPDX-License-Identifier: MIT
#include <windows.h>

namespace {

constexpr wchar_t kWindowClass[] = L"selmak";
constexpr wchar_t kTitle[] = L"Подбор контакторов";
// The client area in twips, converted at the window's own dpi.
constexpr int kClientWidthTwips = 9195;
constexpr int kClientHeightTwips = 6345;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void fitClientArea(HWND window)
{
    const UINT dpi = GetDpiForWindow(window);
    RECT frame { 0, 0, MulDiv(kClientWidthTwips, dpi, 1440),
                 MulDiv(kClientHeightTwips, dpi, 1440) };
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, L"IDI_ICON1");
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(RGB(0, 255, 0));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);

    HWND window
        = CreateWindowExW(0, kWindowClass, kTitle, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    fitClientArea(window);
    ShowWindow(window, show);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
