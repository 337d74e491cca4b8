// SPDX-License-Identifier: MIT
#include "ui/qt/about_dialog.h"
#include "ui/qt/fonts.h"
#include "ui/qt/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace selmak::ui;

namespace {

// Counts the warnings a window raises instead of showing boxes.
struct Warnings
{
    QStringList texts;
    Notifier notifier()
    {
        return [this](QWidget *, const QString &text) { texts << text; };
    }
};

const QString kPowerWarning
    = QStringLiteral("Значение мощности должно находиться в пределах (2.3...250 кВт)");
const QString kCurrentWarning
    = QStringLiteral("Значение силы тока должно находиться в пределах (6.6...500 A)");

// The labels of the result grid, read as a person reads them.
QString shown(const QWidget &window, const char *label)
{
    return window.findChild<QLabel *>(QString::fromLatin1(label))->text();
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensInPowerModeOnStepOne();
    void isFixedInSizeWithoutMinimiseOrMaximise();
    void selectThroughTheWidgets_data();
    void selectThroughTheWidgets();
    void oneClickWarnsOnce_data();
    void oneClickWarnsOnce();
    void warningBoxIsPlain();
    void selectionIgnoresTheLocale();
    void modeSwitchKeepsTextsAndResults();
    void typingKeepsSelectEnabled();
    void enterInABoxDoesNotSelect();
    void enterOnAFocusedButtonPressesIt_data();
    void enterOnAFocusedButtonPressesIt();
    void hotSpotShowsTheStepButtons_data();
    void hotSpotShowsTheStepButtons();
    void hotSpotIsNotReachedByKeyboard();
    void stepButtonsMoveWithinTheCatalogue();
    void tabOrder_data();
    void tabOrder();
    void screenReaderNames();
    void exitEndsWithStatusZeroAndNoCloseEvent();
    void closingTheWindowLeavesAboutOpen();

private:
    template<typename T> T *child(const char *name) const
    {
        T *widget = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    void select(const QString &mode, const QString &text);

    Warnings m_warnings;
    std::unique_ptr<MainWindow> m_window;
};

void tst_MainWindow::initTestCase()
{
    substituteMissingFaces();
}

void tst_MainWindow::init()
{
    m_warnings = {};
    m_window = std::make_unique<MainWindow>(m_warnings.notifier());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_MainWindow::cleanup()
{
    m_window.reset();
    for (QWidget *w : QApplication::topLevelWidgets())
        delete qobject_cast<AboutDialog *>(w);
}

void tst_MainWindow::select(const QString &mode, const QString &text)
{
    QRadioButton *option = child<QRadioButton>(mode == "power" ? "optPower" : "optCurrent");
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, 9));
    QVERIFY(option->isChecked());
    QLineEdit *box = child<QLineEdit>(mode == "power" ? "txtPower" : "txtCurrent");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    // QTest types ASCII only; other text arrives as a paste would.
    if (text.toLatin1() == text.toUtf8())
        QTest::keyClicks(box, text);
    else
        box->insert(text);
    QTest::mouseClick(child<QPushButton>("cmbChoose"), Qt::LeftButton);
}

void tst_MainWindow::opensInPowerModeOnStepOne()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Подбор контакторов"));
    QVERIFY(child<QRadioButton>("optPower")->isChecked());
    QVERIFY(!child<QRadioButton>("optCurrent")->isChecked());
    QVERIFY(child<QLineEdit>("txtPower")->isEnabled());
    QVERIFY(!child<QLineEdit>("txtCurrent")->isEnabled());
    QVERIFY(child<QLineEdit>("txtPower")->text().isEmpty());
    QVERIFY(child<QPushButton>("cmbChoose")->isEnabled());
    QVERIFY(!child<QPushButton>("back")->isVisible());
    QVERIFY(!child<QPushButton>("far")->isVisible());
    QCOMPARE(shown(*m_window, "lblPower"), QStringLiteral("4"));
    QCOMPARE(shown(*m_window, "lblCurrent"), QStringLiteral("8.5"));
    QCOMPARE(shown(*m_window, "lblMoeller"), QStringLiteral("DILM9"));
    QCOMPARE(shown(*m_window, "lblASKO"), QStringLiteral("ПМ 1-18"));
    QCOMPARE(QApplication::focusWidget(), child<QWidget>("exit"));
    QVERIFY(m_warnings.texts.isEmpty());
}

