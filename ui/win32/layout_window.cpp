// SPDX-License-Identifier: MIT
#include "ui/win32/layout_window.h"

#include "ui/win32/accessible_name.h"
#include "ui/win32/text.h"

#include <algorithm>
#include <commctrl.h>
#include <string>
#include <string_view>

namespace selmak::win32 {
namespace {

using forms::ControlKind;
using forms::ControlRow;
using forms::Initially;

COLORREF toColorRef(forms::Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// A label's text may hold line breaks; the static control breaks lines at CR LF. A picture shows
// no text: its text is what a screen reader says of it.
std::wstring controlText(const ControlRow &row)
{
    if (row.kind == ControlKind::Picture)
        return widen(row.accessibleName ? row.accessibleName : "");
    std::wstring text;
    for (const wchar_t c : widen(row.caption)) {
        if (c == L'\n')
            text += L'\r';
        text += c;
    }
    return text;
}

struct ControlClass
{
    const wchar_t *name;
    DWORD style;
    DWORD exStyle;
};

ControlClass controlClass(const ControlRow &row)
{
    const DWORD align = row.centred ? SS_CENTER : SS_LEFT;
    switch (row.kind) {
    case ControlKind::Label:
        return { L"STATIC", align | SS_NOPREFIX, 0 };
    case ControlKind::HotSpot:
        // SS_NOTIFY: a click inside raises STN_CLICKED, a double-click STN_DBLCLK, which nothing
        // handles, so a double-click counts once.
        return { L"STATIC", align | SS_NOPREFIX | SS_NOTIFY, 0 };
    case ControlKind::Picture:
        // Takes the focus as the Tab key goes round, as a picture box does.
        return { L"STATIC", SS_BITMAP | WS_TABSTOP, WS_EX_CLIENTEDGE };
    case ControlKind::TextBox:
        return { L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE };
    case ControlKind::Option:
        // Of a group of options only the checked one is a tab stop; the options move the stop
        // along as they are checked.
        return { L"BUTTON",
                 BS_AUTORADIOBUTTON
                     | static_cast<DWORD>(row.initially == Initially::Checked ? WS_TABSTOP : 0),
                 0 };
    case ControlKind::List:
        return { L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                 WS_EX_CLIENTEDGE };
    case ControlKind::TextArea:
        // Enter starts a new line; Tab still goes on to the next control.
        return { L"EDIT",
                 ES_LEFT | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL
                     | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                 WS_EX_CLIENTEDGE };
    case ControlKind::DropDown:
        return { L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0 };
    case ControlKind::Table:
        // A report whose rows the window gives as they come into view (LVN_GETDISPINFO).
        return { WC_LISTVIEWW,
                 LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_TABSTOP,
                 WS_EX_CLIENTEDGE };
    case ControlKind::Button:
        return { L"BUTTON",
                 static_cast<DWORD>(row.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP,
                 0 };
    }
    return { L"STATIC", 0, 0 };
}

// What a control's notification is to the forms, if anything.
std::optional<forms::Event> eventOf(ControlKind kind, int notification)
{
    using forms::Event;
    switch (kind) {
    case ControlKind::Button:
    case ControlKind::Option:
        if (notification == BN_CLICKED)
            return Event::Click;
        break;
    case ControlKind::HotSpot:
        // A double-click is one click and a STN_DBLCLK, which is no event.
        if (notification == STN_CLICKED)
            return Event::Click;
        break;
    case ControlKind::TextBox:
    case ControlKind::TextArea:
        if (notification == EN_CHANGE)
            return Event::Change;
        break;
    case ControlKind::DropDown:
        if (notification == CBN_SELCHANGE)
            return Event::Click;
        break;
    case ControlKind::List:
        if (notification == LBN_SELCHANGE)
            return Event::Click;
        if (notification == LBN_DBLCLK)
            return Event::DblClick;
        break;
    case ControlKind::Label:
    case ControlKind::Picture:
    case ControlKind::Table:
        break;
    }
    return std::nullopt;
}

// The picture's bitmap resource is named after the image file's stem: "images/about.jpg" is ABOUT.
std::wstring pictureResource(const ControlRow &row)
{
    std::string_view path = row.caption;
    path = path.substr(path.find_last_of('/') + 1);
    return widen(path.substr(0, path.find('.')));
}

RECT toRect(forms::PixelRect r)
{
    return { r.left, r.top, r.left + r.width, r.top + r.height };
}

bool isTextBox(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::TextArea;
}

// A control's place at the dpi. A drop-down list is made as tall as it is with its list dropped,
// sixteen lines, which is how the system knows the list's height; it shows as tall as its row.
forms::PixelRect placeAt(const ControlRow &row, UINT dpi)
{
    forms::PixelRect place = forms::toPixels(row.twips, static_cast<int>(dpi));
    if (row.kind == ControlKind::DropDown)
        place.height += 16 * place.height;
    return place;
}

} // namespace

LayoutWindow::LayoutWindow(const forms::WindowLayout &layout, DWORD style, DWORD exStyle,
                           const DpiApi &dpiApi)
    : m_layout(layout), m_dpiApi(dpiApi), m_style(style), m_exStyle(exStyle)
{ }

LayoutWindow::~LayoutWindow()
{
    if (m_window) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
    for (const HBITMAP picture : m_pictures) {
        if (picture)
            DeleteObject(picture);
    }
}

ATOM LayoutWindow::registerClass(const forms::WindowLayout &layout, HINSTANCE instance)
{
    const std::wstring name = widen(layout.name);
    WNDCLASSEXW existing {};
    existing.cbSize = sizeof existing;
    if (const ATOM atom = static_cast<ATOM>(GetClassInfoExW(instance, name.c_str(), &existing)))
        return atom;
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name.c_str();
    return RegisterClassExW(&windowClass);
}

void LayoutWindow::create(HWND owner)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerClass(m_layout, instance);
    m_window = CreateWindowExW(m_exStyle | WS_EX_CONTROLPARENT, widen(m_layout.name).c_str(),
                               widen(m_layout.title).c_str(), m_style, CW_USEDEFAULT, CW_USEDEFAULT,
                               0, 0, owner, nullptr, instance, this);
    if (!m_window)
        return;
    const UINT scale = dpi();
    createControls(scale);
    orderForTabbing();
    applyDpi(scale);
}

UINT LayoutWindow::dpi() const
{
    return m_window ? m_dpiApi.windowDpi(m_window) : USER_DEFAULT_SCREEN_DPI;
}

HWND LayoutWindow::control(forms::ControlId id) const
{
    return id.index < m_controls.size() ? m_controls[id.index] : nullptr;
}

void LayoutWindow::onMenuCommand(int) { }

// The close box presses the cancel button, which closes the window as the form sees fit; a window
// without one closes at once.
void LayoutWindow::close()
{
    if (const std::optional<forms::ControlId> cancel = forms::cancelButton(m_layout))
        onEvent(*cancel, forms::Event::Click);
    else
        DestroyWindow(m_window);
}

std::optional<LRESULT> LayoutWindow::onOtherMessage(UINT, WPARAM, LPARAM)
{
    return std::nullopt;
}

// Each control is made at its place, so that nothing moves before the first paint.
void LayoutWindow::createControls(UINT dpi)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    int id = kFirstControlId;
    for (const ControlRow &row : m_layout.controls) {
        const ControlClass kind = controlClass(row);
        DWORD style = WS_CHILD | kind.style;
        if (row.initially != Initially::Hidden)
            style |= WS_VISIBLE;
        // Each control is a group of its own, but for the options that follow another option in
        // the tab order: the arrow keys move between those and go nowhere else.
        const auto tab = std::find(m_layout.tabOrder.begin(), m_layout.tabOrder.end(), row.id);
        const bool joinsGroup = row.kind == ControlKind::Option && tab != m_layout.tabOrder.begin()
            && tab != m_layout.tabOrder.end()
            && forms::rowOf(m_layout, *(tab - 1)).kind == ControlKind::Option;
        if (!joinsGroup)
            style |= WS_GROUP;
        const forms::PixelRect place = placeAt(row, dpi);
        const HWND child = CreateWindowExW(
            kind.exStyle, kind.name, controlText(row).c_str(), style, place.left, place.top,
            place.width, place.height, m_window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
        // 0: none; a box of many lines otherwise takes 30,000 characters at most.
        if (isTextBox(row.kind))
            SendMessageW(child, EM_SETLIMITTEXT, static_cast<WPARAM>(row.maxLength), 0);
        if (row.initially == Initially::Checked)
            SendMessageW(child, BM_SETCHECK, BST_CHECKED, 0);
        // A picture's name is its text already.
        if (row.accessibleName && row.kind != ControlKind::Picture)
            nameForScreenReaders(child, widen(row.accessibleName));
        m_controls.push_back(child);
    }
    m_pictures.resize(m_controls.size());
}

// IsDialogMessage tabs through the controls in z-order: the tab order first, the rest after.
void LayoutWindow::orderForTabbing()
{
    HWND previous = HWND_TOP;
    for (const forms::ControlId id : m_layout.tabOrder) {
        const HWND child = control(id);
        SetWindowPos(child, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = child;
    }
}

void LayoutWindow::applyDpi(UINT dpi)
{
    m_gdi.clearFonts();
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const ControlRow &row = m_layout.controls[i];
        if (row.kind == ControlKind::Picture)
            showPicture(i, dpi);
        const forms::FontStyle &style = row.font.face ? row.font : m_layout.font;
        SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(m_gdi.font(style, dpi)),
                     FALSE);
        if (row.kind == ControlKind::DropDown)
            fitDropDown(i, dpi);
    }
    fitClientArea(dpi);
    onDpiApplied(dpi);
}

// A drop-down list is as tall as its font makes it: its line takes the rest of the row's height.
// Systems differ in what the line's height counts (Wine adds its padding to the height set), so
// the height is set again by what the control then measures.
void LayoutWindow::fitDropDown(std::size_t index, UINT dpi)
{
    const HWND box = m_controls[index];
    const int wanted
        = forms::toPixels(m_layout.controls[index].twips, static_cast<int>(dpi)).height;
    auto line = static_cast<int>(SendMessageW(box, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int tries = 0; tries < 3 && line > 0; ++tries) {
        RECT shown;
        GetWindowRect(box, &shown);
        const int missing = wanted - (shown.bottom - shown.top);
        if (missing == 0 || line + missing <= 0)
            break;
        line += missing;
        SendMessageW(box, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), line);
    }
}

void LayoutWindow::onDpiApplied(UINT) { }

void LayoutWindow::moveControls(UINT dpi)
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const forms::PixelRect place = placeAt(m_layout.controls[i], dpi);
        SetWindowPos(m_controls[i], nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The image at its natural size in 96-dpi pixels, scaled with the window. Each picture control
// holds its own bitmap, which the window deletes when it replaces it or goes.
void LayoutWindow::showPicture(std::size_t index, UINT dpi)
{
    const ControlRow &row = m_layout.controls[index];
    const HWND box = m_controls[index];
    const int scale = static_cast<int>(dpi);
    auto image = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), pictureResource(row).c_str(), IMAGE_BITMAP, 0, 0, 0));
    BITMAP natural {};
    if (image && GetObjectW(image, sizeof natural, &natural) && scale != USER_DEFAULT_SCREEN_DPI) {
        image = static_cast<HBITMAP>(
            CopyImage(image, IMAGE_BITMAP, MulDiv(natural.bmWidth, scale, USER_DEFAULT_SCREEN_DPI),
                      MulDiv(natural.bmHeight, scale, USER_DEFAULT_SCREEN_DPI), LR_COPYDELETEORG));
    }
    SendMessageW(box, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
    if (m_pictures[index])
        DeleteObject(m_pictures[index]);
    m_pictures[index] = image;
    // A bitmap static sizes itself to its image; the box is the table's, a border round the image.
    const forms::PixelRect place = forms::toPixels(row.twips, scale);
    SetWindowPos(box, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void LayoutWindow::fitClientArea(UINT dpi)
{
    const forms::PixelRect client = forms::toPixels(m_layout.clientArea, static_cast<int>(dpi));
    RECT frame { 0, 0, client.width, client.height };
    m_dpiApi.adjustWindowRect(frame, m_style, m_exStyle | WS_EX_CONTROLPARENT, dpi);
    SetWindowPos(m_window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

const ControlRow *LayoutWindow::rowOf(HWND child) const
{
    const auto found = std::find(m_controls.begin(), m_controls.end(), child);
    if (found == m_controls.end())
        return nullptr;
    return &m_layout.controls[static_cast<std::size_t>(found - m_controls.begin())];
}

COLORREF LayoutWindow::background() const
{
    return m_layout.background ? toColorRef(*m_layout.background) : GetSysColor(COLOR_BTNFACE);
}

// Labels, options, buttons and text boxes in the table's colours; a row without a colour keeps
// the system's text colour on the window's background (a text box, on its own).
LRESULT LayoutWindow::colourControl(HDC dc, HWND child)
{
    const ControlRow *row = rowOf(child);
    if (!row)
        return reinterpret_cast<LRESULT>(m_gdi.brush(background()));
    const bool textBox = isTextBox(row->kind);
    COLORREF text = GetSysColor(textBox ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
    if (row->text)
        text = toColorRef(*row->text);
    if (textBox && !IsWindowEnabled(child))
        text = GetSysColor(COLOR_GRAYTEXT); // a disabled box greys its text
    COLORREF back = textBox ? GetSysColor(COLOR_WINDOW) : background();
    if (row->background)
        back = toColorRef(*row->background);
    // An option is only as wide as its circle: its caption lies beyond and is never seen, not
    // even the first stroke that the system would draw inside the control's edge.
    if (row->kind == ControlKind::Option)
        text = back;
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(m_gdi.brush(back));
}

// The lines are one pixel wide at 96 dpi, and as much wider as the window's dpi is higher.
void LayoutWindow::paintLines()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(m_window, &paint);
    const int scale = static_cast<int>(dpi());
    const int width = std::max(1, MulDiv(1, scale, USER_DEFAULT_SCREEN_DPI));
    const HBRUSH colour = m_gdi.brush(toColorRef(m_layout.lineColour));
    for (const forms::LineRow &line : m_layout.lines) {
        RECT r = toRect(forms::linePixels(line.from, line.to, scale));
        if (r.bottom - r.top == 1)
            r.bottom = r.top + width;
        else
            r.right = r.left + width;
        FillRect(dc, &r, colour);
    }
    EndPaint(m_window, &paint);
}

// Esc (IDCANCEL) presses the table's cancel button, and Enter (IDOK, when no button is the
// default) its default button; a window without them ignores the keys.
void LayoutWindow::dispatchCommand(WPARAM wParam)
{
    const int id = LOWORD(wParam);
    const int notification = HIWORD(wParam);
    if (id == IDCANCEL || id == IDOK) {
        const std::optional<forms::ControlId> button
            = id == IDCANCEL ? forms::cancelButton(m_layout) : forms::defaultButton(m_layout);
        if (button)
            onEvent(*button, forms::Event::Click);
        return;
    }
    const int index = id - kFirstControlId;
    if (index < 0 || static_cast<std::size_t>(index) >= m_layout.controls.size()) {
        onMenuCommand(id);
        return;
    }
    const ControlRow &row = m_layout.controls[static_cast<std::size_t>(index)];
    if (const std::optional<forms::Event> event = eventOf(row.kind, notification))
        onEvent(row.id, *event);
}

// What Enter presses, asked by IsDialogMessage: the push button that has the focus, else the
// table's default button. With neither, Enter sends IDOK, which no control here has.
LRESULT LayoutWindow::defaultButton() const
{
    const HWND focus = GetFocus();
    const ControlRow *focused = rowOf(focus);
    if (focused && focused->kind == ControlKind::Button)
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
    for (std::size_t i = 0; i < m_layout.controls.size(); ++i) {
        if (m_layout.controls[i].isDefault)
            return MAKELRESULT(kFirstControlId + static_cast<int>(i), DC_HASDEFID);
    }
    return 0;
}

void LayoutWindow::changeDpi(UINT newDpi, const RECT &suggested)
{
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    moveControls(newDpi);
    applyDpi(newDpi);
    InvalidateRect(m_window, nullptr, TRUE);
}

LRESULT CALLBACK LayoutWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<LayoutWindow *>(
            reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<LayoutWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_window = nullptr;
        self->m_controls.clear();
        self->onDestroyed();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handleMessage(message, wParam, lParam);
}

LRESULT LayoutWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
        // A drop-down list keeps the system's colours, its line and its list alike.
        const ControlRow *row = rowOf(reinterpret_cast<HWND>(lParam));
        if (row && row->kind == ControlKind::DropDown)
            return DefWindowProcW(m_window, message, wParam, lParam);
        return colourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    }
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(m_window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, m_gdi.brush(background()));
        return 1;
    }
    case WM_PAINT:
        paintLines();
        return 0;
    case WM_COMMAND:
        dispatchCommand(wParam);
        return 0;
    case DM_GETDEFID:
        return defaultButton();
    case WM_NEXTDLGCTL:
        // A box of many lines takes every key, and asks for the next control on Tab as a dialog
        // box's own would: this window is no dialog box, so it moves the focus itself.
        SetFocus(LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                : GetNextDlgTabItem(m_window, GetFocus(), wParam != 0));
        return 0;
    case WM_DPICHANGED:
        changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_CLOSE:
        close();
        return 0;
    default:
        if (const std::optional<LRESULT> handled = onOtherMessage(message, wParam, lParam))
            return *handled;
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

void LayoutWindow::moveOnto(HWND reference, LONG left, LONG top)
{
    RECT own;
    GetWindowRect(m_window, &own);
    const LONG width = own.right - own.left;
    const LONG height = own.bottom - own.top;
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(reference, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT &work = monitor.rcWork;
    SetWindowPos(m_window, nullptr,
                 std::clamp(left, work.left, std::max(work.left, work.right - width)),
                 std::clamp(top, work.top, std::max(work.top, work.bottom - height)), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LayoutWindow::placeBeside(HWND owner)
{
    RECT beside;
    GetWindowRect(owner, &beside);
    moveOnto(owner, beside.right, beside.top);
}

} // namespace selmak::win32
