// SPDX-License-Identifier: MIT
#pragma once

#include "core/columns.h"

#include <string>
#include <string_view>

namespace selmak::forms {

// The two input boxes of the main window.
enum class Box { Power, Current };

// What the main window's behaviour needs of a window. Each front-end implements it over its own
// controls; the tests implement it with a recorder.
class MainView
{
public:
    virtual ~MainView() = default;

    virtual std::string boxText(Box box) const = 0; // UTF-8
    virtual bool isBoxEnabled(Box box) const = 0;
    virtual void setBoxEnabled(Box box, bool enabled) = 0;
    virtual bool isPowerOptionSelected() const = 0;
    virtual void enableChoose() = 0;
    virtual void setResult(Column column, std::string_view text) = 0;
    // Returns only once the user has read the warning: a modal box over the window.
    virtual void showWarning(std::string_view text) = 0;
    virtual void showStepButtons() = 0;
    // Opens the About dialog, or brings the open one to the front.
    virtual void showAbout() = 0;
    // Ends the program at once with status 0; no window gets to object.
    virtual void exitProgram() = 0;

protected:
    MainView() = default;
    MainView(const MainView &) = default;
    MainView &operator=(const MainView &) = default;
};

} // namespace selmak::forms
