// SPDX-License-Identifier: MIT
#include "ui/web/built_window.h"

#include "ui/web/page_order.h"

#include <string>

namespace selmak::web {
namespace {

bool canTakeFocus(const val &element)
{
    if (element["hidden"].as<bool>() || element["disabled"].as<bool>())
        return false;
    // Of a group of options, only the checked one is a stop.
    return !element["type"].strictlyEquals(val(std::string("radio")))
        || element["checked"].as<bool>();
}

const char *domEvent(forms::ControlKind kind)
{
    switch (kind) {
    case forms::ControlKind::Option:
    case forms::ControlKind::DropDown:
        return "change";
    case forms::ControlKind::TextBox:
    case forms::ControlKind::TextArea:
        return "input";
    case forms::ControlKind::Button:
    case forms::ControlKind::HotSpot:
    case forms::ControlKind::Label:
    case forms::ControlKind::Picture:
    case forms::ControlKind::List:
    case forms::ControlKind::Table:
        break;
    }
    return "click";
}

} // namespace

BuiltWindow::BuiltWindow(const forms::WindowLayout &layout, val frame)
    : m_layout(layout),
      m_frame(std::move(frame)),
      m_captionBar(m_frame.call<val>("querySelector", std::string(":scope > .caption"))),
      m_caption(m_captionBar["firstElementChild"]),
      m_controls(layout.controls.size(), val::null()),
      m_lists(layout.controls.size())
{
    // One look at each control, in the order in which the build wrote them.
    const val children
        = m_frame.call<val>("querySelector", std::string(":scope > .client"))["children"];
    int index = 0;
    for (const forms::ControlId id : pageOrder(layout)) {
        const forms::ControlRow &row = forms::rowOf(layout, id);
        val element = children[index++];
        const val name = element.isUndefined()
            ? val::null()
            : element.call<val>("getAttribute", std::string("data-name"));
        if (!name.isString() || name.as<std::string>() != row.name) {
            stop("selmak: the page's window " + std::string(layout.name) + " lacks the control "
                 + row.name + " where its layout table has it: the page and its script come from"
                 + " different builds; reload the page");
        }
        if (row.kind == forms::ControlKind::List)
            m_lists[id.index] = std::make_unique<ListBox>(element, m_listeners);
        m_controls[id.index] = std::move(element);
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

ListBox &BuiltWindow::listBox(forms::ControlId id) const
{
    return *m_lists[id.index];
}

void BuiltWindow::listen(forms::ControlId id, forms::Event event, std::function<void()> run)
{
    const forms::ControlKind kind = forms::rowOf(m_layout, id).kind;
    if (kind == forms::ControlKind::List)
        return listBox(id).on(event, std::move(run));
    m_listeners.listen(control(id), domEvent(kind), [run = std::move(run)](val) { run(); });
}

void BuiltWindow::focusFirst() const
{
    for (const forms::ControlId id : m_layout.tabOrder) {
        if (canTakeFocus(control(id))) {
            control(id).call<void>("focus");
            return;
        }
    }
}

} // namespace selmak::web