void tst_MainWindow::isFixedInSizeWithoutMinimiseOrMaximise()
{
    QCOMPARE(m_window->size(), QSize(613, 423));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
}

void tst_MainWindow::selectThroughTheWidgets_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("moeller");
    QTest::newRow("7.5 kW") << "power"
                            << "7.5"
                            << "7.5"
                            << "DILM15";
    QTest::newRow("unit after the number") << "power"
                                           << "7.5 кВт"
                                           << "7.5"
                                           << "DILM15";
    QTest::newRow("comma ends the number") << "power"
                                           << "5,5"
                                           << "5.5"
                                           << "DILM12";
    QTest::newRow("11 kW is the first 11 kW row") << "power"
                                                  << "11"
                                                  << "11"
                                                  << "DILM25";
    QTest::newRow("gap above 4 kW") << "power"
                                    << "4.00005"
                                    << "5.5"
                                    << "DILM12";
    QTest::newRow("250 kW") << "power"
                            << "250"
                            << "250"
                            << "DIL500";
    QTest::newRow("6.6 A") << "current"
                           << "6.6"
                           << "4"
                           << "DILM9";
    QTest::newRow("8.8001 A") << "current"
                              << "8.8001"
                              << "5.5"
                              << "DILM12";
    QTest::newRow("500 A") << "current"
                           << "500"
                           << "250"
                           << "DIL500";
}

void tst_MainWindow::selectThroughTheWidgets()
{
    QFETCH(QString, mode);
    QFETCH(QString, text);
    QFETCH(QString, power);
    QFETCH(QString, moeller);
    QTest::mouseClick(child<QPushButton>("cmbChoose"), Qt::LeftButton); // warns: the box is empty
    m_warnings.texts.clear();
    select(mode, text);
    QCOMPARE(shown(*m_window, "lblPower"), power);
    QCOMPARE(shown(*m_window, "lblMoeller"), moeller);
    QVERIFY(m_warnings.texts.isEmpty());
}

void tst_MainWindow::oneClickWarnsOnce_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("warning");
    QTest::newRow("empty power") << "power"
                                 << "" << kPowerWarning;
    QTest::newRow("2.29 kW") << "power"
                             << "2.29" << kPowerWarning;
    QTest::newRow("250.0001 kW") << "power"
                                 << "250.0001" << kPowerWarning;
    QTest::newRow("negative power") << "power"
                                    << "-5" << kPowerWarning;
    QTest::newRow("1e400 kW") << "power"
                              << "1e400" << kPowerWarning;
    QTest::newRow("6.59 A") << "current"
                            << "6.59" << kCurrentWarning;
    QTest::newRow("501 A") << "current"
                           << "501" << kCurrentWarning;
}

void tst_MainWindow::oneClickWarnsOnce()
{
    QFETCH(QString, mode);
    QFETCH(QString, text);
    QFETCH(QString, warning);
    select("power", "30");
    QCOMPARE(shown(*m_window, "lblPower"), QStringLiteral("30"));
    select(mode, text);
    QCOMPARE(m_warnings.texts, QStringList { warning });
    // The step on show stays.
    QCOMPARE(shown(*m_window, "lblPower"), QStringLiteral("30"));
}

void tst_MainWindow::warningBoxIsPlain()
{
    const auto box = makeWarningBox(m_window.get(), kPowerWarning);
    QCOMPARE(box->windowTitle(), QStringLiteral("selmak-1"));
    QCOMPARE(box->text(), kPowerWarning);
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box->parentWidget(), m_window.get());
}

void tst_MainWindow::selectionIgnoresTheLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    select("power", "5.5");
    const QString power = shown(*m_window, "lblPower");
    QLocale::setDefault(before);
    QCOMPARE(power, QStringLiteral("5.5"));
}

