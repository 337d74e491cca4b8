// SPDX-License-Identifier: MIT
#include "control_named.h"
#include "forms/today_line.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/find_dialog.h"
#include "ui/qt/fonts.h"
#include "ui/qt/main_window.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace selmak::ui;

class tst_FindWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opens_data();
    void opens();
    void oneAtATime();
    void contextMenuOffersFindListAndAbout();
    void typingListsTheHits_data();
    void typingListsTheHits();
    void hitsAreReadByScreenReaders();
    void todaysModelsFollowTheSelection();
    void showsTheChosenStep_data();
    void showsTheChosenStep();
    void escAndCloseDiscardIt_data();
    void escAndCloseDiscardIt();
    void goesWithTheMainWindow();

private:
    static QList<FindDialog *> findWindows();
    FindDialog *openFind();
    QString shown(const char *label) const { return child<QLabel>(m_window.get(), label)->text(); }

    QStringList m_warnings;
    std::unique_ptr<MainWindow> m_window;
};

void tst_FindWindow::initTestCase()
{
    substituteMissingFaces();
}

void tst_FindWindow::init()
{
    m_warnings.clear();
    m_window
        = std::make_unique<MainWindow>([this](QWidget *, const QString &t) { m_warnings << t; });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_FindWindow::cleanup()
{
    m_window.reset(); // takes an open find window with it
    QVERIFY(findWindows().isEmpty());
    for (QWidget *w : QApplication::topLevelWidgets())
        delete qobject_cast<AboutDialog *>(w);
}

QList<FindDialog *> tst_FindWindow::findWindows()
{
    QList<FindDialog *> windows;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *find = qobject_cast<FindDialog *>(w))
            windows << find;
    }
    return windows;
}

// By Ctrl+F on the main window, made active first as a person's click would; returns the find
// window once it is active.
FindDialog *tst_FindWindow::openFind()
{
    m_window->activateWindow();
    if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == m_window.get(); }))
        return nullptr;
    QTest::keyClick(m_window.get(), Qt::Key_F, Qt::ControlModifier);
    const QList<FindDialog *> windows = findWindows();
    if (windows.size() != 1)
        return nullptr;
    FindDialog *find = windows.front();
    return QTest::qWaitFor([find] { return QApplication::activeWindow() == find; }) ? find
                                                                                    : nullptr;
}

void tst_FindWindow::opens_data()
{
    QTest::addColumn<QString>("focus"); // where the focus is in the main window
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+F on exit") << "exit" << int(Qt::Key_F) << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+F in a box") << "txtPower" << int(Qt::Key_F) << int(Qt::ControlModifier);
    QTest::newRow("F3 on an option") << "optPower" << int(Qt::Key_F3) << int(Qt::NoModifier);
}

// Modeless, above the main window and owned by it, the part-number box focused.
void tst_FindWindow::opens()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QWidget *target = child<QWidget>(m_window.get(), qPrintable(focus));
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(findWindows().size(), 1);
    FindDialog *find = findWindows().front();
    QTRY_COMPARE(QApplication::activeWindow(), find);
    QCOMPARE(find->windowTitle(), QStringLiteral("Поиск по модели"));
    QCOMPARE(find->parentWidget(), m_window.get());
    QVERIFY(!find->isModal());
    QCOMPARE(find->size(), QSize(712, 320));
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(find, "txtModel"));
    QVERIFY(child<QPushButton>(find, "cmdShow")->isDefault());
    // The main window takes input while it is open.
    QTest::keyClicks(child<QLineEdit>(m_window.get(), "txtPower"), QStringLiteral("22"));
    QTest::mouseClick(child<QPushButton>(m_window.get(), "cmbChoose"), Qt::LeftButton);
    QCOMPARE(shown("lblPower"), QStringLiteral("22"));
}

void tst_FindWindow::oneAtATime()
{
    FindDialog *first = openFind();
    QVERIFY(first);
    QTest::keyClicks(child<QLineEdit>(first, "txtModel"), QStringLiteral("K65"));
    m_window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), m_window.get());
    QTest::keyClick(m_window.get(), Qt::Key_F3);
    QCOMPARE(findWindows(), QList<FindDialog *> { first });
    QTRY_COMPARE(QApplication::activeWindow(), first);
    QCOMPARE(child<QLineEdit>(first, "txtModel")->text(), QStringLiteral("K65"));
}

