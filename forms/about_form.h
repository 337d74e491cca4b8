// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace selmak::forms {

class AboutView;

// What a click on the link opens: a fixed address of its own, not the caption shown.
inline constexpr std::string_view kSiteAddress = "http://www.tarvis.example/";

// The About dialog's behaviour, the same in every front-end.
class AboutForm
{
public:
    explicit AboutForm(AboutView &view);

    void Form_Load();
    void cmdOK_Click();
    void lblURL_Click();

private:
    AboutView &m_view;
};

} // namespace selmak::forms
