// SPDX-License-Identifier: MIT
#include "ui/qt/about_dialog.h"

#include "forms/about_layout.h"
#include "ui/qt/control_builder.h"
#include "ui/qt/hot_spot.h"

#include <QDesktopServices>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include <array>

namespace selmak::ui {
namespace {

constexpr std::array<std::string_view, 4> kBound { "lblTitle", "lblVersion", "cmdOK", "lblURL" };

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The dialog shows no icon: a blank one stands in for the application's.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));
    buildWindow(this, forms::aboutLayout());
    m_lblTitle = findChild<QLabel *>(QStringLiteral("lblTitle"));
    m_lblVersion = findChild<QLabel *>(QStringLiteral("lblVersion"));

    connect(findChild<QPushButton *>(QStringLiteral("cmdOK")), &QPushButton::clicked, this,
            [this] { m_form.cmdOK_Click(); });
    connect(findChild<HotSpot *>(QStringLiteral("lblURL")), &HotSpot::clicked, this,
            [this] { m_form.lblURL_Click(); });

    m_form.Form_Load();
}

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void AboutDialog::requireBoundControls()
{
    requireControls(forms::aboutLayout(), kBound);
}

void AboutDialog::setTitle(std::string_view text)
{
    setWindowTitle(fromUtf8(text));
}

void AboutDialog::setLabel(forms::AboutLabel label, std::string_view text)
{
    (label == forms::AboutLabel::Title ? m_lblTitle : m_lblVersion)->setText(fromUtf8(text));
}

void AboutDialog::openAddress(std::string_view address)
{
    QDesktopServices::openUrl(QUrl(fromUtf8(address)));
}

void AboutDialog::closeDialog()
{
    close();
}

} // namespace selmak::ui
