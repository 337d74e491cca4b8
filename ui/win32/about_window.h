// SPDX-License-Identifier: MIT
#pragma once

#include "forms/about_form.h"
#include "forms/about_view.h"
#include "ui/win32/layout_window.h"
#include "ui/win32/shell_hooks.h"

namespace selmak::win32 {

class Application;

// The About dialog: modeless and without an owner, OK both its default and its cancel button.
class AboutWindow final : public LayoutWindow, private forms::AboutView
{
public:
    AboutWindow(Application &application, Opener opener, const DpiApi &dpiApi);

    // Makes the dialog and runs Form_Load; the dialog is not yet shown.
    void load();
    // Centres the dialog over the window, inside that window's monitor.
    void centreOver(HWND window);

private:
    void onEvent(forms::ControlId control, forms::Event event) override;
    void onDestroyed() override;

    void setTitle(std::string_view text) override;
    void setLabel(forms::AboutLabel label, std::string_view text) override;
    void openAddress(std::string_view address) override;
    void closeDialog() override;

    Application &m_application;
    Opener m_opener;
    forms::AboutForm m_form { *this };
};

} // namespace selmak::win32
