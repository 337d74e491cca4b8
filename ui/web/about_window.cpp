// SPDX-License-Identifier: MIT
#include "ui/web/about_window.h"

#include "forms/about_layout.h"

namespace selmak::web {

AboutWindow::AboutWindow(const val &parent) : Dialog(forms::aboutLayout(), parent)
{
    bind(m_form);
    m_form.Form_Load();
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::setTitle(std::string_view text)
{
    setCaption(text);
}

void AboutWindow::setLabel(forms::AboutLabel label, std::string_view text)
{
    using forms::AboutControl;
    setText(control(label == forms::AboutLabel::Title ? AboutControl::lblTitle
                                                      : AboutControl::lblVersion),
            text);
}

// The link that was clicked opens the address in a new tab of its own, which learns nothing of
// this page (the page wrote it with the form's address: pageDialogs).
void AboutWindow::openAddress(std::string_view) { }

void AboutWindow::closeDialog()
{
    close();
}

} // namespace selmak::web
