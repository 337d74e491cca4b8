// SPDX-License-Identifier: MIT
// The latency of one click on the select button: read, classify and fill the sixteen labels.
#include "ui/qt/main_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class SelectBench : public QObject
{
    Q_OBJECT

private slots:
    void selectClick_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("in a class") << QStringLiteral("7.5");
        QTest::newRow("unit after the number") << QStringLiteral("18.5 кВт");
        QTest::newRow("out of range") << QStringLiteral("999");
    }

    void selectClick()
    {
        QFETCH(QString, text);
        selmak::ui::MainWindow window([](QWidget *, const QString &) {});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<QLineEdit *>(QStringLiteral("txtPower"))->setText(text);
        auto *choose = window.findChild<QPushButton *>(QStringLiteral("cmbChoose"));
        QBENCHMARK
        {
            choose->click();
        }
    }
};

QTEST_MAIN(SelectBench)
#include "select_bench.moc"
