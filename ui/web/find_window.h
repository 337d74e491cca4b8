// SPDX-License-Identifier: MIT
#pragma once

#include "forms/find_form.h"
#include "forms/find_view.h"
#include "ui/web/built_window.h"
#include "ui/web/dom.h"
#include "ui/web/list_box.h"

namespace selmak::forms {
class MainForm;
}

namespace selmak::web {

// The find window as a non-modal <dialog> over the main window: every edit of the part number
// searches at once, and a hit shown goes to the main window. A closed window is discarded by its
// owner when the next request builds a new one.
class FindWindow : private forms::FindView
{
public:
    FindWindow(const val &parent, forms::MainForm &main);
    FindWindow(const FindWindow &) = delete;
    FindWindow &operator=(const FindWindow &) = delete;
    ~FindWindow() override;

    bool isOpen() const;
    // Shows the window above every other window of the page, with the focus in its box.
    void raise(int layer);
    void close();

private:
    std::string modelText() const override;
    void setHits(std::span<const std::string> lines) override;
    void selectHit(int index) override;
    int selectedHit() const override;
    void setStatus(std::string_view text) override;
    void setToday(std::string_view text) override;
    void closeWindow() override;

    BuiltWindow m_window;
    Listeners m_listeners;
    val m_txtModel;
    val m_lblStatus;
    val m_lblTodayModels;
    forms::FindForm m_form;
    ListBox m_lstHits;
};

} // namespace selmak::web
