// SPDX-License-Identifier: MIT
#include "ui/win32/accessible_name.h"

#include "ui/win32/named_accessible.h"

#include <commctrl.h>
#include <string>

namespace selmak::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

LRESULT answer(HWND control, WPARAM flags, const std::wstring &name)
{
    IAccessible *standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void **>(&standard))))
        return 0;
    auto *named = new NamedAccessible(standard, name);
    standard->Release();
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), flags, named);
    named->Release();
    return result;
}

LRESULT CALLBACK namedControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR, DWORD_PTR data)
{
    const auto *name = reinterpret_cast<const std::wstring *>(data);
    switch (message) {
    case WM_GETOBJECT:
        // The object id is a DWORD; on 64-bit Windows the negative ids may come sign-extended
        // or not.
        if (static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) {
            if (const LRESULT object = answer(control, wParam, *name))
                return object;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, namedControlProc, kSubclassId);
        delete name;
        break;
    default:
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

void nameForScreenReaders(HWND control, std::wstring_view name)
{
    auto *kept = new std::wstring(name);
    if (!SetWindowSubclass(control, namedControlProc, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(kept)))
        delete kept;
}

} // namespace selmak::win32
