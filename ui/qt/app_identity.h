// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace selmak::ui {

// Who the program says it is: the application title doubles as the title of its message boxes.
inline const QString kApplicationName = QStringLiteral("selmak-1");
inline const QString kApplicationVersion = QStringLiteral("1.00");
inline const QString kOrganizationName = QStringLiteral("TARVIS");
inline const QString kDesktopId = QStringLiteral("example.tarvis.selmak");

} // namespace selmak::ui
