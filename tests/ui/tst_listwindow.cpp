// SPDX-License-Identifier: MIT
// The list window's binding to Qt: how it opens, one paste, one copy, and one open and save round
// trip through injected file dialogs. What the table holds is the form's, tested in tests/forms.
#include "control_named.h"
#include "ui/qt/fonts.h"
#include "ui/qt/list_dialog.h"
#include "ui/qt/main_window.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace selmak::ui;

class tst_ListWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensByCtrlLBesideTheMainWindow();
    void aPasteFillsTheTable();
    void copyPutsTheTableOnTheClipboard();
    void savesAnOpenedBillBackInItsOwnColumns();

private:
    ListDialog *openList();
    QStringList shownRow(ListDialog *list, int row) const;

    QTemporaryDir m_folder;
    QStringList m_messages;
    std::unique_ptr<MainWindow> m_window;
};

void tst_ListWindow::initTestCase()
{
    substituteMissingFaces();
    QVERIFY(m_folder.isValid());
}

void tst_ListWindow::init()
{
    m_messages.clear();
    FileDialogs files {
        [this](QWidget *) { return m_folder.filePath(QStringLiteral("bom.csv")); },
        [this](QWidget *, const QString &suggested) {
            return m_folder.filePath(QFileInfo(suggested).fileName());
        },
    };
    m_window = std::make_unique<MainWindow>(
        [this](QWidget *, const QString &text) { m_messages << text; }, files);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_ListWindow::cleanup()
{
    m_window.reset(); // takes an open list window with it
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<ListDialog *>(w));
}

// By Ctrl+L on the main window, made active first as a person's click would.
ListDialog *tst_ListWindow::openList()
{
    m_window->activateWindow();
    if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == m_window.get(); }))
        return nullptr;
    QTest::keyClick(m_window.get(), Qt::Key_L, Qt::ControlModifier);
    ListDialog *list = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<ListDialog *>(w))
            list = found;
    }
    return list && QTest::qWaitFor([list] { return QApplication::activeWindow() == list; })
        ? list
        : nullptr;
}

QStringList tst_ListWindow::shownRow(ListDialog *list, int row) const
{
    const QAbstractItemModel *model = child<QTableView>(list, "grdResult")->model();
    QStringList cells;
    for (int c = 0; c < model->columnCount(); ++c)
        cells << model->index(row, c).data().toString();
    return cells;
}

// Modeless, owned by the main window, the box focused; each control is read out by its name and
// role; a second Ctrl+L brings the same window forward.
void tst_ListWindow::opensByCtrlLBesideTheMainWindow()
{
    ListDialog *list = openList();
    QVERIFY(list);
    QCOMPARE(list->windowTitle(), QStringLiteral("Замена по списку"));
    QCOMPARE(list->parentWidget(), m_window.get());
    QVERIFY(!list->isModal());
    QCOMPARE(list->size(), QSize(720, 498));
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(list, "txtList"));
    const struct
    {
        const char *name;
        QAccessible::Role role;
        const char *said;
    } controls[] = {
        { "txtList", QAccessible::EditableText, "Обозначения, мощности или токи" },
        { "txtColumn", QAccessible::EditableText, "Столбец" },
        { "cboTo", QAccessible::ComboBox, "Производитель" },
        { "grdResult", QAccessible::Table, "Результаты" },
        { "cmdOpen", QAccessible::Button, "Открыть..." },
    };
    for (const auto &c : controls) {
        QAccessibleInterface *control
            = QAccessible::queryAccessibleInterface(child<QWidget>(list, c.name));
        QVERIFY(control);
        QCOMPARE(control->role(), c.role);
        // A drop-down's name on Linux is its line: the label above it says what it is for.
        if (c.role == QAccessible::ComboBox) {
            QCOMPARE(child<QWidget>(list, c.name)->accessibleName(), QString::fromUtf8(c.said));
            const auto labels = control->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.front().first->text(QAccessible::Name),
                     QStringLiteral("Производитель:"));
        } else {
            QCOMPARE(control->text(QAccessible::Name), QString::fromUtf8(c.said));
        }
    }
    QCOMPARE(child<QComboBox>(list, "cboTo")->currentText(), QStringLiteral("Все производители"));
    QCOMPARE(child<QComboBox>(list, "cboTo")->count(), 15);
    QCOMPARE(openList(), list);
}

