// SPDX-License-Identifier: MIT
#include "ui/web/window_styles.h"

#include "ui/web/fonts.h"

#include <cmath>
#include <cstdint>
#include <string_view>

namespace selmak::web {
namespace {

// By hand: printf would bring most of the C library in.
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

// One rule: a selector and its declarations.
class Rule
{
public:
    explicit Rule(std::string selector) : m_text(std::move(selector) + " {") { }

    void add(std::string_view property, std::string_view value)
    {
        m_text.append(" ").append(property).append(": ").append(value).append(";");
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
    std::string take() { return std::move(m_text.append(" }\n")); }

private:
    std::string m_text;
};

} // namespace

std::string pixels(int value)
{
    return std::to_string(value) + "px";
}

std::string windowStyles(const forms::WindowLayout &layout)
{
    const std::string client = "#" + std::string(layout.name) + " > .client";
    Rule area(client);
    area.place(forms::toPixels(layout.clientArea));
    area.font(layout.font);
    if (layout.background)
        area.add("--window-background", colour(*layout.background));
    std::string sheet = area.take();

    const auto named
        = [&client](const char *name) { return client + " > [data-name=\"" + name + "\"]"; };
    for (const forms::ControlRow &row : layout.controls) {
        Rule rule(named(row.name));
        rule.place(forms::toPixels(row.twips));
        // The page holds the controls in tab order; a narrow screen stands them in the table's.
        rule.add("--order", std::to_string(row.id.index));
        rule.font(row.font);
        if (row.text)
            rule.add("--text", colour(*row.text));
        if (row.background)
            rule.add("--background", colour(*row.background));
        if (row.centred)
            rule.add("--align", "center");
        sheet += rule.take();
    }
    for (const forms::LineRow &row : layout.lines) {
        Rule rule(named(row.name));
        rule.place(forms::linePixels(row.from, row.to));
        rule.add("--background", colour(layout.lineColour));
        sheet += rule.take();
    }
    return sheet;
}

} // namespace selmak::web
