// SPDX-License-Identifier: MIT
#include "ui/win32/gdi_cache.h"

#include "ui/win32/text.h"

#include <array>
#include <cmath>
#include <string_view>

namespace selmak::win32 {
namespace {

// Faces with the same metrics and Cyrillic glyphs, for a system that lacks the face the layout
// names (Wine, a stripped-down Windows). The font mapper's own choice would be another width.
struct StandIn
{
    std::wstring_view face;
    std::array<std::wstring_view, 2> sameMetrics;
};

constexpr std::array kStandIns {
    StandIn { L"Arial", { L"Liberation Sans", L"Arimo" } },
    StandIn { L"Times New Roman", { L"Liberation Serif", L"Tinos" } },
    StandIn { L"Tahoma", { L"DejaVu Sans", L"Liberation Sans" } },
    StandIn { L"MS Sans Serif", { L"Liberation Sans", L"Arimo" } },
};

int CALLBACK noteFound(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found)
{
    *reinterpret_cast<bool *>(found) = true;
    return 0;
}

bool isInstalled(std::wstring_view face)
{
    LOGFONTW wanted {};
    wanted.lfCharSet = RUSSIAN_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

std::wstring faceToAsk(std::wstring face)
{
    if (isInstalled(face))
        return face;
    for (const StandIn &standIn : kStandIns) {
        if (standIn.face != face)
            continue;
        for (const std::wstring_view other : standIn.sameMetrics) {
            if (isInstalled(other))
                return std::wstring(other);
        }
    }
    return face;
}

} // namespace

GdiCache::~GdiCache()
{
    clearFonts();
    for (const auto &[colour, brush] : m_brushes)
        DeleteObject(brush);
}

HFONT GdiCache::font(const forms::FontStyle &style, UINT dpi)
{
    // A character height in pixels at the window's dpi, from the size in points.
    const int height = -MulDiv(static_cast<int>(std::lround(style.points * 100)),
                               static_cast<int>(dpi), 72 * 100);
    const FontKey key { style.face ? style.face : "", height, style.bold, style.underline };
    if (const auto found = m_fonts.find(key); found != m_fonts.end())
        return found->second;
    // Every face in the layout is asked for with its Cyrillic character set; where the face is
    // missing, a stand-in with its metrics takes its place.
    const HFONT made = CreateFontW(height, 0, 0, 0, style.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                   style.underline, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, installedFace(style.face).c_str());
    m_fonts.emplace(key, made);
    return made;
}

HBRUSH GdiCache::brush(COLORREF colour)
{
    if (const auto found = m_brushes.find(colour); found != m_brushes.end())
        return found->second;
    const HBRUSH made = CreateSolidBrush(colour);
    m_brushes.emplace(colour, made);
    return made;
}

const std::wstring &GdiCache::installedFace(const char *face)
{
    const std::string name = face ? face : "";
    const auto found = m_faces.find(name);
    if (found != m_faces.end())
        return found->second;
    return m_faces.emplace(name, faceToAsk(widen(name))).first->second;
}

void GdiCache::clearFonts()
{
    for (const auto &[key, font] : m_fonts)
        DeleteObject(font);
    m_fonts.clear();
}

} // namespace selmak::win32
