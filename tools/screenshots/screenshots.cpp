// SPDX-License-Identifier: MIT
// Renders the README's pictures from the real windows: offscreen, at 96 dpi and in the faces the
// windows name (through their Liberation stand-ins), so that every machine draws the same pixels.
//   selmak_screenshots <folder>            writes the pictures
//   selmak_screenshots --check <folder>    fails when they differ from what the windows draw
#include "ui/qt/application.h"
#include "ui/qt/main_window.h"
#include "ui/qt/warning_box.h"
#include "window_picture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstdio>
#include <memory>

namespace {

// Drawn in another face, the pictures would show a machine's fonts rather than the program.
bool drawsInStandInFaces(const QWidget *window)
{
    bool ok = true;
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        const QString family = QFontInfo(widget->font()).family();
        if (!family.startsWith(QLatin1String("Liberation"))) {
            std::fprintf(stderr, "%s is drawn in %s; install fonts-liberation2\n",
                         qPrintable(widget->objectName()), qPrintable(family));
            ok = false;
        }
    }
    return ok;
}

// Cells of a bill as a spreadsheet puts them on the clipboard.
const QString kPastedBill = QStringLiteral("Поз.\tОбозначение\tКол.\n"
                                           "1\tLC1D18M7\t2\n"
                                           "2\t3RT2026-1AP00\t1\n"
                                           "3\tDILM9-10(230V50HZ)\t4\n"
                                           "4\tКМИ-11811\t2\n"
                                           "5\t7,5 кВт\t1\n"
                                           "6\t12 А\t1\n"
                                           "7\tXYZ-1\t1");

void settle()
{
    QApplication::processEvents();
}

// Writes each picture into the folder, or with check set compares it with the one already there.
class Shooter
{
public:
    Shooter(const QString &folder, bool check) : m_folder(folder), m_check(check) { }

    void save(const QImage &picture, const char *name)
    {
        const QString path = m_folder.filePath(QString::fromLatin1(name));
        if (m_check) {
            const QImage stored = QImage(path).convertToFormat(picture.format());
            if (stored.size() != picture.size() || stored != picture)
                fail(path, "differs from what the window draws now; run make screenshots");
        } else if (picture.save(path, "PNG")) {
            std::printf("wrote %s\n", qPrintable(path));
        } else {
            fail(path, "could not be written");
        }
    }
    bool ok() const { return m_ok; }

private:
    void fail(const QString &path, const char *why)
    {
        std::fprintf(stderr, "%s %s\n", qPrintable(path), why);
        m_ok = false;
    }

    QDir m_folder;
    bool m_check;
    bool m_ok = true;
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    QApplication app(argc, argv);
    selmak::ui::setUpApplication();
    // A text cursor that does not blink is drawn the same in every run.
    QApplication::setCursorFlashTime(0);

    QStringList arguments = QApplication::arguments().mid(1);
    const bool check = arguments.removeAll(QStringLiteral("--check")) > 0;
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: selmak_screenshots [--check] <folder>\n");
        return 2;
    }
    const QString folder = arguments.front();
    if (!check && !QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder));
        return 1;
    }
    Shooter shooter(folder, check);

    std::unique_ptr<QMessageBox> warning;
    selmak::ui::MainWindow window([&warning](QWidget *parent, const QString &text) {
        warning = selmak::ui::makeWarningBox(parent, text);
    });
    window.show();
    settle();
    if (!drawsInStandInFaces(&window))
        return 1;
    shooter.save(windowPicture(&window), "main-start.png");

    auto *power = window.findChild<QLineEdit *>(QStringLiteral("txtPower"));
    auto *choose = window.findChild<QPushButton *>(QStringLiteral("cmbChoose"));
    power->setText(QStringLiteral("7.5"));
    choose->click();
    settle();
    shooter.save(windowPicture(&window), "main-7.5kW.png");
    shooter.save(windowPicture(&window, 2.0), "main-7.5kW-200.png");

    power->setText(QStringLiteral("300"));
    choose->click();
    if (!warning) {
        std::fprintf(stderr, "300 kW raised no warning\n");
        return 1;
    }
    warning->show();
    settle();
    shooter.save(centredOver(windowPicture(&window), windowPicture(warning.get())),
                 "main-warning.png");
    warning.reset();

    window.findChild<QPushButton *>(QStringLiteral("cmbAbout"))->click();
    settle();
    QWidget *about = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("frmAbout") && top->isVisible())
            about = top;
    }
    if (!about || !drawsInStandInFaces(about)) {
        std::fprintf(stderr, "the About dialog did not open as expected\n");
        return 1;
    }
    shooter.save(windowPicture(about), "about.png");
    about->close();
    window.hide();

    // The find window beside a main window just opened, a part number typed.
    selmak::ui::MainWindow fresh;
    fresh.show();
    fresh.findChild<QAction *>(QStringLiteral("actFind"))->trigger();
    settle();
    QWidget *find = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("frmFind") && top->isVisible())
            find = top;
    }
    if (!find || !drawsInStandInFaces(find)) {
        std::fprintf(stderr, "the find window did not open as expected\n");
        return 1;
    }
    find->findChild<QLineEdit *>(QStringLiteral("txtModel"))->setText(QStringLiteral("LC1D18M7"));
    settle();
    shooter.save(besideRight(windowPicture(&fresh), windowPicture(find)), "find-LC1D18M7.png");

    // The list window after three columns of a bill pasted from a spreadsheet, the second one
    // looked up, Moeller chosen.
    fresh.findChild<QAction *>(QStringLiteral("actList"))->trigger();
    settle();
    QWidget *list = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("frmList") && top->isVisible())
            list = top;
    }
    if (!list || !drawsInStandInFaces(list)) {
        std::fprintf(stderr, "the list window did not open as expected\n");
        return 1;
    }
    list->findChild<QLineEdit *>(QStringLiteral("txtColumn"))->setText(QStringLiteral("2"));
    list->findChild<QComboBox *>(QStringLiteral("cboTo"))
        ->setCurrentText(QStringLiteral("Moeller"));
    list->findChild<QPlainTextEdit *>(QStringLiteral("txtList"))->setPlainText(kPastedBill);
    settle();
    shooter.save(windowPicture(list), "list-Moeller.png");
    shooter.save(windowPicture(list, 1.5), "list-Moeller-150.png");
    return shooter.ok() ? 0 : 1;
}
