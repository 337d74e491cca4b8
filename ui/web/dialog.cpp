// SPDX-License-Identifier: MIT
#include "ui/web/dialog.h"

#include <optional>
#include <string>

namespace selmak::web {

Dialog::Dialog(const forms::WindowLayout &table, const val &parent)
    : BuiltWindow(table, fromTemplate(table))
{
    const std::optional<forms::ControlId> enter = forms::defaultButton(table);
    const std::optional<forms::ControlId> esc = forms::cancelButton(table);
    listeners().listen(frame(), "keydown", [this, enter, esc](val event) {
        const std::string key = event["key"].as<std::string>();
        // Enter on a focused button or link is theirs.
        const val target = event["target"];
        const bool own = !target.call<val>("closest", std::string("button, a[href]")).isNull();
        const std::optional<forms::ControlId> button
            = key == "Escape" ? esc : (key == "Enter" && !own ? enter : std::nullopt);
        if (!button)
            return;
        event.call<void>("preventDefault");
        press(*button);
    });
    listeners().listen(closeBox(), "click", [this, esc](val) {
        if (esc)
            press(*esc);
        else
            close();
    });
    const val dialog = frame();
    listeners().listen(dialog, "close", [dialog](val) { dialog.call<void>("remove"); });
    parent.call<void>("append", dialog);
}

bool Dialog::isOpen() const
{
    return frame()["open"].as<bool>();
}

void Dialog::raise(int layer)
{
    if (!isOpen())
        frame().call<void>("show");
    setStyle(frame(), "z-index", std::to_string(layer));
    focusFirst();
}

void Dialog::close()
{
    frame().call<void>("close");
}

// As a click would: what the table binds to the button's click runs.
void Dialog::press(forms::ControlId button) const
{
    control(button).call<void>("click");
}

} // namespace selmak::web
