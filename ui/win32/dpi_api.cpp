// SPDX-License-Identifier: MIT
#include "ui/win32/dpi_api.h"

namespace selmak::win32 {
namespace {

// MDT_EFFECTIVE_DPI of shcore's GetDpiForMonitor: the dpi the user chose for that monitor.
constexpr int kEffectiveDpi = 0;

template<typename Function> void find(Function &function, HMODULE module, const char *name)
{
    // The casts go through a generic function pointer, as GetProcAddress hands out one type only.
    function = module
        ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
        : nullptr;
}

DpiApi lookUp()
{
    DpiApi api;
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    find(api.getDpiForWindow, user32, "GetDpiForWindow");
    find(api.adjustWindowRectExForDpi, user32, "AdjustWindowRectExForDpi");
    find(api.getSystemMetricsForDpi, user32, "GetSystemMetricsForDpi");
    // shcore exists from Windows 8.1 on; before, the load fails and the lookup finds nothing.
    // Only the system folder is searched, so that no file beside the program is taken for it.
    if (!api.getDpiForWindow) {
        const HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        find(api.getDpiForMonitor, shcore, "GetDpiForMonitor");
    }
    return api;
}

} // namespace

const DpiApi &DpiApi::system()
{
    static const DpiApi api = lookUp();
    return api;
}

UINT DpiApi::windowDpi(HWND window) const
{
    if (getDpiForWindow)
        return getDpiForWindow(window);
    UINT x = 0;
    UINT y = 0;
    if (getDpiForMonitor
        && SUCCEEDED(getDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                                      kEffectiveDpi, &x, &y)))
        return y;
    return systemDpi();
}

void DpiApi::adjustWindowRect(RECT &rect, DWORD style, DWORD exStyle, UINT dpi) const
{
    if (adjustWindowRectExForDpi)
        adjustWindowRectExForDpi(&rect, style, FALSE, exStyle, dpi);
    else
        AdjustWindowRectEx(&rect, style, FALSE, exStyle); // the frame is drawn at the system dpi
}

int DpiApi::systemMetric(int index, UINT dpi) const
{
    if (getSystemMetricsForDpi)
        return getSystemMetricsForDpi(index, dpi);
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(systemDpi()));
}

UINT systemDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

} // namespace selmak::win32
