// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace selmak::win32 {

// The dpi functions newer than Windows 7, found at run time so that the program file imports none
// of them and starts on every Windows from 7 SP1 on. A missing one is null, and each use falls
// back: per-monitor v2 (Windows 10 1703 on), then shcore's per-monitor v1 (Windows 8.1), then the
// system dpi that Windows 7 applies to every window.
struct DpiApi
{
    UINT(WINAPI *getDpiForWindow)(HWND) = nullptr;
    BOOL(WINAPI *adjustWindowRectExForDpi)(RECT *, DWORD, BOOL, DWORD, UINT) = nullptr;
    int(WINAPI *getSystemMetricsForDpi)(int, UINT) = nullptr;
    HRESULT(WINAPI *getDpiForMonitor)(HMONITOR, int, UINT *, UINT *) = nullptr;

    // What this Windows offers, looked up once.
    static const DpiApi &system();

    // The window's dpi: its own, else its monitor's, else the system's.
    UINT windowDpi(HWND window) const;
    // The frame round a client area at the dpi.
    void adjustWindowRect(RECT &rect, DWORD style, DWORD exStyle, UINT dpi) const;
    // A system metric at the dpi.
    int systemMetric(int index, UINT dpi) const;
};

// The dpi that Windows 7 scales every window to: the one set for the whole desktop.
UINT systemDpi();

} // namespace selmak::win32
