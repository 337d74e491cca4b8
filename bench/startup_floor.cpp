// SPDX-License-Identifier: MIT
// The floors for startup_bench: a bare widget of the main window's size, shown and painted once.
// With --with-text it also shows one line in one of the window's faces: the least that any window
// with text pays for the font database and a face. With --with-controls it shows the main window's
// own controls instead, built by hand in plain Qt from the rows of its table: the same widgets at
// the same places, in the same faces and colours, the results of the first step in their labels,
// without the program's builder, behaviour, menus or icon. The least that this window pays in Qt.
#include "core/catalog.h"
#include "first_paint.h"
#include "forms/main_layout.h"

#include <QApplication>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <vector>

namespace {

using selmak::forms::ControlKind;
using selmak::forms::ControlRow;

QFont fontOf(const selmak::forms::FontStyle &style)
{
    QFont font(QString::fromLatin1(style.face));
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    return font;
}

void paint(QWidget *widget, QPalette::ColorRole role, selmak::forms::Rgb rgb)
{
    QPalette palette = widget->palette();
    palette.setColor(role, QColor(rgb.red, rgb.green, rgb.blue));
    widget->setPalette(palette);
}

QWidget *makeControl(const ControlRow &row, QWidget *window)
{
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case ControlKind::TextBox:
        return new QLineEdit(caption, window);
    case ControlKind::Option:
        return new QRadioButton(caption, window);
    case ControlKind::Button:
        return new QPushButton(caption, window);
    case ControlKind::Label:
    case ControlKind::HotSpot:
    case ControlKind::Picture:
    case ControlKind::List:
    case ControlKind::TextArea:
    case ControlKind::DropDown:
    case ControlKind::Table:
        break;
    }
    auto *label = new QLabel(caption, window);
    label->setWordWrap(true);
    return label;
}

void addControls(QWidget *window)
{
    const selmak::forms::WindowLayout &layout = selmak::forms::mainLayout();
    const QStringList sans { QStringLiteral("Liberation Sans") };
    for (const char *face : { "Arial", "MS Sans Serif", "Tahoma" })
        QFont::insertSubstitutions(QString::fromLatin1(face), sans);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               { QStringLiteral("Liberation Serif") });
    QApplication::setFont(fontOf(selmak::forms::kClassicDialogFont));
    window->setFont(fontOf(layout.font));
    paint(window, QPalette::Window, *layout.background);
    window->setAutoFillBackground(true);
    std::vector<QWidget *> controls;
    for (const ControlRow &row : layout.controls) {
        QWidget *control = makeControl(row, window);
        controls.push_back(control);
        const selmak::forms::PixelRect place = selmak::forms::toPixels(row.twips);
        control->setGeometry(place.left, place.top, place.width, place.height);
        control->setFont(fontOf(row.font));
        if (row.text)
            paint(control, QPalette::WindowText, *row.text);
        if (row.background) {
            paint(control, QPalette::Window, *row.background);
            control->setAutoFillBackground(true);
        }
        control->setVisible(row.initially != selmak::forms::Initially::Hidden);
    }
    for (const selmak::ColumnInfo &info : selmak::kColumns) {
        const std::string_view text
            = *selmak::Catalog::cell(info.column, selmak::Catalog::kFirstStep);
        const selmak::forms::ControlId label = selmak::forms::resultLabel(info.column);
        static_cast<QLabel *>(controls[label.index])
            ->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    for (const selmak::forms::LineRow &row : layout.lines) {
        auto *line = new QFrame(window);
        const selmak::forms::PixelRect place = selmak::forms::linePixels(row.from, row.to);
        line->setFrameShape(place.height == 1 ? QFrame::HLine : QFrame::VLine);
        line->setGeometry(place.left, place.top, place.width, place.height);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(613, 423);
    const QStringList arguments = QApplication::arguments();
    if (arguments.contains(QStringLiteral("--with-text"))) {
        auto *label = new QLabel(QStringLiteral("Подбор контакторов"), &window);
        label->setFont(QFont(QStringLiteral("Liberation Sans"), 8));
        label->move(16, 16);
    } else if (arguments.contains(QStringLiteral("--with-controls"))) {
        addControls(&window);
    }
    QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
