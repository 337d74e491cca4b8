// SPDX-License-Identifier: MIT
#include "ui/web/window_markup.h"

#include "ui/web/page_order.h"

#include <algorithm>
#include <string>

namespace selmak::web {
namespace {

using forms::ControlKind;
using forms::ControlRow;

const char *kindClass(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::HotSpot:
        return "label hotspot";
    case ControlKind::Picture:
        return "picture";
    case ControlKind::TextBox:
        return "textbox";
    case ControlKind::Option:
        return "option";
    case ControlKind::Button:
        return "button";
    case ControlKind::List:
        return "list";
    case ControlKind::TextArea:
        return "textarea";
    case ControlKind::DropDown:
        return "dropdown";
    case ControlKind::Table:
        return "table";
    }
    return "";
}

const char *tagOf(const ControlRow &row, const Filled *filled)
{
    switch (row.kind) {
    case ControlKind::Picture:
        return "img";
    case ControlKind::TextBox:
    case ControlKind::Option:
        return "input";
    case ControlKind::Button:
        return "button";
    case ControlKind::HotSpot:
        // A hot spot that opens an address is a link, which the keyboard reaches and a person can
        // copy; the one without is a hidden patch.
        return filled && !filled->address.empty() ? "a" : "div";
    case ControlKind::TextArea:
        return "textarea";
    case ControlKind::DropDown:
        return "select";
    case ControlKind::Label:
    case ControlKind::List:
    case ControlKind::Table:
        break;
    }
    return "div";
}

void writeControl(Markup &html, const ControlRow &row, std::string_view windowName,
                  const Filled *filled)
{
    const std::string_view text
        = filled && filled->text ? *filled->text : std::string_view(row.caption);
    const char *tag = tagOf(row, filled);
    html.open(tag);
    switch (row.kind) {
    case ControlKind::Label:
        break;
    case ControlKind::HotSpot:
        // A new tab of its own, which learns nothing of this page.
        if (filled && !filled->address.empty()) {
            html.attribute("href", filled->address).attribute("target", "_blank");
            html.attribute("rel", "noopener");
        }
        break;
    case ControlKind::Picture:
        html.attribute("src", row.caption);
        html.attribute("alt", row.accessibleName ? row.accessibleName : "");
        // The box takes the focus as the Tab key goes round, as picture boxes do.
        html.attribute("tabindex", "0");
        break;
    case ControlKind::TextBox:
        html.attribute("type", "text").attribute("autocomplete", "off");
        html.attribute("spellcheck", "false");
        if (!text.empty())
            html.attribute("value", text);
        if (row.maxLength > 0)
            html.attribute("maxlength", std::to_string(row.maxLength));
        break;
    case ControlKind::Option:
        // All options of a window lie directly on it: one group.
        html.attribute("type", "radio").attribute("name", std::string(windowName) + "-options");
        if (row.initially == forms::Initially::Checked)
            html.flag("checked");
        break;
    case ControlKind::Button:
        html.attribute("type", "button");
        break;
    case ControlKind::List:
        // The lines are the front-end's to fill (ListBox); the box scrolls when they do not fit.
        html.attribute("role", "listbox");
        html.attribute("id", std::string(windowName) + "-" + row.name);
        html.attribute("tabindex", "0");
        break;
    case ControlKind::TextArea:
        html.attribute("wrap", "off").attribute("autocomplete", "off");
        html.attribute("spellcheck", "false");
        break;
    case ControlKind::DropDown:
        break;
    case ControlKind::Table:
        // A region that scrolls both ways, the keyboard's too, around a real table whose rows
        // the front-end writes as they come into view (TableView).
        html.attribute("role", "region").attribute("tabindex", "0");
        break;
    }
    html.attribute("class", kindClass(row.kind)).attribute("data-name", row.name);
    if (row.accessibleName && row.kind != ControlKind::Picture)
        html.attribute("aria-label", row.accessibleName);
    if (row.initially == forms::Initially::Hidden)
        html.flag("hidden");
    if (filled && filled->disabled)
        html.flag("disabled");
    switch (row.kind) {
    case ControlKind::TextBox:
    case ControlKind::Option:
    case ControlKind::Picture:
        return; // no content, no end tag
    case ControlKind::Table:
        html.open("table");
        if (row.accessibleName)
            html.attribute("aria-label", row.accessibleName);
        html.open("colgroup").close("colgroup");
        html.open("thead").open("tr").close("tr").close("thead");
        html.open("tbody").close("tbody").close("table");
        break;
    case ControlKind::List:
    case ControlKind::DropDown:
        break; // the front-end's to fill
    case ControlKind::Label:
    case ControlKind::HotSpot:
    case ControlKind::Button:
    case ControlKind::TextArea:
        html.text(text);
        break;
    }
    html.close(tag);
}

} // namespace

void writeWindow(Markup &html, const forms::WindowLayout &layout, Frame frame,
                 std::span<const Filled> filled)
{
    const std::string id = layout.name;
    const char *frameTag = frame == Frame::Dialog ? "dialog" : "section";
    html.open(frameTag).attribute("id", id).attribute("class", "window");
    html.attribute("aria-labelledby", id + "-caption");
    html.open("div").attribute("class", "caption");
    html.open("span").attribute("id", id + "-caption").text(layout.title).close("span");
    if (frame == Frame::Dialog) {
        // For the mouse and the finger; the keyboard has Esc.
        html.open("button").attribute("type", "button").attribute("class", "close-box");
        html.attribute("aria-label", "Закрыть").attribute("tabindex", "-1");
        html.text("×").close("button");
    }
    html.close("div").newLine();
    html.open("div").attribute("class", "client").newLine();
    for (const forms::ControlId id : pageOrder(layout)) {
        const auto found = std::find_if(filled.begin(), filled.end(),
                                        [id](const Filled &f) { return f.control == id; });
        writeControl(html, forms::rowOf(layout, id), layout.name,
                     found == filled.end() ? nullptr : &*found);
        html.newLine();
    }
    for (const forms::LineRow &row : layout.lines) {
        html.open("div").attribute("class", "line").attribute("data-name", row.name);
        html.attribute("aria-hidden", "true").close("div").newLine();
    }
    html.close("div").close(frameTag);
}

} // namespace selmak::web
