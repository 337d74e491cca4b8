// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"

namespace selmak::forms {

// The list window's controls, in the order of its table; each is named as its row.
enum class ListControl {
    lblList,
    txtList,
    lblColumn,
    txtColumn,
    lblTo,
    cboTo,
    grdResult,
    lblStatus,
    cmdOpen,
    cmdCopy,
    cmdSave,
    cmdClose,
};
template<> inline constexpr std::size_t kControlCount<ListControl> = 12;

// The list window: part numbers, powers or currents typed or pasted one to a line, and a table of
// what each maker offers for each of them below.
const WindowLayout &listLayout();

} // namespace selmak::forms
