// SPDX-License-Identifier: MIT
#pragma once

#include "forms/layout.h"
#include "ui/qt/control_builder.h"

#include <QDialog>

namespace selmak::ui {

// A dialog built from its layout table: a fixed frame without an icon, discarded on closing.
// Enter presses the table's default button, and Esc and the close box its cancel button.
class LayoutDialog : public QDialog
{
    Q_OBJECT

public:
    void reject() override;

protected:
    // Without an owner the dialog stands on its own; with one it stays above it and goes with it.
    LayoutDialog(const forms::WindowLayout &layout, QWidget *owner);

    const forms::WindowLayout &layout() const { return m_layout; }
    const Controls &controls() const { return m_controls; }
    // Closes the dialog, which goes once closed.
    void discard();

private:
    const forms::WindowLayout &m_layout;
    Controls m_controls;
};

} // namespace selmak::ui
