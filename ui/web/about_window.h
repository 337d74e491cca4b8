// SPDX-License-Identifier: MIT
#pragma once

#include "forms/about_form.h"
#include "forms/about_view.h"
#include "ui/web/built_window.h"
#include "ui/web/dom.h"

namespace selmak::web {

// The About dialog as a non-modal <dialog>: the page stays usable while it is open. A closed
// dialog is discarded by its owner when the next About command builds a new one.
class AboutWindow : private forms::AboutView
{
public:
    explicit AboutWindow(const val &parent);
    AboutWindow(const AboutWindow &) = delete;
    AboutWindow &operator=(const AboutWindow &) = delete;
    ~AboutWindow() override;

    bool isOpen() const;
    // Shows the dialog above every other window of the page and focuses its button.
    void raise(int layer);
    void close();

private:
    void setTitle(std::string_view text) override;
    void setLabel(forms::AboutLabel label, std::string_view text) override;
    void openAddress(std::string_view address) override;
    void closeDialog() override;

    BuiltWindow m_window;
    forms::AboutForm m_form { *this };
    Listeners m_listeners;
};

} // namespace selmak::web
