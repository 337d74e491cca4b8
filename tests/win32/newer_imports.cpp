// SPDX-License-Identifier: MIT
// A program that imports what Windows 7 SP1 lacks, for the import check to catch: the loader of
// Windows 7 would refuse it. Declared here, as the Windows 7 headers hide them.
#include <windows.h>

extern "C" {
__declspec(dllimport) UINT WINAPI GetDpiForWindow(HWND window);
__declspec(dllimport) void WINAPI GetSystemTimePreciseAsFileTime(FILETIME *time);
__declspec(dllimport) HRESULT WINAPI GetDpiForMonitor(HMONITOR monitor, int type, UINT *x, UINT *y);
}

int main()
{
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    UINT x = 0;
    UINT y = 0;
    GetDpiForMonitor(nullptr, 0, &x, &y);
    return static_cast<int>(GetDpiForWindow(nullptr) + x + y + now.dwLowDateTime);
}
