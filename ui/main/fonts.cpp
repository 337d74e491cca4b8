// SPDX-License-Identifier: MIT
#include "ui/main/fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace selmak::ui {

void substituteMissingFaces()
{
    // Qt consults the substitutes only for a face it cannot find, so this costs no font look-up.
    const QStringList sans { QStringLiteral("Liberation Sans") };
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               { QStringLiteral("Liberation Serif") });
}

void useClassicDialogFont()
{
    // Any text without a font of its own takes the classic dialog face, as on the system these
    // windows come from. A line edit lays out its empty text in the default font before it takes
    // its own, so a default that no window shows would cost a face and its fallbacks at start-up.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

} // namespace selmak::ui
