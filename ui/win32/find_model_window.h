// SPDX-License-Identifier: MIT
#pragma once

#include "forms/find_form.h"
#include "forms/find_view.h"
#include "ui/win32/layout_window.h"

namespace selmak::forms {
class MainForm;
}

namespace selmak::win32 {

// "Поиск по модели": a standard EDIT for the part number and a standard LISTBOX of the models it
// names, so that screen readers and outside automation read them as they are. Modeless and owned
// by the main window: it stays above it and goes with it. "Показать" is its default button (Enter)
// and "Закрыть" its cancel button (Esc).
class FindModelWindow final : public LayoutWindow, private forms::FindView
{
public:
    FindModelWindow(forms::MainForm &main, const DpiApi &dpiApi);

    // Makes the window, owned by `owner`, and runs Form_Load; the window is not yet shown.
    void load(HWND owner);

private:
    void onEvent(forms::ControlId control, forms::Event event) override;
    void onDestroyed() override;

    std::string modelText() const override;
    void setHits(std::span<const std::string> lines) override;
    void selectHit(int index) override;
    int selectedHit() const override;
    void setStatus(std::string_view text) override;
    void setToday(std::string_view text) override;
    void closeWindow() override;

    forms::FindForm m_form;
};

} // namespace selmak::win32
