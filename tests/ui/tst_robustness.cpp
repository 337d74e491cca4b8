// SPDX-License-Identifier: MIT
#include "core/catalog.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

using namespace selmak::ui;

namespace {

// The catalogue row the result labels show, or 0 when they show no single row.
int shownRow(const QWidget &window)
{
    for (int row = selmak::Catalog::kFirstStep; row <= selmak::Catalog::kLastStep; ++row) {
        bool all = true;
        for (const selmak::ColumnInfo &info : selmak::kColumns) {
            const auto cell = *selmak::Catalog::cell(info.column, row);
            const auto *label
                = window.findChild<QLabel *>(QString::fromLatin1(info.resultLabel.data()));
            all = all && label->text() == QString::fromUtf8(cell.data(), qsizetype(cell.size()));
        }
        if (all)
            return row;
    }
    return 0;
}

} // namespace

class tst_Robustness : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pastedTexts_data();
    void pastedTexts();
    void randomSession();

private:
    template<typename T> T *child(const char *name) const
    {
        return m_window->findChild<T *>(QString::fromLatin1(name));
    }

    int m_warnings = 0;
    std::unique_ptr<MainWindow> m_window;
};

void tst_Robustness::init()
{
    m_warnings = 0;
    m_window = std::make_unique<MainWindow>([this](QWidget *, const QString &) { ++m_warnings; });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_Robustness::cleanup()
{
    m_window.reset();
}

void tst_Robustness::pastedTexts_data()
{
    QTest::addColumn<bool>("current");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("warnings");
    const QString mebibyte(1 << 20, QLatin1Char('x'));
    QTest::newRow("1 MiB after a power") << false << (QStringLiteral("7.5") + mebibyte) << 3 << 0;
    QTest::newRow("1 MiB of blanks and a current")
        << true << (QString(1 << 20, QLatin1Char(' ')) + QStringLiteral("30")) << 6 << 0;
    QTest::newRow("100 000 digits") << false << QString(100000, QLatin1Char('9')) << 1 << 1;
    QTest::newRow("100 000 fraction digits")
        << true << (QStringLiteral("0.") + QString(100000, QLatin1Char('0')) + "1") << 1 << 1;
    QTest::newRow("20-digit exponent")
        << false << QStringLiteral("1e99999999999999999999") << 1 << 1;
    QTest::newRow("20-digit negative exponent")
        << true << QStringLiteral("5e-99999999999999999999") << 1 << 1;
    QTest::newRow("invalid UTF-8 before the number") << false
                                                     << QString::fromUtf8("\xff\xfe\x80"
                                                                          "7.5")
                                                     << 1 << 1;
    QTest::newRow("invalid UTF-8 after the number")
        << false << QString::fromUtf8("7.5\xc3\x28\xa0\xa1") << 3 << 0;
    QTest::newRow("lone surrogate") << true << (QStringLiteral("100") + QChar(0xd800)) << 12 << 0;
}

void tst_Robustness::pastedTexts()
{
    QFETCH(bool, current);
    QFETCH(QString, text);
    QFETCH(int, row);
    QFETCH(int, warnings);
    if (current)
        QTest::mouseClick(child<QRadioButton>("optCurrent"), Qt::LeftButton, {}, QPoint(6, 9));
    QLineEdit *box = child<QLineEdit>(current ? "txtCurrent" : "txtPower");
    QApplication::clipboard()->setText(text);
    box->setFocus();
    box->paste();
    QCOMPARE(box->text().size(), text.size());
    QTest::mouseClick(child<QPushButton>("cmbChoose"), Qt::LeftButton);
    QCOMPARE(shownRow(*m_window), row);
    QCOMPARE(m_warnings, warnings);
}

void tst_Robustness::randomSession()
{
    QRandomGenerator random(20261207);
    const QStringList texts { "",    "7.5", "11",        "4.00005",   "250",    "250.0001",
                              "-3",  "abc", "1e400",     "6.6",       "8.8001", "500",
                              "501", "5,5", " 1 8 . 5 ", "0.0000001", "132" };
    QTest::mouseClick(child<QWidget>("Hide"), Qt::LeftButton);

    for (int action = 0; action < 10000; ++action) {
        const int warningsBefore = m_warnings;
        switch (random.bounded(7)) {
        case 0: {
            QLineEdit *box = child<QLineEdit>(random.bounded(2) ? "txtPower" : "txtCurrent");
            if (box->isEnabled())
                box->setText(texts[random.bounded(texts.size())]);
            break;
        }
        case 1:
            child<QRadioButton>(random.bounded(2) ? "optPower" : "optCurrent")->click();
            break;
        case 2:
        case 3:
            child<QPushButton>("cmbChoose")->click();
            break;
        case 4:
            child<QPushButton>(random.bounded(2) ? "back" : "far")->click();
            break;
        case 5:
            child<QPushButton>("cmbAbout")->click();
            break;
        case 6:
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *about = qobject_cast<AboutDialog *>(w))
                    about->close();
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            break;
        }
        const int row = shownRow(*m_window);
        QVERIFY2(row >= 1 && row <= 19, qPrintable(QStringLiteral("action %1").arg(action)));
        QVERIFY2(m_warnings - warningsBefore <= 1,
                 qPrintable(QStringLiteral("action %1").arg(action)));
        QVERIFY(child<QLineEdit>("txtPower")->isEnabled()
                != child<QLineEdit>("txtCurrent")->isEnabled());
    }
}

QTEST_MAIN(tst_Robustness)
#include "tst_robustness.moc"
