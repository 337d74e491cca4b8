// SPDX-License-Identifier: MIT
#include "ui/about/about_dialog.h"

#include "ui/about/about_layout.h"
#include "ui/main/control_builder.h"
#include "ui/main/hot_spot.h"

#include <QDesktopServices>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace selmak::ui {

const QString AboutDialog::kSiteAddress = QStringLiteral("http://www.tarvis.example/");

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The dialog shows no icon: a blank one stands in for the application's.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));
    buildWindow(this, aboutLayout());
    m_lblTitle = findChild<QLabel *>(QStringLiteral("lblTitle"));
    m_lblVersion = findChild<QLabel *>(QStringLiteral("lblVersion"));

    connect(findChild<QPushButton *>(QStringLiteral("cmdOK")), &QPushButton::clicked, this,
            &AboutDialog::cmdOK_Click);
    connect(findChild<HotSpot *>(QStringLiteral("lblURL")), &HotSpot::clicked, this,
            &AboutDialog::lblURL_Click);

    Form_Load();
}

void AboutDialog::Form_Load()
{
    setWindowTitle(QStringLiteral("О програме..."));
    m_lblVersion->setText(QStringLiteral("Версия 0.9.0"));
    m_lblTitle->setText(QStringLiteral("Подбор контакроров."));
}

void AboutDialog::cmdOK_Click()
{
    close();
}

void AboutDialog::lblURL_Click()
{
    // Hands the address to the desktop's browser launcher; nothing waits and nothing is reported.
    QDesktopServices::openUrl(QUrl(kSiteAddress));
}

} // namespace selmak::ui
