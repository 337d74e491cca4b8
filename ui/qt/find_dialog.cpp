// SPDX-License-Identifier: MIT
#include "ui/qt/find_dialog.h"

#include "forms/find_layout.h"
#include "ui/qt/control_builder.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QStringEncoder>

#include <array>

namespace selmak::ui {
namespace {

constexpr std::array<std::string_view, 6> kBound { "txtModel",       "lstHits", "lblStatus",
                                                   "lblTodayModels", "cmdShow", "cmdClose" };

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

FindDialog::FindDialog(forms::MainForm &main, QWidget *owner)
    : QDialog(owner,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_form(*this, main)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Like About, the window shows no icon: a blank one stands in for the application's.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));
    buildWindow(this, forms::findLayout());
    m_txtModel = findChild<QLineEdit *>(QStringLiteral("txtModel"));
    m_lstHits = findChild<QListWidget *>(QStringLiteral("lstHits"));
    m_lblStatus = findChild<QLabel *>(QStringLiteral("lblStatus"));
    m_lblTodayModels = findChild<QLabel *>(QStringLiteral("lblTodayModels"));

    connect(m_txtModel, &QLineEdit::textChanged, this, [this] { m_form.txtModel_Change(); });
    // By the mouse or the keys; the form's own selection runs it too, which does no harm.
    connect(m_lstHits, &QListWidget::currentRowChanged, this, [this] { m_form.lstHits_Click(); });
    connect(m_lstHits, &QListWidget::itemDoubleClicked, this,
            [this] { m_form.lstHits_DblClick(); });
    connect(findChild<QPushButton *>(QStringLiteral("cmdShow")), &QPushButton::clicked, this,
            [this] { m_form.cmdShow_Click(); });
    connect(findChild<QPushButton *>(QStringLiteral("cmdClose")), &QPushButton::clicked, this,
            [this] { m_form.cmdClose_Click(); });

    m_form.Form_Load();
}

void FindDialog::requireBoundControls()
{
    requireControls(forms::findLayout(), kBound);
}

void FindDialog::reject()
{
    m_form.cmdClose_Click();
}

// A lone surrogate becomes U+FFFD, a character no model has, as in the Windows edition;
// QString::toUtf8 would write '?', which reads as a separator.
std::string FindDialog::modelText() const
{
    QStringEncoder toUtf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    const QByteArray text = toUtf8(m_txtModel->text());
    return text.toStdString();
}

void FindDialog::setHits(std::span<const std::string> lines)
{
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string &line : lines)
        items << fromUtf8(line);
    m_lstHits->clear();
    m_lstHits->addItems(items);
}

void FindDialog::selectHit(int index)
{
    m_lstHits->setCurrentRow(index);
}

int FindDialog::selectedHit() const
{
    return m_lstHits->currentRow();
}

void FindDialog::setStatus(std::string_view text)
{
    m_lblStatus->setText(fromUtf8(text));
}

void FindDialog::setToday(std::string_view text)
{
    m_lblTodayModels->setText(fromUtf8(text));
}

void FindDialog::closeWindow()
{
    QDialog::reject();
}

} // namespace selmak::ui
