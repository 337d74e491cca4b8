// SPDX-License-Identifier: MIT
#include "ui/qt/fonts.h"

#include <QApplication>
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

QFont toFont(const forms::FontStyle &style)
{
    QFont font(QString::fromLatin1(style.face));
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    return font;
}

void useClassicDialogFont()
{
    // Any text without a font of its own takes the classic dialog face, as on the system these
    // windows come from. A line edit lays out its empty text in the default font before it takes
    // its own, so a default that no window shows would cost a face and its fallbacks at start-up.
    QApplication::setFont(toFont(forms::kClassicDialogFont));
}

} // namespace selmak::ui
