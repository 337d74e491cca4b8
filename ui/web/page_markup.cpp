// SPDX-License-Identifier: MIT
#include "ui/web/page_markup.h"

#include "forms/about_form.h"
#include "forms/about_layout.h"
#include "forms/find_layout.h"
#include "forms/list_layout.h"
#include "forms/main_form.h"
#include "forms/main_layout.h"
#include "forms/main_view.h"
#include "ui/web/app_identity.h"
#include "ui/web/window_markup.h"
#include "ui/web/window_styles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace selmak::web {
namespace {

// The main window's form loaded over the table alone, as the page's window is when the wasm loads
// the same form over it: what it sets is written into the page. It sets texts and enables boxes;
// anything else on loading is a fault of the build.
class LoadedMain final : private forms::MainView
{
public:
    explicit LoadedMain(const forms::WindowLayout &layout) : m_layout(layout)
    {
        forms::MainForm form(*this);
        form.Form_Load();
    }

    std::vector<Filled> filled() const
    {
        std::vector<Filled> all;
        for (const Control &control : m_controls) {
            all.push_back({ .control = control.id, .disabled = !control.enabled });
            if (control.text)
                all.back().text = *control.text;
        }
        return all;
    }

private:
    struct Control
    {
        forms::ControlId id;
        std::optional<std::string> text;
        bool enabled = true;
    };

    Control &control(forms::ControlId id)
    {
        const auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                        [id](const Control &c) { return c.id == id; });
        return found != m_controls.end() ? *found : m_controls.emplace_back(Control { id });
    }
    static forms::ControlId boxOf(forms::Box box)
    {
        return box == forms::Box::Power ? forms::MainControl::txtPower
                                        : forms::MainControl::txtCurrent;
    }
    [[noreturn]] static void unexpected(const char *what)
    {
        std::fprintf(stderr, "the main form's loading did what the page cannot show: %s\n", what);
        std::abort();
    }

    std::string boxText(forms::Box) const override { return {}; }
    bool isBoxEnabled(forms::Box box) const override
    {
        const auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                        [box](const Control &c) { return c.id == boxOf(box); });
        return found == m_controls.end() || found->enabled;
    }
    void setBoxEnabled(forms::Box box, bool enabled) override
    {
        control(boxOf(box)).enabled = enabled;
    }
    bool isPowerOptionSelected() const override
    {
        return forms::rowOf(m_layout, forms::MainControl::optPower).initially
            == forms::Initially::Checked;
    }
    void enableChoose() override { unexpected("enableChoose"); }
    void setResult(Column column, std::string_view text) override
    {
        control(forms::resultLabel(column)).text = text;
    }
    void showWarning(std::string_view) override { unexpected("showWarning"); }
    void showStepButtons() override { unexpected("showStepButtons"); }
    void showAbout() override { unexpected("showAbout"); }
    void exitProgram() override { unexpected("exitProgram"); }

    const forms::WindowLayout &m_layout;
    std::vector<Control> m_controls;
};

void writeEntry(Markup &html, const char *name, std::string_view caption)
{
    html.open("button").attribute("type", "button").attribute("class", "entry");
    html.attribute("data-name", name).text(caption).close("button");
}

void writeTemplate(Markup &html, const forms::WindowLayout &layout,
                   std::span<const Filled> filled = {})
{
    html.open("template").attribute("id", std::string(layout.name) + "-template");
    writeWindow(html, layout, Frame::Dialog, filled);
    html.close("template").newLine();
}

// The page's own measures, which the style sheet takes from here: the padding around the windows
// and the width of a window's raised frame.
constexpr int kPagePadding = 16;
constexpr int kFrameBorder = 2;
// The find window's left edge from the page's left edge, where there is room: right of the main
// window's boxes and commands, over its results.
constexpr int kFindLeft = 216;

int frameWidth(const forms::WindowLayout &layout)
{
    return forms::toPixels(layout.clientArea).width + 2 * kFrameBorder;
}

} // namespace

std::string pageWindows()
{
    Markup html;
    // The browser keeps Ctrl+F and the right button for itself.
    html.open("nav").attribute("class", "entries").attribute("aria-label", "Команды");
    writeEntry(html, "find", "Поиск по модели");
    writeEntry(html, "list", "Замена по списку");
    writeEntry(html, "about", "О программе");
    html.close("nav").newLine();
    const LoadedMain loaded(forms::mainLayout());
    writeWindow(html, forms::mainLayout(), Frame::Section, loaded.filled());
    return html.take();
}

std::string pageDialogs()
{
    Markup html;
    html.open("dialog").attribute("id", "warning").attribute("class", "window message");
    html.attribute("aria-labelledby", "warning-caption");
    html.attribute("aria-describedby", "warning-text");
    html.open("div").attribute("class", "caption").attribute("id", "warning-caption");
    html.text(kApplicationName).close("div");
    html.open("p").attribute("id", "warning-text").close("p");
    html.open("div").attribute("class", "buttons");
    html.open("button").attribute("type", "button").attribute("class", "button");
    html.attribute("data-name", "OK").text("OK").close("button");
    html.close("div").close("dialog").newLine();
    const Filled link { .control = forms::AboutControl::lblURL, .address = forms::kSiteAddress };
    writeTemplate(html, forms::aboutLayout(), std::span(&link, 1));
    writeTemplate(html, forms::findLayout());
    writeTemplate(html, forms::listLayout());
    return html.take();
}

std::string pageStyles()
{
    // The main window centred on whole pixels, so that every control's edges fall on the screen's;
    // where the page is too narrow for the find window right of the main window's boxes and
    // commands with the main window centred, the main window stands further left, as far as that
    // makes room.
    const int page = frameWidth(forms::mainLayout()) + 2 * kPagePadding;
    const int room = kFindLeft + frameWidth(forms::findLayout()) + kPagePadding;
    std::string sheet = ":root { --page-padding: " + pixels(kPagePadding)
        + "; --frame-border: " + pixels(kFrameBorder) + "; }\n";
    sheet += "#app { margin-left: max(0px, round(down, min((100vw - " + pixels(page)
        + ") / 2, 100vw - " + pixels(room) + "), 1px)); }\n";
    // Centred, the find window would cover the main window's boxes and commands: where the page
    // has room for it on the right, it stands there, as the desktop editions put it beside the
    // main window.
    sheet += "@media (min-width: " + pixels(room) + ") { #" + forms::findLayout().name
        + " { margin-left: " + pixels(kFindLeft) + "; margin-right: auto; } }\n";
    return sheet + windowStyles(forms::mainLayout()) + windowStyles(forms::aboutLayout())
        + windowStyles(forms::findLayout()) + windowStyles(forms::listLayout());
}

} // namespace selmak::web
