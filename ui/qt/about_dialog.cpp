// SPDX-License-Identifier: MIT
#include "ui/qt/about_dialog.h"

#include "forms/about_layout.h"
#include "ui/qt/event_binding.h"

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

namespace selmak::ui {
namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : LayoutDialog(forms::aboutLayout(), parent)
{
    bindEvents(m_form, layout(), controls(), this);
    m_form.Form_Load();
}

void AboutDialog::setTitle(std::string_view text)
{
    setWindowTitle(fromUtf8(text));
}

void AboutDialog::setLabel(forms::AboutLabel label, std::string_view text)
{
    using forms::AboutControl;
    const forms::ControlId id
        = label == forms::AboutLabel::Title ? AboutControl::lblTitle : AboutControl::lblVersion;
    controls().as<QLabel>(id)->setText(fromUtf8(text));
}

void AboutDialog::openAddress(std::string_view address)
{
    QDesktopServices::openUrl(QUrl(fromUtf8(address)));
}

void AboutDialog::closeDialog()
{
    discard();
}

} // namespace selmak::ui
