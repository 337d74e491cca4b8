// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace selmak::web {

// The controls each window of the page binds by name, besides the main window's sixteen result
// labels, which the core's column table names.
inline constexpr std::array<std::string_view, 10> kMainBound {
    "optPower", "optCurrent", "txtPower", "txtCurrent", "cmbChoose",
    "cmbAbout", "exit",       "back",     "far",        "Hide"
};
inline constexpr std::array<std::string_view, 4> kAboutBound { "cmdOK", "lblURL", "lblTitle",
                                                               "lblVersion" };
inline constexpr std::array<std::string_view, 6> kFindBound { "txtModel",  "lstHits",
                                                              "lblStatus", "lblTodayModels",
                                                              "cmdShow",   "cmdClose" };

// Checks, once at start, that every name the page binds is in its window's layout table, and
// stops the program with a message naming each one that is not.
void requireBoundControls();

} // namespace selmak::web
