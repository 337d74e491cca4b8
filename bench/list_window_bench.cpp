// SPDX-License-Identifier: MIT
// The Qt list window, everything included: the box's change, the rows read and answered, the
// table's model reset, the status set, and the window laid out and drawn again. A paste of a
// bill of 10,000 and of 100,000 rows, the same paste into a plain box alone (and emptied again,
// both timed), then a keystroke at the end of the longer one.
#include "ui/qt/main_window.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <array>

class ListWindowBench : public QObject
{
    Q_OBJECT

private:
    // As list_bench's bill: a position, a code and a quantity a row.
    static QString bill(int rows)
    {
        static const std::array<QString, 12> codes {
            "LC1D18M7",  "3RT2026-1AP00", "DILM9-10(230V50HZ)", "КМИ-11811", "7,5 кВт", "12 А",
            "A26-30-10", "lc1d32p7",      "AF26-30-00-13",      "XYZ-1",     "CI 16",   "BF09",
        };
        QString text = QStringLiteral("Поз.\tОбозначение\tКол.\n");
        for (int i = 1; i <= rows; ++i)
            text += QStringLiteral("%1\t%2\t%3\n")
                        .arg(i)
                        .arg(codes[i % codes.size()])
                        .arg(i % 7 + 1);
        return text;
    }

    QPlainTextEdit *openList(selmak::ui::MainWindow &window)
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return nullptr;
        window.showList();
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String("frmList"))
                return top->findChild<QPlainTextEdit *>(QStringLiteral("txtList"));
        }
        return nullptr;
    }

private slots:
    void paste_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("10,000 rows") << 10000;
        QTest::newRow("100,000 rows") << 100000;
    }

    // Each round pastes the bill into the empty box and draws the window; emptying the box
    // afterwards is not timed.
    void paste()
    {
        QFETCH(int, rows);
        selmak::ui::MainWindow window([](QWidget *, const QString &) {});
        QPlainTextEdit *box = openList(window);
        QVERIFY(box);
        const QString text = bill(rows);
        QElapsedTimer timer;
        qint64 total = 0;
        int rounds = 0;
        QBENCHMARK
        {
            box->clear();
            QApplication::processEvents();
            timer.start();
            box->setPlainText(text);
            QApplication::processEvents();
            total += timer.nsecsElapsed();
            ++rounds;
        }
        qInfo("%s: %.1f ms a paste, the box emptied before it aside", QTest::currentDataTag(),
              static_cast<double>(total) / rounds / 1e6);
    }

    void bareBox_data() { paste_data(); }

    // The same paste into a plain box of the same size and font, alone: what Qt's box costs.
    void bareBox()
    {
        QFETCH(int, rows);
        selmak::ui::MainWindow window([](QWidget *, const QString &) {});
        QPlainTextEdit *listBox = openList(window);
        QVERIFY(listBox);
        QPlainTextEdit box;
        box.setFont(listBox->font());
        box.setLineWrapMode(QPlainTextEdit::NoWrap);
        box.resize(listBox->size());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QString text = bill(rows);
        QBENCHMARK
        {
            box.setPlainText(text);
            QApplication::processEvents();
            box.clear();
            QApplication::processEvents();
        }
    }

    // Two edits a round, both drawn: a character typed at the end of the last row, then taken
    // back.
    void keystroke()
    {
        selmak::ui::MainWindow window([](QWidget *, const QString &) {});
        QPlainTextEdit *box = openList(window);
        QVERIFY(box);
        box->setPlainText(bill(100000));
        box->moveCursor(QTextCursor::End);
        QApplication::processEvents();
        QBENCHMARK
        {
            box->insertPlainText(QStringLiteral("X"));
            QApplication::processEvents();
            box->textCursor().deletePreviousChar();
            QApplication::processEvents();
        }
    }
};

QTEST_MAIN(ListWindowBench)
#include "list_window_bench.moc"
