// SPDX-License-Identifier: MIT
#include "ui/win32/named_accessible.h"

#include <utility>

namespace selmak::win32 {
namespace {

bool isSelf(const VARIANT &child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

} // namespace

NamedAccessible::NamedAccessible(IAccessible *standard, std::wstring name)
    : m_standard(standard), m_name(std::move(name))
{
    m_standard->AddRef();
}

NamedAccessible::~NamedAccessible()
{
    m_standard->Release();
}

// Interfaces other than these (IOleWindow, IEnumVARIANT) are the system object's.
HRESULT NamedAccessible::QueryInterface(REFIID id, void **object)
{
    if (!object)
        return E_POINTER;
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible *>(this);
        AddRef();
        return S_OK;
    }
    return m_standard->QueryInterface(id, object);
}

ULONG NamedAccessible::AddRef()
{
    return ++m_references;
}

ULONG NamedAccessible::Release()
{
    const ULONG left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT NamedAccessible::get_accName(VARIANT child, BSTR *name)
{
    if (!isSelf(child))
        return m_standard->get_accName(child, name);
    if (!name)
        return E_POINTER;
    *name = SysAllocStringLen(m_name.data(), static_cast<UINT>(m_name.size()));
    return *name ? S_OK : E_OUTOFMEMORY;
}

} // namespace selmak::win32
