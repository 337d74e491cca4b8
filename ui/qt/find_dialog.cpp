// SPDX-License-Identifier: MIT
#include "ui/qt/find_dialog.h"

#include "forms/find_layout.h"
#include "ui/qt/event_binding.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStringEncoder>

namespace selmak::ui {
namespace {

using forms::FindControl;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

FindDialog::FindDialog(forms::MainForm &main, QWidget *owner)
    : LayoutDialog(forms::findLayout(), owner), m_form(*this, main)
{
    bindEvents(m_form, layout(), controls(), this);
    m_form.Form_Load();
}

QListWidget *FindDialog::hits() const
{
    return controls().as<QListWidget>(FindControl::lstHits);
}

// A lone surrogate becomes U+FFFD, a character no model has, as in the Windows edition;
// QString::toUtf8 would write '?', which reads as a separator.
std::string FindDialog::modelText() const
{
    QStringEncoder toUtf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    const QByteArray text = toUtf8(controls().as<QLineEdit>(FindControl::txtModel)->text());
    return text.toStdString();
}

void FindDialog::setHits(std::span<const std::string> lines)
{
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string &line : lines)
        items << fromUtf8(line);
    hits()->clear();
    hits()->addItems(items);
}

void FindDialog::selectHit(int index)
{
    hits()->setCurrentRow(index);
}

int FindDialog::selectedHit() const
{
    return hits()->currentRow();
}

void FindDialog::setStatus(std::string_view text)
{
    controls().as<QLabel>(FindControl::lblStatus)->setText(fromUtf8(text));
}

void FindDialog::setToday(std::string_view text)
{
    controls().as<QLabel>(FindControl::lblTodayModels)->setText(fromUtf8(text));
}

void FindDialog::closeWindow()
{
    discard();
}

} // namespace selmak::ui
