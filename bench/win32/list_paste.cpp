// SPDX-License-Identifier: MIT
// The Windows list window, everything included: a bill of 10,000 and of 100,000 rows pasted into
// its box (EM_REPLACESEL, as Ctrl+V does), the rows read and answered, the list view told its
// new length and the window drawn; then a keystroke at the end of the longer one; and beside it
// the same paste into the same system box alone. Prints each time in milliseconds, the median of
// five.
#include "ui/win32/application.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// As bench/list_bench's bill: a position, a code and a quantity a row.
std::wstring bill(int rows)
{
    constexpr std::array<const wchar_t *, 12> kCodes {
        L"LC1D18M7",  L"3RT2026-1AP00", L"DILM9-10(230V50HZ)", L"КМИ-11811", L"7,5 кВт", L"12 А",
        L"A26-30-10", L"lc1d32p7",      L"AF26-30-00-13",      L"XYZ-1",     L"CI 16",   L"BF09",
    };
    std::wstring text = L"Поз.\tОбозначение\tКол.\r\n";
    for (int i = 1; i <= rows; ++i) {
        text += std::to_wstring(i) + L'\t' + kCodes[static_cast<std::size_t>(i) % kCodes.size()]
            + L'\t' + std::to_wstring(i % 7 + 1) + L"\r\n";
    }
    return text;
}

// Runs what is queued and draws what is left to draw.
void settle(HWND window)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

double milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart)
        / static_cast<double>(frequency.QuadPart);
}

// The median of five runs of `step`, each after `before`, untimed.
template<typename Before, typename Step> double median(HWND window, Before before, Step step)
{
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        before();
        settle(window);
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        step();
        settle(window);
        QueryPerformanceCounter(&end);
        times.push_back(milliseconds(start, end));
    }
    std::sort(times.begin(), times.end());
    return times[2];
}

} // namespace

int main()
{
    selmak::win32::Application application([](HWND, std::wstring_view) {},
                                           [](std::wstring_view) {});
    application.start(SW_SHOWNORMAL);
    application.showList();
    const HWND window = application.listWindow()->handle();
    const HWND box = GetDlgItem(window, selmak::win32::LayoutWindow::kFirstControlId + 1);
    const auto paste = [](HWND into, const std::wstring &text) {
        SendMessageW(into, EM_SETSEL, 0, -1);
        SendMessageW(into, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    };
    // The same box alone, in a window of its own that the program does not listen to: what
    // the system's box costs without the list window.
    RECT place;
    GetWindowRect(box, &place);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    const HWND bare = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                      nullptr, nullptr, nullptr, nullptr);
    const HWND bareBox
        = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                          WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL
                              | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL,
                          0, 0, width, height, bare, nullptr, nullptr, nullptr);
    SendMessageW(bareBox, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(bareBox, WM_SETFONT, SendMessageW(box, WM_GETFONT, 0, 0), FALSE);
    for (const int rows : { 10000, 100000 }) {
        const std::wstring text = bill(rows);
        const double pasted = median(
            window, [&] { paste(box, L""); }, [&] { paste(box, text); });
        const double alone = median(
            bare, [&] { paste(bareBox, L""); }, [&] { paste(bareBox, text); });
        std::printf("%d rows: a paste %.0f ms; into the box alone %.0f ms\n", rows, pasted, alone);
    }
    // At the end of the 100,000 rows, as a person types: a character, then Backspace.
    const double typed = median(
        window, [box] { SendMessageW(box, EM_SETSEL, -1, -1); },
        [box] {
            SendMessageW(box, WM_CHAR, 'X', 1);
            SendMessageW(box, WM_CHAR, VK_BACK, 1);
        });
    std::printf("100000 rows: a character typed and taken back %.0f ms\n", typed);
    return 0;
}
