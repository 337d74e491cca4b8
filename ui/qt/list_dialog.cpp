// SPDX-License-Identifier: MIT
#include "ui/qt/list_dialog.h"

#include "forms/list_layout.h"
#include "forms/list_table.h"
#include "ui/qt/event_binding.h"
#include "ui/qt/list_table_model.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QStringEncoder>
#include <QTableView>

#include <algorithm>

namespace selmak::ui {
namespace {

using forms::ListControl;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A lone surrogate becomes U+FFFD, as in the find window.
std::string toUtf8(const QString &text)
{
    QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder(text);
    return bytes.toStdString();
}

} // namespace

ListDialog::ListDialog(Notifier notifier, FileDialogs files, QWidget *owner)
    : LayoutDialog(forms::listLayout(), owner),
      m_notifier(std::move(notifier)),
      m_files(std::move(files)),
      m_model(new ListTableModel(this)),
      m_form(*this)
{
    controls().as<QTableView>(ListControl::grdResult)->setModel(m_model);
    // Screen readers on Linux name a box by the label it is for, not by its own name.
    controls().as<QLabel>(ListControl::lblList)->setBuddy(controls()[ListControl::txtList]);
    controls().as<QLabel>(ListControl::lblColumn)->setBuddy(controls()[ListControl::txtColumn]);
    controls().as<QLabel>(ListControl::lblTo)->setBuddy(controls()[ListControl::cboTo]);
    bindEvents(m_form, layout(), controls(), this);
    m_form.Form_Load();
}

// The text as the box holds it, non-breaking spaces and all: a file's cells come back as they
// went in. Its lines are paragraphs, which Qt separates by U+2029.
std::string ListDialog::listText() const
{
    QString text = controls().as<QPlainTextEdit>(ListControl::txtList)->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return toUtf8(text);
}

void ListDialog::setListText(std::string_view text)
{
    controls().as<QPlainTextEdit>(ListControl::txtList)->setPlainText(fromUtf8(text));
}

std::string ListDialog::columnText() const
{
    return toUtf8(controls().as<QLineEdit>(ListControl::txtColumn)->text());
}

void ListDialog::setMakers(std::span<const std::string_view> names)
{
    QStringList items;
    for (const std::string_view name : names)
        items << fromUtf8(name);
    auto *box = controls().as<QComboBox>(ListControl::cboTo);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(0);
}

int ListDialog::selectedMaker() const
{
    return controls().as<QComboBox>(ListControl::cboTo)->currentIndex();
}

void ListDialog::showTable(const forms::ListTable &table)
{
    m_model->show(table);
    auto *view = controls().as<QTableView>(ListControl::grdResult);
    // A heading is never cut short: a maker's long name widens its column.
    const QHeaderView *header = view->horizontalHeader();
    for (std::size_t c = 0; c < table.columnCount(); ++c) {
        const int column = static_cast<int>(c);
        view->setColumnWidth(
            column,
            std::max(forms::twipsToPixels(table.widthTwips(c)), header->sectionSizeHint(column)));
    }
}

void ListDialog::setStatus(std::string_view text)
{
    controls().as<QLabel>(ListControl::lblStatus)->setText(fromUtf8(text));
}

void ListDialog::chooseFileToOpen()
{
    const QString path = m_files.openName(this);
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    m_folder = info.absolutePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_form.FileNotRead(toUtf8(info.fileName()));
        return;
    }
    const QByteArray bytes = file.readAll();
    m_form.FileRead(toUtf8(info.fileName()),
                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool ListDialog::saveFile(std::string_view name, std::string_view bytes)
{
    const QString suggested
        = m_folder.isEmpty() ? fromUtf8(name) : QDir(m_folder).filePath(fromUtf8(name));
    const QString path = m_files.saveName(this, suggested);
    if (path.isEmpty())
        return true;
    // Written whole or not at all: a failure leaves the file that was there.
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly)
        && file.write(bytes.data(), static_cast<qint64>(bytes.size()))
        == static_cast<qint64>(bytes.size())
        && file.commit();
}

void ListDialog::copyText(std::string_view text)
{
    QGuiApplication::clipboard()->setText(fromUtf8(text));
}

void ListDialog::showMessage(std::string_view text)
{
    m_notifier(this, fromUtf8(text));
}

void ListDialog::closeWindow()
{
    discard();
}

} // namespace selmak::ui
