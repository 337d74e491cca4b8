// SPDX-License-Identifier: MIT
#include "ui/web/built_window.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace selmak::web {
namespace {

// Older browsers (Safari before 17.4) lack checkVisibility; a box laid out has an offset parent.
bool isShown(const val &element)
{
    if (element["checkVisibility"].isUndefined())
        return !element["offsetParent"].isNull();
    return element.call<bool>("checkVisibility");
}

bool canTakeFocus(const val &element)
{
    if (element["hidden"].as<bool>() || element["disabled"].as<bool>())
        return false;
    // Of a group of options, only the checked one is a stop.
    return !element["type"].strictlyEquals(val(std::string("radio")))
        || element["checked"].as<bool>();
}

} // namespace

BuiltWindow::BuiltWindow(const forms::WindowLayout &layout, val frame)
    : m_layout(layout),
      m_frame(std::move(frame)),
      m_captionBar(m_frame.call<val>("querySelector", std::string(":scope > .caption"))),
      m_caption(m_captionBar["firstElementChild"]),
      m_client(m_frame.call<val>("querySelector", std::string(":scope > .client")))
{
    // One look at each control, in the table's order, in which the build wrote them.
    const val children = m_client["children"];
    int index = 0;
    for (const forms::ControlRow &row : layout.controls) {
        val element = children[index++];
        const val name = element.isUndefined()
            ? val::null()
            : element.call<val>("getAttribute", std::string("data-name"));
        if (!name.isString() || name.as<std::string>() != row.name) {
            stop("selmak: the page's window " + std::string(layout.name) + " lacks the control "
                 + row.name + " where its layout table has it: the page and its script come from"
                 + " different builds; reload the page");
        }
        m_controls.emplace_back(row.name, std::move(element));
    }
}

val BuiltWindow::inPage(const forms::WindowLayout &layout)
{
    return elementById(layout.name);
}

val BuiltWindow::fromTemplate(const forms::WindowLayout &layout)
{
    const val found = elementById(std::string(layout.name) + "-template");
    return found["content"]["firstElementChild"].call<val>("cloneNode", true);
}

BuiltWindow::~BuiltWindow()
{
    m_frame.call<void>("remove");
}

void BuiltWindow::setCaption(std::string_view text)
{
    setText(m_caption, text);
}

val BuiltWindow::closeBox() const
{
    return m_captionBar.call<val>("querySelector", std::string(".close-box"));
}

val BuiltWindow::control(std::string_view name) const
{
    const auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                    [name](const auto &entry) { return entry.first == name; });
    if (found == m_controls.end()) {
        stop("selmak: the window " + std::string(m_layout.name) + " has no control named "
             + std::string(name) + " in its layout table");
    }
    return found->second;
}

std::vector<val> BuiltWindow::focusable() const
{
    std::vector<val> stops;
    for (const char *name : m_layout.tabOrder) {
        val element = control(name);
        if (canTakeFocus(element))
            stops.push_back(std::move(element));
    }
    return stops;
}

void BuiltWindow::focusFirst() const
{
    const std::vector<val> stops = focusable();
    if (stops.empty())
        return;
    setEntry(stops.front());
    stops.front().call<void>("focus");
}

void BuiltWindow::setEntry(const val &entry) const
{
    for (const char *name : m_layout.tabOrder) {
        const val element = control(name);
        setAttribute(element, "tabindex", element.strictlyEquals(entry) ? "0" : "-1");
    }
}

void BuiltWindow::leave(bool backwards) const
{
    // The page's next stop outside the window, or round to its first one, as the browser goes.
    const val all = document().call<val>(
        "querySelectorAll", std::string("button, input, select, textarea, a[href], [tabindex]"));
    const int count = all["length"].as<int>();
    val target = val::null();
    for (int i = 0; i < count; ++i) {
        const int at = backwards ? count - 1 - i : i;
        val element = all[at];
        if (m_frame.call<bool>("contains", element) || element["tabIndex"].as<int>() < 0
            || element["disabled"].as<bool>() || !isShown(element))
            continue;
        // Node.DOCUMENT_POSITION_PRECEDING is 2, FOLLOWING 4.
        const int position = m_frame.call<int>("compareDocumentPosition", element);
        const bool beyond = (position & (backwards ? 2 : 4)) != 0;
        if (target.isNull() || beyond) {
            target = element;
            if (beyond)
                break;
        }
    }
    const std::vector<val> stops = focusable();
    if (!stops.empty())
        setEntry(backwards ? stops.back() : stops.front());
    if (!target.isNull())
        target.call<void>("focus");
}

void BuiltWindow::keepTabOrder(Listeners &listeners, bool wrap) const
{
    listeners.listen(m_frame, "keydown", [this, wrap](val event) {
        if (event["key"].as<std::string>() != "Tab" || event["altKey"].as<bool>()
            || event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>())
            return;
        const std::vector<val> stops = focusable();
        const val active = document()["activeElement"];
        const auto at = std::find_if(stops.begin(), stops.end(), [&active](const val &stop) {
            return stop.strictlyEquals(active);
        });
        if (at == stops.end())
            return;
        event.call<void>("preventDefault");
        const bool backwards = event["shiftKey"].as<bool>();
        const auto count = static_cast<std::ptrdiff_t>(stops.size());
        std::ptrdiff_t next = (at - stops.begin()) + (backwards ? -1 : 1);
        if (next < 0 || next >= count) {
            if (!wrap)
                return leave(backwards);
            next = (next + count) % count;
        }
        setEntry(stops[static_cast<std::size_t>(next)]);
        stops[static_cast<std::size_t>(next)].call<void>("focus");
    });
}

} // namespace selmak::web
