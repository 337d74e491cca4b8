// SPDX-License-Identifier: MIT
#include "ui/web/dom.h"

#include <cstdlib>
#include <emscripten/bind.h>
#include <string>

namespace selmak::web {
namespace {

// The DOM calls an object's handleEvent: a C++ object bound this way needs no script of its own.
class EventHandler
{
public:
    explicit EventHandler(std::function<void(val)> handler) : m_handler(std::move(handler)) { }
    void handleEvent(val event) const { m_handler(std::move(event)); }

private:
    std::function<void(val)> m_handler;
};

} // namespace

EMSCRIPTEN_BINDINGS(selmak_dom)
{
    emscripten::class_<EventHandler>("EventHandler")
        .function("handleEvent", &EventHandler::handleEvent);
}

val document()
{
    return val::global("document");
}

val elementById(std::string_view id)
{
    const val element = document().call<val>("getElementById", std::string(id));
    if (element.isNull())
        stop("selmak: the page has no element with the id " + std::string(id));
    return element;
}

val createElement(const char *tag)
{
    return document().call<val>("createElement", std::string(tag));
}

void setText(val element, std::string_view utf8)
{
    element.set("textContent", std::string(utf8));
}

void setAttribute(const val &element, const char *name, std::string_view utf8)
{
    element.call<void>("setAttribute", std::string(name), std::string(utf8));
}

void setStyle(const val &element, const char *property, std::string_view value)
{
    element["style"].call<void>("setProperty", std::string(property), std::string(value));
}

std::string textOf(const val &element, const char *property)
{
    return element[property].as<std::string>();
}

std::string utf8Of(const val &text)
{
    const val bytes = val::global("TextEncoder").new_().call<val>("encode", text);
    std::string utf8(bytes["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(utf8.size(), reinterpret_cast<unsigned char *>(utf8.data())))
        .call<void>("set", bytes);
    return utf8;
}

void atNextFrame(const val &target, const char *event)
{
    const val happened = val::global("Event").new_(std::string(event));
    val::global("requestAnimationFrame")
        .call<void>("call", val::global(),
                    target["dispatchEvent"].call<val>("bind", target, happened));
}

void stop(std::string_view message)
{
    const val alert = createElement("p");
    setAttribute(alert, "role", "alert");
    setAttribute(alert, "class", "stopped");
    setText(alert, message);
    document()["body"].call<void>("prepend", alert);
    val::global("console").call<void>("error", std::string(message));
    std::abort();
}

Listeners::~Listeners()
{
    for (Entry &entry : m_entries) {
        entry.target.call<void>("removeEventListener", entry.event, entry.handler);
        entry.handler.call<void>("delete");
    }
}

void Listeners::listen(const val &target, const char *event, std::function<void(val)> handler)
{
    Entry entry { target, val(std::string(event)), val(EventHandler(std::move(handler))) };
    target.call<void>("addEventListener", entry.event, entry.handler);
    m_entries.push_back(std::move(entry));
}

} // namespace selmak::web
