// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>
#include <functional>
#include <string_view>
#include <vector>

namespace selmak::web {

using emscripten::val;

val document();
// The page's element with that id; one missing stops the program with a message.
val elementById(std::string_view id);
// tag: an ASCII element name such as "div".
val createElement(const char *tag);
// User text and the program's own alike go in as text, never as markup.
void setText(val element, std::string_view utf8);
void setAttribute(const val &element, const char *name, std::string_view utf8);
void setStyle(const val &element, const char *property, std::string_view value);
std::string textOf(const val &element, const char *property = "value");
// A page's text as UTF-8, a lone surrogate as U+FFFD, through the browser's own encoder: fast for
// a long text, where the glue's conversion goes a character at a time.
std::string utf8Of(const val &text);
// Runs what listens for `event` at `target` in the page's next frame, once the page is laid out;
// nothing if the target is gone by then.
void atNextFrame(const val &target, const char *event);

// Stops the program with a message the page shows: for a fault no user can mend.
[[noreturn]] void stop(std::string_view message);

// The handlers one window registers; all are removed when the window goes. A handler must not
// destroy the Listeners that called it.
class Listeners
{
public:
    Listeners() = default;
    Listeners(const Listeners &) = delete;
    Listeners &operator=(const Listeners &) = delete;
    ~Listeners();

    void listen(const val &target, const char *event, std::function<void(val)> handler);

private:
    struct Entry
    {
        val target;
        val event;
        val handler;
    };
    std::vector<Entry> m_entries;
};

} // namespace selmak::web
