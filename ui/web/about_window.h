// SPDX-License-Identifier: MIT
#pragma once

#include "forms/about_form.h"
#include "forms/about_view.h"
#include "ui/web/dialog.h"

namespace selmak::web {

// The About dialog, beside a usable page. Its address is a real link, which the browser follows
// itself.
class AboutWindow : public Dialog, private forms::AboutView
{
public:
    explicit AboutWindow(const val &parent);
    AboutWindow(const AboutWindow &) = delete;
    AboutWindow &operator=(const AboutWindow &) = delete;
    ~AboutWindow() override;

private:
    void setTitle(std::string_view text) override;
    void setLabel(forms::AboutLabel label, std::string_view text) override;
    void openAddress(std::string_view address) override;
    void closeDialog() override;

    forms::AboutForm m_form { *this };
};

} // namespace selmak::web
