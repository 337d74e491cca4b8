// SPDX-License-Identifier: MIT
#pragma once

#include "forms/find_form.h"
#include "forms/find_view.h"
#include "ui/web/dialog.h"

namespace selmak::forms {
class MainForm;
}

namespace selmak::web {

// The find window over the main window: every edit of the part number searches at once, and a hit
// shown goes to the main window.
class FindWindow : public Dialog, private forms::FindView
{
public:
    FindWindow(const val &parent, forms::MainForm &main);
    FindWindow(const FindWindow &) = delete;
    FindWindow &operator=(const FindWindow &) = delete;
    ~FindWindow() override;

private:
    std::string modelText() const override;
    void setHits(std::span<const std::string> lines) override;
    void selectHit(int index) override;
    int selectedHit() const override;
    void setStatus(std::string_view text) override;
    void setToday(std::string_view text) override;
    void closeWindow() override;

    ListBox &hits() const;

    forms::FindForm m_form;
};

} // namespace selmak::web
