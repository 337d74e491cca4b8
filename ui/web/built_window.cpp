// SPDX-License-Identifier: MIT
#include "ui/web/built_window.h"

#include "ui/web/fonts.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace selmak::web {
namespace {

using forms::ControlKind;
using forms::ControlRow;

std::string pixels(int value)
{
    return std::to_string(value) + "px";
}

// By hand: printf would bring most of the C library into the wasm.
std::string colour(forms::Rgb rgb)
{
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t part : { rgb.red, rgb.green, rgb.blue }) {
        text += kDigits[part >> 4];
        text += kDigits[part & 15];
    }
    return text;
}

// The places and looks go in as custom properties that the style sheet reads, so that it can
// arrange the same controls otherwise on a narrow screen. They are collected into one declaration
// block and set in one call: each call into the page costs more than the text it carries.
class Declarations
{
public:
    void add(std::string_view property, std::string_view value)
    {
        m_text.append(property).append(":").append(value).append(";");
    }
    void place(forms::PixelRect rect)
    {
        add("--left", pixels(rect.left));
        add("--top", pixels(rect.top));
        add("--width", pixels(rect.width));
        add("--height", pixels(rect.height));
    }
    void font(const forms::FontStyle &font)
    {
        if (!font.face)
            return;
        add("--font-family", fontFamily(font.face));
        // 96 CSS pixels to the inch, as the system at 100 %: 8.25 pt is 11 px, 9.75 pt 13 px.
        add("--font-size", pixels(static_cast<int>(std::lround(font.points * 4 / 3))));
        add("--font-weight", font.bold ? "bold" : "normal");
        add("--text-decoration", font.underline ? "underline" : "none");
    }
    // Through the style object, which the page's policy allows, not the style attribute.
    void applyTo(const val &element) const { element["style"].set("cssText", m_text); }

private:
    std::string m_text;
};

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
    }
    return "";
}

val createControl(const ControlRow &row, std::string_view windowName)
{
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::HotSpot: {
        const val label = createElement("div");
        if (*row.caption) // most result labels start empty: a call into the page saved each
            setText(label, row.caption);
        // A hot spot with a caption is a link to somewhere; the one without is a hidden patch.
        if (row.kind == ControlKind::HotSpot && *row.caption)
            setAttribute(label, "role", "link");
        return label;
    }
    case ControlKind::Picture: {
        const val picture = createElement("img");
        setAttribute(picture, "src", row.caption);
        setAttribute(picture, "alt", row.accessibleName ? row.accessibleName : "");
        // The box takes the focus as the Tab key goes round, as picture boxes do.
        setAttribute(picture, "tabindex", "0");
        return picture;
    }
    case ControlKind::TextBox: {
        val box = createElement("input");
        setAttribute(box, "type", "text");
        setAttribute(box, "autocomplete", "off");
        setAttribute(box, "spellcheck", "false");
        if (*row.caption)
            box.set("value", std::string(row.caption));
        return box;
    }
    case ControlKind::Option: {
        val option = createElement("input");
        setAttribute(option, "type", "radio");
        // All options of a window lie directly on it: one group.
        setAttribute(option, "name", std::string(windowName) + "-options");
        option.set("checked", row.initially == forms::Initially::Checked);
        return option;
    }
    case ControlKind::Button: {
        const val button = createElement("button");
        setAttribute(button, "type", "button");
        setText(button, row.caption);
        return button;
    }
    case ControlKind::List: {
        // The lines are the front-end's to fill (ListBox); the box scrolls when they do not fit.
        const val list = createElement("div");
        setAttribute(list, "role", "listbox");
        setAttribute(list, "id", std::string(windowName) + "-" + row.name);
        setAttribute(list, "tabindex", "0");
        return list;
    }
    }
    stop("unknown kind of control");
}

val buildControl(const ControlRow &row, std::string_view windowName)
{
    val element = createControl(row, windowName);
    setAttribute(element, "class", kindClass(row.kind));
    setAttribute(element, "data-name", row.name);
    Declarations style;
    style.place(forms::toPixels(row.twips));
    style.font(row.font);
    if (row.text)
        style.add("--text", colour(*row.text));
    if (row.background)
        style.add("--background", colour(*row.background));
    if (row.centred)
        style.add("--align", "center");
    style.applyTo(element);
    if (row.accessibleName && row.kind != ControlKind::Picture)
        setAttribute(element, "aria-label", row.accessibleName);
    if (row.initially == forms::Initially::Hidden)
        element.set("hidden", true);
    return element;
}

val buildLine(const forms::LineRow &row, forms::Rgb lineColour)
{
    const val line = createElement("div");
    setAttribute(line, "class", "line");
    setAttribute(line, "data-name", row.name);
    setAttribute(line, "aria-hidden", "true");
    Declarations style;
    style.place(forms::linePixels(row.from, row.to));
    style.add("--background", colour(lineColour));
    style.applyTo(line);
    return line;
}

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

BuiltWindow::BuiltWindow(const forms::WindowLayout &layout, Frame frame)
    : m_layout(layout),
      m_frame(createElement(frame == Frame::Dialog ? "dialog" : "section")),
      m_captionBar(createElement("div")),
      m_caption(createElement("span")),
      m_client(createElement("div"))
{
    const std::string id = layout.name;
    setAttribute(m_frame, "id", id);
    setAttribute(m_frame, "class", "window");
    setAttribute(m_frame, "aria-labelledby", id + "-caption");
    setAttribute(m_captionBar, "class", "caption");
    setAttribute(m_caption, "id", id + "-caption");
    setText(m_caption, layout.title);
    m_captionBar.call<void>("append", m_caption);

    setAttribute(m_client, "class", "client");
    Declarations style;
    style.place(forms::toPixels(layout.clientArea));
    style.font(layout.font);
    if (layout.background)
        style.add("--window-background", colour(*layout.background));
    style.applyTo(m_client);
    for (const ControlRow &row : layout.controls) {
        val element = buildControl(row, layout.name);
        m_client.call<void>("append", element);
        m_controls.emplace_back(row.name, std::move(element));
    }
    for (const forms::LineRow &row : layout.lines)
        m_client.call<void>("append", buildLine(row, layout.lineColour));
    m_frame.call<void>("append", m_captionBar);
    m_frame.call<void>("append", m_client);
}

BuiltWindow::~BuiltWindow()
{
    m_frame.call<void>("remove");
}

void BuiltWindow::setCaption(std::string_view text)
{
    setText(m_caption, text);
}

val BuiltWindow::addCloseBox() const
{
    const val closeBox = createElement("button");
    setAttribute(closeBox, "type", "button");
    setAttribute(closeBox, "class", "close-box");
    setAttribute(closeBox, "aria-label", "Закрыть");
    setAttribute(closeBox, "tabindex", "-1");
    setText(closeBox, "×");
    m_captionBar.call<void>("append", closeBox);
    return closeBox;
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