void tst_FindWindow::contextMenuOffersFindListAndAbout()
{
    const auto menuAt = [this](QPoint at) -> QMenu * {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, m_window->mapToGlobal(at));
        QApplication::sendEvent(m_window->childAt(at) ? m_window->childAt(at) : m_window.get(),
                                &event);
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
    };
    // On a result label, which has no menu of its own.
    QMenu *menu = menuAt(child<QWidget>(m_window.get(), "lblMoeller")->geometry().center());
    QVERIFY(menu);
    const QList<QAction *> items = menu->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->text(), QStringLiteral("Поиск по модели..."));
    QCOMPARE(items[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    QCOMPARE(items[1]->text(), QStringLiteral("Замена по списку..."));
    QCOMPARE(items[1]->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    QCOMPARE(items[2]->text(), QStringLiteral("О программе"));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(items[0]).center());
    QCOMPARE(findWindows().size(), 1);

    menu = menuAt(QPoint(5, 5)); // the bare window
    QVERIFY(menu);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions()[2]).center());
    bool aboutOpen = false;
    for (QWidget *w : QApplication::topLevelWidgets())
        aboutOpen = aboutOpen || (qobject_cast<AboutDialog *>(w) && w->isVisible());
    QVERIFY(aboutOpen);
    QCOMPARE(findWindows().size(), 1);
}

void tst_FindWindow::typingListsTheHits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("status");
    const QString noModel
        = QStringLiteral("В каталоге нет модели, с которой начинается это обозначение");
    QTest::newRow("typed") << "LC1D18" << 2
                           << "Telemecanique  LC1D18  —  ступень 3: 7.5 кВт, 15.2 А"
                           << "Найдено моделей: 2";
    // What follows the model is read as the rest of an order code that no rule explains.
    QTest::newRow("1 MiB pasted after a model")
        << QStringLiteral("LC1D18") + QString(1 << 20, QLatin1Char('x')) << 2
        << "Telemecanique  LC1D18  —  ступень 3: 7.5 кВт, 15.2 А; катушка не определена"
        << "Найдено моделей: 2";
    QTest::newRow("invalid UTF-8 pasted") << QString::fromUtf8("\xff\xfe"
                                                               "LC1D18")
                                          << 0 << "" << noModel;
    QTest::newRow("lone surrogate") << QStringLiteral("LC1D") + QChar(0xd800) << 0 << "" << noModel;
    QTest::newRow("NUL after a model")
        << QStringLiteral("DILM9") + QChar(0) << 1
        << "Moeller  DILM9  —  ступень 1: 4 кВт, 8.5 А; катушка не определена"
        << "Найдено моделей: 1";
    QTest::newRow("only separators") << " -/." << 0 << ""
                                     << "В обозначении нет ни букв, ни цифр";
    QTest::newRow("a long line") << "100-A110N" << 2
                                 << "Alien Bradey  100-A110N  —  ступень 11: 45 кВт, 81 А"
                                 << "Найдено моделей: 2";
    QTest::newRow("the longest line")
        << "3RT1015" << 1
        << "Siemens  3RT1015 (SIRIUS 3RT1, серия каталога)  —  3 кВт, "
           "7 А: меньше наименьшей ступени"
        << "Найдено моделей: 1";
    QTest::newRow("one letter") << "L" << 55 << "AEG  LS4  —  ступень 1: 4 кВт, 8.5 А"
                                << "Это только начало обозначения; подходят модели: 55";
}

// Each edit searches at once, by typing or by a paste; the window stays whole.
void tst_FindWindow::typingListsTheHits()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, status);
    FindDialog *find = openFind();
    QVERIFY(find);
    auto *box = child<QLineEdit>(find, "txtModel");
    static const QRegularExpression typeable(QStringLiteral("^[A-Za-z0-9]{1,10}$"));
    if (typeable.match(text).hasMatch()) {
        QTest::keyClicks(box, text);
    } else {
        QApplication::clipboard()->setText(text);
        box->paste();
    }
    QCOMPARE(box->text(), text.left(256)); // a part number's room, however much is pasted
    auto *list = child<QListWidget>(find, "lstHits");
    QCOMPARE(list->count(), count);
    QCOMPARE(list->currentRow(), count > 0 ? 0 : -1);
    if (count > 0)
        QCOMPARE(list->item(0)->text(), first);
    auto *label = child<QLabel>(find, "lblStatus");
    QCOMPARE(label->text(), status);
    QVERIFY2(label->heightForWidth(label->width()) <= label->height(), "the status is cut off");
    // A long list scrolls; a short one does not.
    QCOMPARE(list->verticalScrollBar()->isVisible(), count > 10);
    QCOMPARE(list->horizontalScrollBar()->isVisible(), false);
    QCOMPARE(shown("lblPower"), QStringLiteral("4"));
}

void tst_FindWindow::hitsAreReadByScreenReaders()
{
    FindDialog *find = openFind();
    QTest::keyClicks(child<QLineEdit>(find, "txtModel"), QStringLiteral("LS27"));
    QAccessibleInterface *list
        = QAccessible::queryAccessibleInterface(child<QListWidget>(find, "lstHits"));
    QVERIFY(list);
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Найденные модели"));
    QStringList names;
    for (int i = 0; i < list->childCount(); ++i) {
        if (list->child(i)->role() == QAccessible::ListItem)
            names << list->child(i)->text(QAccessible::Name);
    }
    QCOMPARE(names,
             (QStringList { QStringLiteral("AEG  LS27  —  ступень 4: 11 кВт, 21.7 А"),
                            QStringLiteral("AEG  LS27  —  ступень 5: 11 кВт, 21.7 А") }));
}

