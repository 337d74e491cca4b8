// SPDX-License-Identifier: MIT
// One keystroke in the Qt find window, everything included: the box's change, the search, the
// list widget emptied and filled, the first line selected, the status set.
#include "ui/qt/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

class FindWindowBench : public QObject
{
    Q_OBJECT

private slots:
    void keystroke_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("LC1D18: 2 lines") << QStringLiteral("LC1D18");
        QTest::newRow("L: 55 lines") << QStringLiteral("L");
        // What the box keeps of a huge paste: its 256 characters.
        QTest::newRow("256 characters")
            << QStringLiteral("LC1D18") + QString(250, QLatin1Char('x'));
    }

    // Each round types the text's last character and takes it back: two edits, two searches.
    void keystroke()
    {
        QFETCH(QString, text);
        selmak::ui::MainWindow window([](QWidget *, const QString &) {});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.showFind();
        QLineEdit *box = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String("frmFind"))
                box = top->findChild<QLineEdit *>(QStringLiteral("txtModel"));
        }
        QVERIFY(box);
        const QString shorter = text.chopped(1);
        box->setText(shorter);
        QBENCHMARK
        {
            box->setText(text);
            box->setText(shorter);
        }
    }
};

QTEST_MAIN(FindWindowBench)
#include "find_window_bench.moc"
