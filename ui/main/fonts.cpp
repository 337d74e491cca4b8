// SPDX-License-Identifier: MIT
#include "ui/main/fonts.h"

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

} // namespace selmak::ui