void tst_MainWindow::modeSwitchKeepsTextsAndResults()
{
    select("power", "45");
    select("current", "100");
    QCOMPARE(shown(*m_window, "lblPower"), QStringLiteral("55"));
    QTest::mouseClick(child<QRadioButton>("optPower"), Qt::LeftButton, {}, QPoint(6, 9));
    QVERIFY(child<QLineEdit>("txtPower")->isEnabled());
    QVERIFY(!child<QLineEdit>("txtCurrent")->isEnabled());
    QCOMPARE(child<QLineEdit>("txtPower")->text(), QStringLiteral("45"));
    QCOMPARE(child<QLineEdit>("txtCurrent")->text(), QStringLiteral("100"));
    QCOMPARE(shown(*m_window, "lblPower"), QStringLiteral("55"));
    // In current mode only the current is read, whatever the power box holds.
    QTest::mouseClick(child<QRadioButton>("optCurrent"), Qt::LeftButton, {}, QPoint(6, 9));
    QTest::mouseClick(child<QPushButton>("cmbChoose"), Qt::LeftButton);
    QCOMPARE(shown(*m_window, "lblPower"), QStringLiteral("55"));
    QVERIFY(m_warnings.texts.isEmpty());
}

void tst_MainWindow::typingKeepsSelectEnabled()
{
    QTest::keyClicks(child<QLineEdit>("txtPower"), QStringLiteral("abc"));
    QVERIFY(child<QPushButton>("cmbChoose")->isEnabled());
}

void tst_MainWindow::enterInABoxDoesNotSelect()
{
    QLineEdit *box = child<QLineEdit>("txtPower");
    QTest::keyClicks(box, QStringLiteral("100"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(shown(*m_window, "lblPower"), QStringLiteral("4"));
    QVERIFY(m_warnings.texts.isEmpty());
}

void tst_MainWindow::enterOnAFocusedButtonPressesIt_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("power");
    QTest::addColumn<bool>("aboutOpens");
    QTest::newRow("select") << "cmbChoose"
                            << "7.5" << false;
    QTest::newRow("one step up") << "far"
                                 << "5.5" << false;
    QTest::newRow("About") << "cmbAbout"
                           << "4" << true;
}

void tst_MainWindow::enterOnAFocusedButtonPressesIt()
{
    QFETCH(QString, button);
    QFETCH(QString, power);
    QFETCH(bool, aboutOpens);
    QTest::keyClicks(child<QLineEdit>("txtPower"), QStringLiteral("7.5"));
    QTest::mouseClick(child<QWidget>("Hide"), Qt::LeftButton);
    QWidget *target = child<QWidget>(qPrintable(button));
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(shown(*m_window, "lblPower"), power);
    bool aboutOpen = false;
    for (QWidget *w : QApplication::topLevelWidgets())
        aboutOpen = aboutOpen || (qobject_cast<AboutDialog *>(w) && w->isVisible());
    QCOMPARE(aboutOpen, aboutOpens);
}

void tst_MainWindow::hotSpotShowsTheStepButtons_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("shows");
    // The patch covers pixels (80, 296) to (112, 304) of the window.
    QTest::newRow("top left corner") << QPoint(80, 296) << true;
    QTest::newRow("bottom right corner") << QPoint(112, 304) << true;
    QTest::newRow("middle") << QPoint(96, 300) << true;
    QTest::newRow("just left") << QPoint(79, 300) << false;
    QTest::newRow("just above") << QPoint(96, 295) << false;
    QTest::newRow("just right") << QPoint(113, 300) << false;
    QTest::newRow("just below") << QPoint(96, 305) << false;
}

void tst_MainWindow::hotSpotShowsTheStepButtons()
{
    QFETCH(QPoint, at);
    QFETCH(bool, shows);
    QWidget *target = m_window->childAt(at);
    QTest::mouseClick(target ? target : m_window.get(), Qt::LeftButton, {},
                      target ? target->mapFrom(m_window.get(), at) : at);
    QCOMPARE(child<QPushButton>("back")->isVisible(), shows);
    QCOMPARE(child<QPushButton>("far")->isVisible(), shows);
    QCOMPARE(shown(*m_window, "lblPower"), QStringLiteral("4"));
}

