// SPDX-License-Identifier: MIT
#include "forms/about_form.h"

#include "forms/about_layout.h"
#include "forms/about_view.h"

#include <array>

namespace selmak::forms {

AboutForm::AboutForm(AboutView &view) : m_view(view) { }

std::span<const EventRow<AboutForm>> AboutForm::events()
{
    using enum AboutControl;
    static constexpr std::array<EventRow<AboutForm>, 2> kEvents { {
        { cmdOK, Event::Click, &AboutForm::cmdOK_Click },
        { lblURL, Event::Click, &AboutForm::lblURL_Click },
    } };
    return kEvents;
}

void AboutForm::Form_Load()
{
    m_view.setTitle("О програме...");
    m_view.setLabel(AboutLabel::Version, "Версия 0.9.0");
    m_view.setLabel(AboutLabel::Title, "Подбор контакроров.");
}

void AboutForm::cmdOK_Click()
{
    m_view.closeDialog();
}

void AboutForm::lblURL_Click()
{
    m_view.openAddress(kSiteAddress);
}

} // namespace selmak::forms
