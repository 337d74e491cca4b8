// SPDX-License-Identifier: MIT
#include "ui/web/find_window.h"

#include "forms/find_layout.h"

#include <string>

namespace selmak::web {
FindWindow::FindWindow(const val &parent, forms::MainForm &main)
    : m_window(forms::findLayout(), BuiltWindow::fromTemplate(forms::findLayout())),
      m_txtModel(m_window.control("txtModel")),
      m_lblStatus(m_window.control("lblStatus")),
      m_lblTodayModels(m_window.control("lblTodayModels")),
      m_form(*this, main),
      m_lstHits(
          m_window.control("lstHits"), m_listeners, [this] { m_form.lstHits_Click(); },
          [this] { m_form.lstHits_DblClick(); })
{
    const val &dialog = m_window.frame();
    const val closeBox = m_window.closeBox();
    // The status line is read out as it changes.
    setAttribute(m_lblStatus, "role", "status");

    m_listeners.listen(m_txtModel, "input", [this](val) { m_form.txtModel_Change(); });
    m_listeners.listen(m_window.control("cmdShow"), "click",
                       [this](val) { m_form.cmdShow_Click(); });
    m_listeners.listen(m_window.control("cmdClose"), "click",
                       [this](val) { m_form.cmdClose_Click(); });
    m_listeners.listen(closeBox, "click", [this](val) { m_form.cmdClose_Click(); });
    // Показать is the default button and Закрыть the cancel button: Enter and Esc anywhere in the
    // window press them, except that Enter on a focused button presses that button.
    m_listeners.listen(dialog, "keydown", [this](val event) {
        const std::string key = event["key"].as<std::string>();
        const bool onButton = event["target"]["tagName"].strictlyEquals(val(std::string("BUTTON")));
        if (key == "Escape") {
            event.call<void>("preventDefault");
            m_form.cmdClose_Click();
        } else if (key == "Enter" && !onButton) {
            event.call<void>("preventDefault");
            m_form.cmdShow_Click();
        }
    });
    // A closed dialog leaves the page at once; the object goes on the next request.
    m_listeners.listen(dialog, "close", [dialog](val) { dialog.call<void>("remove"); });
    m_window.keepTabOrder(m_listeners, true);

    parent.call<void>("append", dialog);
    m_form.Form_Load();
}

FindWindow::~FindWindow() = default;

bool FindWindow::isOpen() const
{
    return m_window.frame()["open"].as<bool>();
}

void FindWindow::raise(int layer)
{
    if (!isOpen())
        m_window.frame().call<void>("show");
    setStyle(m_window.frame(), "z-index", std::to_string(layer));
    m_window.focusFirst();
}

void FindWindow::close()
{
    m_window.frame().call<void>("close");
}

std::string FindWindow::modelText() const
{
    // A lone surrogate becomes U+FFFD, a character no model has, as in the other editions. Where
    // the browser is too old to say so itself, the glue's own encoding runs the pair together
    // into some other character no model has either.
    const val text = m_txtModel["value"];
    if (text["toWellFormed"].isUndefined())
        return text.as<std::string>();
    return text.call<val>("toWellFormed").as<std::string>();
}

void FindWindow::setHits(std::span<const std::string> lines)
{
    m_lstHits.setLines(lines);
}

void FindWindow::selectHit(int index)
{
    m_lstHits.select(index);
}

int FindWindow::selectedHit() const
{
    return m_lstHits.selected();
}

void FindWindow::setStatus(std::string_view text)
{
    setText(m_lblStatus, text);
}

void FindWindow::setToday(std::string_view text)
{
    setText(m_lblTodayModels, text);
}

void FindWindow::closeWindow()
{
    close();
}

} // namespace selmak::web