void tst_MainWindow::hotSpotIsNotReachedByKeyboard()
{
    QCOMPARE(child<QWidget>("Hide")->focusPolicy(), Qt::NoFocus);
}

void tst_MainWindow::stepButtonsMoveWithinTheCatalogue()
{
    QTest::mouseClick(child<QWidget>("Hide"), Qt::LeftButton);
    auto *back = child<QPushButton>("back");
    auto *far = child<QPushButton>("far");
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(shown(*m_window, "lblPower"), QStringLiteral("4"));
    select("power", "11");
    QTest::mouseClick(far, Qt::LeftButton);
    // Row 5: the second 11 kW step, reached only by stepping.
    QCOMPARE(shown(*m_window, "lblPower"), QStringLiteral("11"));
    QCOMPARE(shown(*m_window, "lblDanfoss"), QStringLiteral("CI25"));
    for (int i = 0; i < 20; ++i)
        QTest::mouseClick(far, Qt::LeftButton);
    QCOMPARE(shown(*m_window, "lblPower"), QStringLiteral("250"));
    QCOMPARE(shown(*m_window, "lblASKO"), QStringLiteral("---"));
    QCOMPARE(child<QLineEdit>("txtPower")->text(), QStringLiteral("11"));
    QVERIFY(m_warnings.texts.isEmpty());
}

void tst_MainWindow::tabOrder_data()
{
    QTest::addColumn<bool>("stepButtonsShown");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("at start") << false << QStringList { "exit",      "txtPower", "cmbAbout",
                                                        "cmbChoose", "optPower", "exit" };
    QTest::newRow("step buttons shown")
        << true << QStringList { "exit",     "txtPower", "cmbAbout", "cmbChoose",
                                 "optPower", "back",     "far",      "exit" };
}

void tst_MainWindow::tabOrder()
{
    QFETCH(bool, stepButtonsShown);
    QFETCH(QStringList, order);
    if (stepButtonsShown)
        QTest::mouseClick(child<QWidget>("Hide"), Qt::LeftButton);
    child<QWidget>("exit")->setFocus();
    QStringList visited { QApplication::focusWidget()->objectName() };
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
}

void tst_MainWindow::screenReaderNames()
{
    QCOMPARE(child<QRadioButton>("optPower")->text(), QStringLiteral("Option1"));
    QCOMPARE(child<QRadioButton>("optPower")->accessibleName(),
             QStringLiteral("Номинальная мощность"));
    QCOMPARE(child<QRadioButton>("optCurrent")->accessibleName(),
             QStringLiteral("Номинальная сила тока"));
    QCOMPARE(child<QLabel>("lblMoeller")->accessibleDescription(), QStringLiteral("Moeller"));
    QCOMPARE(child<QLabel>("lblAlien_Brad")->accessibleDescription(),
             QStringLiteral("Alien Bradey"));
    QCOMPARE(child<QLabel>("lblASKO")->accessibleDescription(), QStringLiteral("АСКО"));
}

void tst_MainWindow::exitEndsWithStatusZeroAndNoCloseEvent()
{
    struct CloseCounter : QObject
    {
        int closes = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            closes += event->type() == QEvent::Close;
            return false;
        }
    } counter;
    m_window->installEventFilter(&counter);
    QTest::mouseClick(child<QPushButton>("cmbAbout"), Qt::LeftButton);
    QTimer::singleShot(0, this,
                       [this] { QTest::mouseClick(child<QPushButton>("exit"), Qt::LeftButton); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(counter.closes, 0);
}

void tst_MainWindow::closingTheWindowLeavesAboutOpen()
{
    QTest::mouseClick(child<QPushButton>("cmbAbout"), Qt::LeftButton);
    m_window->close();
    QVERIFY(!m_window->isVisible());
    bool aboutOpen = false;
    for (QWidget *w : QApplication::topLevelWidgets())
        aboutOpen = aboutOpen || (qobject_cast<AboutDialog *>(w) && w->isVisible());
    QVERIFY(aboutOpen);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
