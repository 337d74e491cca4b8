// SPDX-License-Identifier: MIT
#include "ui/web/warning_dialog.h"

namespace selmak::web {

WarningDialog::WarningDialog()
    : m_dialog(elementById("warning")),
      m_text(elementById("warning-text")),
      m_ok(m_dialog.call<val>("querySelector", std::string("[data-name=\"OK\"]")))
{
    // Esc closes a modal <dialog> by itself; Enter presses OK, which has the focus.
    m_listeners.listen(m_ok, "click", [this](val) { close(); });
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
