// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"

#include <map>
#include <string>
#include <tuple>
#include <windows.h>

namespace selmak::win32 {

// The fonts and brushes one window draws with, made on first use at the window's dpi and deleted
// with the window or when its dpi changes.
class GdiCache
{
public:
    GdiCache() = default;
    GdiCache(const GdiCache &) = delete;
    GdiCache &operator=(const GdiCache &) = delete;
    ~GdiCache();

    HFONT font(const forms::FontStyle &style, UINT dpi);
    HBRUSH brush(COLORREF colour);
    void clearFonts();

private:
    const std::wstring &installedFace(const char *face);

    using FontKey = std::tuple<std::string, int, bool, bool>;
    std::map<FontKey, HFONT> m_fonts;
    std::map<COLORREF, HBRUSH> m_brushes;
    std::map<std::string, std::wstring> m_faces;
};

} // namespace selmak::win32
