// SPDX-License-Identifier: MIT
#include "ui/qt/about_dialog.h"
#include "ui/qt/main_window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <memory>

using namespace selmak::ui;

// Stands in for the desktop's browser launcher.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

class tst_AboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void textsAreSetWhenItLoads();
    void closesOnKey_data();
    void closesOnKey();
    void reopeningLoadsAgain();
    void oneDialogAtMost();
    void mainWindowWorksWhileItIsOpen();
    void linkOpensTheFixedAddress();
    void doubleClickOnTheLinkOpensItOnce();
    void opensCentredOverTheMainWindow();
    void tabGoesBetweenButtonAndPicture();

private:
    AboutDialog *openAbout();
    static QList<AboutDialog *> openDialogs();

    std::unique_ptr<MainWindow> m_window;
    QStringList m_warnings;
    UrlCatcher m_urls;
};

void tst_AboutDialog::init()
{
    m_warnings.clear();
    m_window
        = std::make_unique<MainWindow>([this](QWidget *, const QString &t) { m_warnings << t; });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_urls, "open");
    m_urls.opened.clear();
}

void tst_AboutDialog::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    m_window.reset(); // takes an open dialog with it
    QVERIFY(openDialogs().isEmpty());
}

QList<AboutDialog *> tst_AboutDialog::openDialogs()
{
    QList<AboutDialog *> dialogs;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *about = qobject_cast<AboutDialog *>(w))
            dialogs << about;
    }
    return dialogs;
}

AboutDialog *tst_AboutDialog::openAbout()
{
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmbAbout")),
                      Qt::LeftButton);
    const QList<AboutDialog *> dialogs = openDialogs();
    return dialogs.size() == 1 ? dialogs.front() : nullptr;
}

void tst_AboutDialog::textsAreSetWhenItLoads()
{
    AboutDialog *about = openAbout();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("О програме..."));
    QCOMPARE(about->findChild<QLabel *>("lblTitle")->text(), QStringLiteral("Подбор контакроров."));
    QCOMPARE(about->findChild<QLabel *>("lblVersion")->text(), QStringLiteral("Версия 0.9.0"));
    QCOMPARE(about->findChild<QLabel *>("lblURL")->text(),
             QStringLiteral(" http://www.tarvis.example"));
    const QString description = about->findChild<QLabel *>("lblDescription")->text();
    const QStringList lines = description.split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].startsWith(QStringLiteral("Программа помогает")));
    QCOMPARE(lines[1], QStringLiteral("Разработчик:  ООО \"Тарвис\""));
    QCOMPARE(lines[2], QStringLiteral("E-mail:  info@tarvis.example"));
    QCOMPARE(about->size(), QSize(380, 211));
    QVERIFY(!about->parentWidget());
}

void tst_AboutDialog::closesOnKey_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Space on OK") << int(Qt::Key_Space);
}

void tst_AboutDialog::closesOnKey()
{
    QFETCH(int, key);
    QPointer<AboutDialog> about = openAbout();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowActive(about));
    QCOMPARE(QApplication::focusWidget(), about->findChild<QWidget *>("cmdOK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QTRY_VERIFY(about.isNull()); // closed and discarded
}

void tst_AboutDialog::reopeningLoadsAgain()
{
    QPointer<AboutDialog> first = openAbout();
    QTest::mouseClick(first->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(first.isNull());
    AboutDialog *second = openAbout();
    QVERIFY(second);
    QCOMPARE(second->windowTitle(), QStringLiteral("О програме..."));
    QCOMPARE(second->findChild<QLabel *>("lblTitle")->text(),
             QStringLiteral("Подбор контакроров."));
}

void tst_AboutDialog::oneDialogAtMost()
{
    AboutDialog *first = openAbout();
    QVERIFY(first);
    first->lower();
    AboutDialog *again = openAbout();
    QCOMPARE(again, first);
    QCOMPARE(openDialogs().size(), 1);
}

void tst_AboutDialog::mainWindowWorksWhileItIsOpen()
{
    QVERIFY(openAbout());
    auto *box = m_window->findChild<QLineEdit *>(QStringLiteral("txtPower"));
    QTest::keyClicks(box, QStringLiteral("22"));
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmbChoose")),
                      Qt::LeftButton);
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblPower"))->text(),
             QStringLiteral("22"));
    QVERIFY(m_warnings.isEmpty());
}

void tst_AboutDialog::linkOpensTheFixedAddress()
{
    AboutDialog *about = openAbout();
    QTest::mouseClick(about->findChild<QLabel *>("lblURL"), Qt::LeftButton);
    QCOMPARE(m_urls.opened, QList<QUrl> { QUrl(QStringLiteral("http://www.tarvis.example/")) });
    QVERIFY(about->isVisible());
}

void tst_AboutDialog::doubleClickOnTheLinkOpensItOnce()
{
    AboutDialog *about = openAbout();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    // Through the window, as the platform delivers it: press, release, press, double-click,
    // release.
    QWindow *window = about->windowHandle();
    const QPoint at = about->findChild<QLabel *>("lblURL")->geometry().center();
    QTest::mouseDClick(window, Qt::LeftButton, {}, at);
    QCOMPARE(m_urls.opened.size(), 1);
}

void tst_AboutDialog::opensCentredOverTheMainWindow()
{
    m_window->move(40, 30);
    AboutDialog *about = openAbout();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    const QPoint offset = about->frameGeometry().center() - m_window->frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
}

void tst_AboutDialog::tabGoesBetweenButtonAndPicture()
{
    AboutDialog *about = openAbout();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QStringList visited;
    for (int i = 0; i < 3; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, (QStringList { "cmdOK", "Picture1", "cmdOK" }));
}

QTEST_MAIN(tst_AboutDialog)
#include "tst_aboutdialog.moc"
