// SPDX-License-Identifier: MIT
#pragma once

#include "forms/events.h"

#include <span>
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

    // Which event of which control runs which handler.
    static std::span<const EventRow<AboutForm>> events();

    void Form_Load();
    void cmdOK_Click();
    void lblURL_Click();

private:
    AboutView &m_view;
};

} // namespace selmak::forms
