// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;

namespace selmak::ui {

// Title, version, a short description and a link to the developer's site. Shown modeless and
// without an owner; closing it discards it.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    // What a click on the link opens: a fixed address of its own, not the caption shown.
    static const QString kSiteAddress;

private:
    void Form_Load();
    void cmdOK_Click();
    void lblURL_Click();

    QLabel *m_lblTitle;
    QLabel *m_lblVersion;
};

} // namespace selmak::ui
