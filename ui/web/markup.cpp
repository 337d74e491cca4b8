// SPDX-License-Identifier: MIT
#include "ui/web/markup.h"

namespace selmak::web {

Markup &Markup::open(std::string_view tag)
{
    endStartTag();
    m_html.append("<").append(tag);
    m_inStartTag = true;
    return *this;
}

Markup &Markup::attribute(std::string_view name, std::string_view value)
{
    m_html.append(" ").append(name).append("=\"");
    escaped(value);
    m_html += '"';
    return *this;
}

Markup &Markup::flag(std::string_view name)
{
    m_html.append(" ").append(name);
    return *this;
}

Markup &Markup::text(std::string_view utf8)
{
    endStartTag();
    escaped(utf8);
    return *this;
}

Markup &Markup::close(std::string_view tag)
{
    endStartTag();
    m_html.append("</").append(tag).append(">");
    return *this;
}

Markup &Markup::newLine()
{
    endStartTag();
    m_html += '\n';
    return *this;
}

std::string Markup::take()
{
    endStartTag();
    return std::move(m_html);
}

void Markup::endStartTag()
{
    if (m_inStartTag)
        m_html += '>';
    m_inStartTag = false;
}

void Markup::escaped(std::string_view utf8)
{
    for (const char c : utf8) {
        switch (c) {
        case '&':
            m_html += "&amp;";
            break;
        case '<':
            m_html += "&lt;";
            break;
        case '>':
            m_html += "&gt;";
            break;
        case '"':
            m_html += "&quot;";
            break;
        case '\r': // the parser would turn it into a line feed; a text set as text keeps it
            m_html += "&#13;";
            break;
        default:
            m_html += c;
        }
    }
}

} // namespace selmak::web
