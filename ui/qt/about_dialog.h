// SPDX-License-Identifier: MIT
#pragma once

#include "forms/about_form.h"
#include "forms/about_view.h"
#include "ui/qt/layout_dialog.h"

namespace selmak::ui {

// Title, version, a short description and a link to the developer's site. Shown modeless and
// without an owner; closing it discards it.
class AboutDialog : public LayoutDialog, private forms::AboutView
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

private:
    void setTitle(std::string_view text) override;
    void setLabel(forms::AboutLabel label, std::string_view text) override;
    void openAddress(std::string_view address) override;
    void closeDialog() override;

    forms::AboutForm m_form { *this };
};

} // namespace selmak::ui
