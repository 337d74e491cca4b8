// SPDX-License-Identifier: MIT
#include "ui/web/page.h"

#include <string>

namespace selmak::web {
namespace {

val appElement()
{
    const val app = document().call<val>("getElementById", std::string("app"));
    if (app.isNull())
        stop("selmak: the page has no element with the id app");
    return app;
}

val entry(const val &entries, const char *name, std::string_view caption)
{
    const val button = createElement("button");
    setAttribute(button, "type", "button");
    setAttribute(button, "class", "entry");
    setAttribute(button, "data-name", name);
    setText(button, caption);
    entries.call<void>("append", button);
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

Page::Page() : m_entries(createElement("nav")), m_main(appElement())
{
    setAttribute(m_entries, "class", "entries");
    setAttribute(m_entries, "aria-label", "Команды");
    appElement().call<void>("prepend", m_entries);
    m_listeners.listen(entry(m_entries, "find", "Поиск по модели"), "click",
                       [this](val) { m_main.openFind(); });
    m_listeners.listen(entry(m_entries, "about", "О программе"), "click",
                       [this](val) { m_main.openAbout(); });
    keepForOffline();
}

} // namespace selmak::web
