// SPDX-License-Identifier: MIT
#include "ui/qt/layout_dialog.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPixmap>

namespace selmak::ui {

LayoutDialog::LayoutDialog(const forms::WindowLayout &layout, QWidget *owner)
    : QDialog(owner,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_layout(layout)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A dialog shows no icon: a blank one stands in for the application's.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));
    m_controls = buildWindow(this, layout);
}

// Esc and the close box come here.
void LayoutDialog::reject()
{
    if (const std::optional<forms::ControlId> cancel = forms::cancelButton(m_layout))
        m_controls.as<QAbstractButton>(*cancel)->click();
    else
        discard();
}

void LayoutDialog::discard()
{
    QDialog::reject();
}

} // namespace selmak::ui
