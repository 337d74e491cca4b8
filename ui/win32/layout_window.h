// SPDX-License-Identifier: MIT
#pragma once

#include "forms/events.h"
#include "forms/layout.h"
#include "ui/win32/dpi_api.h"
#include "ui/win32/gdi_cache.h"

#include <optional>
#include <vector>
#include <windows.h>

namespace selmak::win32 {

// A top-level window built from a layout table: every row a real child control at its place in
// twips, converted at the window's own dpi and again whenever the dpi changes; the table's fonts,
// colours and lines; the tab order as the controls' z-order, for IsDialogMessage to follow.
class LayoutWindow
{
public:
    LayoutWindow(const LayoutWindow &) = delete;
    LayoutWindow &operator=(const LayoutWindow &) = delete;

    HWND handle() const { return m_window; }
    UINT dpi() const;
    // The control of that row; null once the window is gone.
    HWND control(forms::ControlId id) const;
    const forms::WindowLayout &layout() const { return m_layout; }
    // Places the window to the right of `owner`, tops level, inside the owner's monitor: where
    // there is no room beside it, it covers part of the owner.
    void placeBeside(HWND owner);

    // Every row's control identifier: rows are numbered from here in table order. None is IDOK or
    // IDCANCEL, which IsDialogMessage sends for Enter and Esc.
    static constexpr int kFirstControlId = 100;

protected:
    LayoutWindow(const forms::WindowLayout &layout, DWORD style, DWORD exStyle,
                 const DpiApi &dpiApi = DpiApi::system());
    virtual ~LayoutWindow();

    const DpiApi &dpiApi() const { return m_dpiApi; }

    // Makes the window and its controls, hidden, with the client area at its designed size; an
    // owned window stays above its owner and goes with it.
    void create(HWND owner = nullptr);
    // Moves the window's top-left corner to (left, top), pushed inside the work area of the monitor
    // that `reference` is on, so that no part of it is off the screen.
    void moveOnto(HWND reference, LONG left, LONG top);
    // An event of a control, by the mouse, the keys or the system: Enter and Esc click the table's
    // default and cancel buttons, and so does the close box its cancel button.
    virtual void onEvent(forms::ControlId control, forms::Event event) = 0;
    // A WM_COMMAND that no control sent: a menu's command or a shortcut key's.
    virtual void onMenuCommand(int id);
    // The window is gone; nothing of the object is used by the window procedure afterwards.
    virtual void onDestroyed() = 0;
    // A message the layout does not handle itself (menus, system commands, a table's
    // notifications); nothing: the system's default handling.
    virtual std::optional<LRESULT> onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The controls' fonts and places are set for the dpi, as the window is made and whenever its
    // dpi changes: for what the table does not say, such as a table's column widths.
    virtual void onDpiApplied(UINT dpi);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    static ATOM registerClass(const forms::WindowLayout &layout, HINSTANCE instance);
    void createControls(UINT dpi);
    void orderForTabbing();
    // Fonts, picture and frame at the dpi; the controls keep their places.
    void applyDpi(UINT dpi);
    void moveControls(UINT dpi);
    void showPicture(std::size_t index, UINT dpi);
    void fitDropDown(std::size_t index, UINT dpi);
    void fitClientArea(UINT dpi);
    LRESULT colourControl(HDC dc, HWND child);
    void paintLines();
    void dispatchCommand(WPARAM wParam);
    void close();
    LRESULT defaultButton() const;
    void changeDpi(UINT dpi, const RECT &suggested);
    const forms::ControlRow *rowOf(HWND child) const;
    COLORREF background() const;

    const forms::WindowLayout &m_layout;
    const DpiApi &m_dpiApi;
    DWORD m_style;
    DWORD m_exStyle;
    HWND m_window = nullptr;
    std::vector<HWND> m_controls; // in table order
    GdiCache m_gdi;
    std::vector<HBITMAP> m_pictures; // each picture control's image, null for the other rows
};

} // namespace selmak::win32
