// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace selmak::forms {

// The labels of the About dialog that its behaviour writes.
enum class AboutLabel { Title, Version };

// What the About dialog's behaviour needs of a dialog.
class AboutView
{
public:
    virtual ~AboutView() = default;

    virtual void setTitle(std::string_view text) = 0;
    virtual void setLabel(AboutLabel label, std::string_view text) = 0;
    // Hands the address to the desktop's browser; nothing waits and nothing is reported.
    virtual void openAddress(std::string_view address) = 0;
    // Closes and discards the dialog; the next About command builds a new one.
    virtual void closeDialog() = 0;

protected:
    AboutView() = default;
    AboutView(const AboutView &) = default;
    AboutView &operator=(const AboutView &) = default;
};

} // namespace selmak::forms