// Twenty part numbers and their quantities pasted as Excel puts cells on the clipboard.
void tst_ListWindow::aPasteFillsTheTable()
{
    ListDialog *list = openList();
    QVERIFY(list);
    QString pasted;
    for (int i = 0; i < 20; ++i)
        pasted
            += (i % 2 ? QStringLiteral("LC1D18M7\t%1\n") : QStringLiteral("DILM9-10\t%1\n")).arg(i);
    QApplication::clipboard()->setText(pasted);
    child<QPlainTextEdit>(list, "txtList")->paste();
    auto *table = child<QTableView>(list, "grdResult");
    QCOMPARE(table->model()->rowCount(), 20);
    QCOMPARE(shownRow(list, 1).mid(0, 5), (QStringList { "LC1D18M7", "1", "3", "7.5", "15.2" }));
    QCOMPARE(child<QLabel>(list, "lblStatus")->text(),
             QStringLiteral("Строк: 20, найдено: 20, не найдено: 0"));
    child<QLineEdit>(list, "txtColumn")->setText(QStringLiteral("2"));
    child<QComboBox>(list, "cboTo")->setCurrentIndex(10);
    QCOMPARE(shownRow(list, 0),
             (QStringList { "DILM9-10", "0", "", "", "", "", "",
                            "Значение мощности должно находиться в пределах (2.3...250 кВт)" }));
    QCOMPARE(table->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("кВт"));
    QCOMPARE(table->columnWidth(0), 80); // a quantity
    QCOMPARE(table->columnWidth(1), 120); // the cell looked up
}

void tst_ListWindow::copyPutsTheTableOnTheClipboard()
{
    ListDialog *list = openList();
    QVERIFY(list);
    child<QComboBox>(list, "cboTo")->setCurrentIndex(10); // Moeller
    child<QPlainTextEdit>(list, "txtList")->setPlainText(QStringLiteral("LC1D18\nXYZ-1"));
    QApplication::clipboard()->clear();
    QTest::mouseClick(child<QPushButton>(list, "cmdCopy"), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("Строка\tСтупень\tкВт\tА\tMoeller\tMoeller сегодня\tПримечание\r\n"
                            "LC1D18\t3\t7.5\t15.2\tDILM15\tDILM15\t\r\n"
                            "XYZ-1\t\t\t\t\t\tВ каталоге нет модели, с которой начинается это "
                            "обозначение\r\n"));
}

// A bill as Russian Excel saves "CSV (разделители – запятые)", Windows-1251 with ';', opened and
// saved: every line comes back byte for byte, the answer's columns after it.
void tst_ListWindow::savesAnOpenedBillBackInItsOwnColumns()
{
    const QByteArray bill
        = "\xCF\xEE\xE7.;\xCE\xE1\xEE\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5;\xCA\xEE\xEB.\r\n"
          "1;LC1D18M7;2\r\n"
          "2;\xCA\xCC\xC8-11811;1\r\n";
    QFile file(m_folder.filePath(QStringLiteral("bom.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bill);
    file.close();
    ListDialog *list = openList();
    QVERIFY(list);
    child<QLineEdit>(list, "txtColumn")->setText(QStringLiteral("2"));
    QTest::mouseClick(child<QPushButton>(list, "cmdOpen"), Qt::LeftButton);
    QCOMPARE(child<QPlainTextEdit>(list, "txtList")->toPlainText(),
             QStringLiteral("Поз.\tОбозначение\tКол.\n1\tLC1D18M7\t2\n2\tКМИ-11811\t1\n"));
    QCOMPARE(
        child<QTableView>(list, "grdResult")->model()->headerData(1, Qt::Horizontal).toString(),
        QStringLiteral("Обозначение"));
    QTest::mouseClick(child<QPushButton>(list, "cmdSave"), Qt::LeftButton);
    QFile saved(m_folder.filePath(QStringLiteral("bom-замена.csv")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    const QList<QByteArray> own = bill.split('\n');
    QCOMPARE(lines.size(), own.size());
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        QVERIFY2(lines[i].startsWith(own[i].chopped(1) + ';'), lines[i].constData());
    QVERIFY(lines[1].contains(";3;7.5;15.2;"));
    QVERIFY(lines[2].contains(";1;4;8.5;")); // КМИ-11811: step 1
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(tst_ListWindow)
#include "tst_listwindow.moc"
