// SPDX-License-Identifier: MIT
#pragma once

#include "forms/find_form.h"
#include "forms/find_view.h"
#include "ui/qt/layout_dialog.h"

class QListWidget;

namespace selmak::forms {
class MainForm;
}

namespace selmak::ui {

// "Поиск по модели": a part number typed in, the models it names listed as it is typed with what
// is sold today for the selected one's step, the chosen one's step shown in the main window.
// Modeless and owned by the main window, so it stays above it and goes with it; closing it discards
// it.
class FindDialog : public LayoutDialog, private forms::FindView
{
    Q_OBJECT

public:
    FindDialog(forms::MainForm &main, QWidget *owner);

private:
    std::string modelText() const override;
    void setHits(std::span<const std::string> lines) override;
    void selectHit(int index) override;
    int selectedHit() const override;
    void setStatus(std::string_view text) override;
    void setToday(std::string_view text) override;
    void closeWindow() override;

    QListWidget *hits() const;

    forms::FindForm m_form;
};

} // namespace selmak::ui
