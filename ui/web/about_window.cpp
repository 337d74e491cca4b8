// SPDX-License-Identifier: MIT
#include "ui/web/about_window.h"

#include "forms/about_layout.h"

#include <string>

namespace selmak::web {
AboutWindow::AboutWindow(const val &parent)
    : m_window(forms::aboutLayout(), BuiltWindow::fromTemplate(forms::aboutLayout()))
{
    const val &dialog = m_window.frame();
    const val closeBox = m_window.closeBox();

    m_listeners.listen(m_window.control("cmdOK"), "click", [this](val) { m_form.cmdOK_Click(); });
    m_listeners.listen(m_window.control("lblURL"), "click", [this](val) { m_form.lblURL_Click(); });
    m_listeners.listen(closeBox, "click", [this](val) { close(); });
    // OK is the default and the cancel button: Enter and Esc anywhere in the dialog press it.
    m_listeners.listen(dialog, "keydown", [this](val event) {
        const std::string key = event["key"].as<std::string>();
        if (key != "Enter" && key != "Escape")
            return;
        event.call<void>("preventDefault");
        m_form.cmdOK_Click();
    });
    // A closed dialog leaves the page at once; the object goes on the next request.
    m_listeners.listen(dialog, "close", [dialog](val) { dialog.call<void>("remove"); });
    m_window.keepTabOrder(m_listeners, true);

    parent.call<void>("append", dialog);
    m_form.Form_Load();
}

AboutWindow::~AboutWindow() = default;

bool AboutWindow::isOpen() const
{
    return m_window.frame()["open"].as<bool>();
}

void AboutWindow::raise(int layer)
{
    if (!isOpen())
        m_window.frame().call<void>("show");
    setStyle(m_window.frame(), "z-index", std::to_string(layer));
    m_window.focusFirst();
}

void AboutWindow::close()
{
    m_window.frame().call<void>("close");
}

void AboutWindow::setTitle(std::string_view text)
{
    m_window.setCaption(text);
}

void AboutWindow::setLabel(forms::AboutLabel label, std::string_view text)
{
    setText(m_window.control(label == forms::AboutLabel::Title ? "lblTitle" : "lblVersion"), text);
}

void AboutWindow::openAddress(std::string_view address)
{
    // A new tab of its own, which learns nothing of this page.
    val::global("window").call<val>("open", std::string(address), std::string("_blank"),
                                    std::string("noopener,noreferrer"));
}

void AboutWindow::closeDialog()
{
    close();
}

} // namespace selmak::web
