// SPDX-License-Identifier: MIT
#pragma once

#include "ui/win32/application.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace selmak::win32::test {

// A control of a window by its row's name, as an outside tool finds it; null when no row has it.
HWND controlNamed(const LayoutWindow &window, std::string_view name);

// The program's windows as the user sees them, with the warning box and the browser replaced by
// recorders: nothing modal opens and nothing leaves the test.
struct RunningApp
{
    // The dpi functions are those this Windows offers, or the ones a test hands in.
    explicit RunningApp(const DpiApi &dpiApi = DpiApi::system());
    ~RunningApp();

    HWND main() { return app.mainWindow().handle(); }
    HWND control(std::string_view name) { return controlNamed(app.mainWindow(), name); }
    HWND aboutControl(std::string_view name);
    std::string text(HWND window) const;
    std::string text(std::string_view name) { return text(control(name)); }

    void type(std::string_view box, std::string_view text);
    void press(std::string_view button) { SendMessageW(control(button), BM_CLICK, 0, 0); }
    // A click at a point of the main window's client area, delivered to whichever window a real
    // click there would reach.
    void clickAt(POINT client);
    // A key as the message loop sees it: through IsDialogMessage, then the window.
    void key(HWND window, WPARAM virtualKey);
    // A key as the program's message loop sees it, shortcuts first, with Ctrl held or not.
    void keyThroughLoop(HWND window, WPARAM virtualKey, bool control = false);
    // Runs what is posted, as the message loop would; returns the exit status once WM_QUIT comes.
    std::optional<int> pump();

    std::vector<std::wstring> warnings;
    std::vector<std::wstring> opened;
    // What the Open and Save As dialogs answer; nothing, as the user's Cancel.
    std::optional<std::wstring> fileToOpen;
    std::optional<std::wstring> fileToSave;
    std::wstring offeredName; // the name the Save As dialog was given
    Application app;
};

} // namespace selmak::win32::test
