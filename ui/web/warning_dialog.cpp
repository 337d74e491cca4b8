// SPDX-License-Identifier: MIT
#include "ui/web/warning_dialog.h"

#include "ui/web/app_identity.h"

namespace selmak::web {

WarningDialog::WarningDialog()
    : m_dialog(createElement("dialog")), m_text(createElement("p")), m_ok(createElement("button"))
{
    setAttribute(m_dialog, "id", "warning");
    setAttribute(m_dialog, "class", "window message");
    setAttribute(m_dialog, "aria-labelledby", "warning-caption");
    setAttribute(m_dialog, "aria-describedby", "warning-text");
    const val caption = createElement("div");
    setAttribute(caption, "class", "caption");
    setAttribute(caption, "id", "warning-caption");
    setText(caption, kApplicationName);
    setAttribute(m_text, "id", "warning-text");
    setAttribute(m_ok, "type", "button");
    setAttribute(m_ok, "class", "button");
    setAttribute(m_ok, "data-name", "OK");
    setText(m_ok, "OK");
    const val buttons = createElement("div");
    setAttribute(buttons, "class", "buttons");
    buttons.call<void>("append", m_ok);
    m_dialog.call<void>("append", caption, m_text, buttons);
    document()["body"].call<void>("append", m_dialog);
    // Esc closes a modal <dialog> by itself; Enter presses OK, which has the focus.
    m_listeners.listen(m_ok, "click", [this](val) { close(); });
}

WarningDialog::~WarningDialog()
{
    m_dialog.call<void>("remove");
}

void WarningDialog::show(std::string_view text)
{
    setText(m_text, text);
    if (!m_dialog["open"].as<bool>())
        m_dialog.call<void>("showModal");
    m_ok.call<void>("focus");
}

void WarningDialog::close()
{
    m_dialog.call<void>("close");
}

} // namespace selmak::web
