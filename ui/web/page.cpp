// SPDX-License-Identifier: MIT
#include "ui/web/page.h"

#include <string>

namespace selmak::web {
namespace {

val entry(const val &app, std::string_view name)
{
    const val button
        = app.call<val>("querySelector", ".entries > [data-name=\"" + std::string(name) + "\"]");
    if (button.isNull())
        stop("selmak: the page has no entry named " + std::string(name));
    return button;
}

void keepForOffline()
{
    const val navigator = val::global("navigator");
    if (navigator["serviceWorker"].isUndefined())
        return; // a plain http page other than localhost: no offline copy
    navigator["serviceWorker"].call<val>("register", std::string("sw.js"));
}

} // namespace

Page::Page() : m_app(elementById("app")), m_main(m_app)
{
    m_listeners.listen(entry(m_app, "find"), "click", [this](val) { m_main.openFind(); });
    m_listeners.listen(entry(m_app, "list"), "click", [this](val) { m_main.openList(); });
    m_listeners.listen(entry(m_app, "about"), "click", [this](val) { m_main.openAbout(); });
    // Shown since the first paint, the page answers from here on.
    m_app.call<void>("removeAttribute", std::string("inert"));
    m_main.focus();
    keepForOffline();
}

} // namespace selmak::web