// LC1D18 is in steps 3 and 4, whose models of today differ: the label under the hits follows the
// selection, by the keys and by the mouse, and is read out with its text.
void tst_FindWindow::todaysModelsFollowTheSelection()
{
    FindDialog *find = openFind();
    QVERIFY(find);
    QTest::keyClicks(child<QLineEdit>(find, "txtModel"), QStringLiteral("LC1D18"));
    auto *list = child<QListWidget>(find, "lstHits");
    auto *today = child<QLabel>(find, "lblTodayModels");
    const QString step3 = QString::fromStdString(selmak::forms::todayLine(3));
    const QString step4 = QString::fromStdString(selmak::forms::todayLine(4));
    QVERIFY(step3 != step4);
    QCOMPARE(child<QLabel>(find, "lblToday")->text(), QStringLiteral("Сегодня выпускаются:"));
    QCOMPARE(today->text(), step3);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(today->text(), step4);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QCOMPARE(today->text(), step3);
    QVERIFY2(today->heightForWidth(today->width()) <= today->height(),
             "today's models are cut off");
    QAccessibleInterface *label = QAccessible::queryAccessibleInterface(today);
    QVERIFY(label);
    QCOMPARE(label->text(QAccessible::Name), step3);
    QCOMPARE(shown("lblPower"), QStringLiteral("4"));
}

void tst_FindWindow::showsTheChosenStep_data()
{
    QTest::addColumn<int>("row"); // the hit chosen by the arrow keys
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("danfoss"); // the step's Danfoss model, shown afterwards
    QTest::newRow("Enter on the first") << 0 << "Enter in the box"
                                        << "CI20";
    QTest::newRow("Enter on the second") << 1 << "Enter in the list"
                                         << "CI25";
    QTest::newRow("Показать") << 1 << "Показать"
                              << "CI25";
    QTest::newRow("double-click") << 1 << "double-click"
                                  << "CI25";
}

// Rows 4 and 5 are both 11 kW; each hit shows its own. The find window stays open, and the
// main window keeps its boxes, its mode and its hidden step buttons.
void tst_FindWindow::showsTheChosenStep()
{
    QFETCH(int, row);
    QFETCH(QString, how);
    QFETCH(QString, danfoss);
    QTest::keyClicks(child<QLineEdit>(m_window.get(), "txtPower"), QStringLiteral("30"));
    FindDialog *find = openFind();
    QVERIFY(find);
    auto *box = child<QLineEdit>(find, "txtModel");
    auto *list = child<QListWidget>(find, "lstHits");
    QTest::keyClicks(box, QStringLiteral("LS27"));
    if (row > 0) {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
    }
    QCOMPARE(list->currentRow(), row);
    if (how == "Enter in the box")
        QTest::keyClick(box, Qt::Key_Return);
    else if (how == "Enter in the list")
        QTest::keyClick(list, Qt::Key_Return);
    else if (how == "Показать")
        QTest::mouseClick(child<QPushButton>(find, "cmdShow"), Qt::LeftButton);
    else
        // Through the window, as the platform delivers it: press, release, press, double-click,
        // release.
        QTest::mouseDClick(
            find->windowHandle(), Qt::LeftButton, {},
            list->viewport()->mapTo(find, list->visualItemRect(list->item(row)).center()));
    QCOMPARE(shown("lblDanfoss"), danfoss);
    QCOMPARE(shown("lblPower"), QStringLiteral("11"));
    QVERIFY(find->isVisible());
    QCOMPARE(child<QLineEdit>(m_window.get(), "txtPower")->text(), QStringLiteral("30"));
    QVERIFY(!child<QLineEdit>(m_window.get(), "txtCurrent")->isEnabled());
    QVERIFY(!child<QPushButton>(m_window.get(), "far")->isVisible());
    QVERIFY(m_warnings.isEmpty());
}

void tst_FindWindow::escAndCloseDiscardIt_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("Закрыть") << "Закрыть";
    QTest::newRow("close box") << "close box";
}

void tst_FindWindow::escAndCloseDiscardIt()
{
    QFETCH(QString, how);
    QPointer<FindDialog> find = openFind();
    QVERIFY(find);
    QTest::keyClicks(child<QLineEdit>(find, "txtModel"), QStringLiteral("LS27"));
    if (how == "Esc")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else if (how == "Закрыть")
        QTest::mouseClick(child<QPushButton>(find, "cmdClose"), Qt::LeftButton);
    else
        find->close();
    QTRY_VERIFY(find.isNull());
    QCOMPARE(shown("lblPower"), QStringLiteral("4")); // closing shows nothing
    FindDialog *again = openFind();
    QVERIFY(again);
    QVERIFY(child<QLineEdit>(again, "txtModel")->text().isEmpty());
}

void tst_FindWindow::goesWithTheMainWindow()
{
    QPointer<FindDialog> find = openFind();
    QVERIFY(find);
    m_window.reset();
    QVERIFY(find.isNull());
}

QTEST_MAIN(tst_FindWindow)
#include "tst_findwindow.moc"
