// SPDX-License-Identifier: MIT
#include "ui/web/find_window.h"

#include "forms/find_layout.h"

#include <string>

namespace selmak::web {

using forms::FindControl;

FindWindow::FindWindow(const val &parent, forms::MainForm &main)
    : Dialog(forms::findLayout(), parent), m_form(*this, main)
{
    // The status line is read out as it changes.
    setAttribute(control(FindControl::lblStatus), "role", "status");
    bind(m_form);
    m_form.Form_Load();
}

FindWindow::~FindWindow() = default;

ListBox &FindWindow::hits() const
{
    return listBox(FindControl::lstHits);
}

std::string FindWindow::modelText() const
{
    // A lone surrogate becomes U+FFFD, a character no model has, as in the other editions. Where
    // the browser is too old to say so itself, the glue's own encoding runs the pair together
    // into some other character no model has either.
    const val text = control(FindControl::txtModel)["value"];
    if (text["toWellFormed"].isUndefined())
        return text.as<std::string>();
    return text.call<val>("toWellFormed").as<std::string>();
}

void FindWindow::setHits(std::span<const std::string> lines)
{
    hits().setLines(lines);
}

void FindWindow::selectHit(int index)
{
    hits().select(index);
}

int FindWindow::selectedHit() const
{
    return hits().selected();
}

void FindWindow::setStatus(std::string_view text)
{
    setText(control(FindControl::lblStatus), text);
}

void FindWindow::setToday(std::string_view text)
{
    setText(control(FindControl::lblTodayModels), text);
}

void FindWindow::closeWindow()
{
    close();
}

} // namespace selmak::web
