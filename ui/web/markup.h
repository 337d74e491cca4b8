// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace selmak::web {

// HTML written as text, for the page the build writes: every text and attribute value is escaped,
// so that a caption may hold any character. A start tag stays open for attributes until the next
// element, text or end tag; an element without content (input, img) needs no close().
class Markup
{
public:
    Markup &open(std::string_view tag);
    Markup &attribute(std::string_view name, std::string_view value);
    Markup &flag(std::string_view name); // an attribute without a value: hidden, checked
    Markup &text(std::string_view utf8);
    Markup &close(std::string_view tag);
    // A line break between elements, for whoever reads the page's source.
    Markup &newLine();

    std::string take();

private:
    void endStartTag();
    void escaped(std::string_view utf8);

    std::string m_html;
    bool m_inStartTag = false;
};

} // namespace selmak::web
