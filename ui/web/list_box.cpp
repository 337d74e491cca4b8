// SPDX-License-Identifier: MIT
#include "ui/web/list_box.h"

#include <algorithm>

namespace selmak::web {

ListBox::ListBox(val element, Listeners &listeners) : m_element(std::move(element))
{
    listeners.listen(m_element, "click", [this](val event) {
        const val line = event["target"].call<val>("closest", std::string("[role=option]"));
        if (!line.isNull()) {
            select(std::stoi(line["dataset"]["index"].as<std::string>()));
            m_onSelect();
        }
    });
    listeners.listen(m_element, "dblclick", [this](val event) {
        if (!event["target"].call<val>("closest", std::string("[role=option]")).isNull())
            m_onDoubleClick();
    });
    listeners.listen(m_element, "keydown", [this](val event) {
        if (m_count == 0)
            return;
        const std::string key = event["key"].as<std::string>();
        const int page = 8;
        int next = m_selected;
        if (key == "ArrowDown")
            next = m_selected + 1;
        else if (key == "ArrowUp")
            next = m_selected - 1;
        else if (key == "PageDown")
            next = m_selected + page;
        else if (key == "PageUp")
            next = m_selected - page;
        else if (key == "Home")
            next = 0;
        else if (key == "End")
            next = m_count - 1;
        else
            return;
        event.call<void>("preventDefault");
        select(std::clamp(next, 0, m_count - 1));
        m_onSelect();
    });
}

void ListBox::on(forms::Event event, std::function<void()> run)
{
    (event == forms::Event::DblClick ? m_onDoubleClick : m_onSelect) = std::move(run);
}

void ListBox::setLines(std::span<const std::string> lines)
{
    // One fragment, one change of the page, however many lines.
    const val fragment = document().call<val>("createDocumentFragment");
    const std::string id = m_element["id"].as<std::string>();
    int index = 0;
    for (const std::string &line : lines) {
        const val item = createElement("div");
        setAttribute(item, "role", "option");
        setAttribute(item, "id", id + "-" + std::to_string(index));
        setAttribute(item, "data-index", std::to_string(index));
        setAttribute(item, "aria-selected", "false");
        setText(item, line);
        fragment.call<void>("append", item);
        ++index;
    }
    m_element.call<void>("replaceChildren", fragment);
    m_element.call<void>("removeAttribute", std::string("aria-activedescendant"));
    m_count = index;
    m_selected = -1;
}

val ListBox::option(int index) const
{
    return m_element["children"][index];
}

void ListBox::select(int index)
{
    if (index < 0 || index >= m_count)
        return;
    if (m_selected >= 0)
        setAttribute(option(m_selected), "aria-selected", "false");
    m_selected = index;
    const val line = option(index);
    setAttribute(line, "aria-selected", "true");
    setAttribute(m_element, "aria-activedescendant", line["id"].as<std::string>());
    val options = val::object();
    options.set("block", std::string("nearest"));
    line.call<void>("scrollIntoView", options);
}

} // namespace selmak::web
