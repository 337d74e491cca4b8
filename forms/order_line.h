// SPDX-License-Identifier: MIT
#pragma once

#include "core/order.h"
#include "core/order_codes.h"

#include <optional>
#include <string>
#include <string_view>

namespace selmak::forms {

// What the user is told where no sourced rule writes a maker's whole code.
inline constexpr std::string_view kAskTheMaker = "код катушки уточните у производителя";

// A decoded coil in Russian: "катушка ~230 В 50/60 Гц", "катушка =24 В", "катушка ~/=100–250 В",
// "катушка не определена".
std::string coilText(const std::optional<Coil> &coil);

// Auxiliary contacts: "1НО+1НЗ", "1НЗ", "без блок-контактов".
std::string contactsText(Contacts contacts);

// What a decoded order says beyond its frame: "катушка ~230 В 50/60 Гц, 1НО+1НЗ"; the contacts
// only where a rule says them.
std::string orderLine(const Order &order);

// A maker's model of today, marked where its rating is not confirmed or its range discontinued:
// "AF26", "3RT2017 (номинал не подтверждён)", "LC1F185 (снят с производства)".
std::string todayModelText(const TodayFrame &frame);

// A maker's whole code of today: "DILM25-10(RAC240) + блок-контакт 1НЗ", or, where none is
// written, the frame and "код катушки уточните у производителя"; "---" without a model. The
// model's marks (todayModelText) follow the code.
std::string todayCodeText(const TodayCode &code);

// Whether a person is shown what a part number reads as: it names a frame and says more than
// the frame's name (a coil, contacts, terminals, or what no rule explains). A bare "LC1D18"
// shows as a frame, not as "катушка не определена" with a code of today that cannot be written.
bool showsOrder(std::string_view code, const Order &order);

} // namespace selmak::forms
