// SPDX-License-Identifier: MIT
#pragma once

#include "core/order.h"
#include "core/order_codes.h"

#include <optional>
#include <string>

namespace selmak::forms {

// A decoded coil in Russian: "катушка ~230 В 50/60 Гц", "катушка =24 В", "катушка ~/=100–250 В",
// "катушка не определена".
std::string coilText(const std::optional<Coil> &coil);

// Auxiliary contacts: "1НО+1НЗ", "1НЗ", "без блок-контактов".
std::string contactsText(Contacts contacts);

// What a decoded order says beyond its frame: "катушка ~230 В 50/60 Гц, 1НО+1НЗ"; the contacts
// only where a rule says them.
std::string orderLine(const Order &order);

// A maker's whole code of today: "DILM25-10(RAC240) + блок-контакт 1НЗ", or, where none is
// written, the frame and "код катушки уточните у производителя"; "---" without a model.
std::string todayCodeText(const TodayCode &code);

} // namespace selmak::forms
