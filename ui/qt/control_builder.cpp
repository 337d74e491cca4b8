// SPDX-License-Identifier: MIT
#include "ui/qt/control_builder.h"

#include "ui/qt/command_button.h"
#include "ui/qt/fonts.h"
#include "ui/qt/hot_spot.h"
#include "ui/qt/image_file.h"

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include <limits>

namespace selmak::ui {
namespace {

using forms::ControlKind;
using forms::ControlRow;
using forms::Initially;
using forms::LineRow;

QColor toColour(forms::Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QRect toRect(forms::PixelRect r)
{
    return QRect(r.left, r.top, r.width, r.height);
}

void setColourEverywhere(QPalette &palette, QPalette::ColorRole role, forms::Rgb rgb)
{
    for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        palette.setColor(group, role, toColour(rgb));
}

QWidget *createWidget(const ControlRow &row, QWidget *parent)
{
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::HotSpot: {
        QLabel *label = row.kind == ControlKind::HotSpot ? new HotSpot(parent) : new QLabel(parent);
        label->setText(caption);
        label->setWordWrap(true);
        label->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        return label;
    }
    case ControlKind::Picture: {
        auto *picture = new QLabel(parent);
        picture->setPixmap(readImageFile(QStringLiteral(":/") + caption));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(2);
        // The box takes the focus as the Tab key goes round, as picture boxes do.
        picture->setFocusPolicy(Qt::TabFocus);
        return picture;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(caption, parent);
        box->setMaxLength(row.maxLength > 0 ? row.maxLength : std::numeric_limits<int>::max());
        return box;
    }
    case ControlKind::Option: {
        auto *option = new QRadioButton(caption, parent);
        option->setChecked(row.initially == Initially::Checked);
        return option;
    }
    case ControlKind::List: {
        auto *list = new QListWidget(parent);
        list->setUniformItemSizes(true); // one line each: long lists lay out at once
        return list;
    }
    case ControlKind::TextArea: {
        auto *box = new QPlainTextEdit(caption, parent);
        // Tab goes on to the next control, as in every other box; a paste brings tabs in.
        box->setTabChangesFocus(true);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        return box;
    }
    case ControlKind::DropDown:
        return new QComboBox(parent);
    case ControlKind::Table: {
        // The window's form holds the rows; the window sets a model over them.
        auto *table = new QTableView(parent);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setTabKeyNavigation(false); // Tab leaves the table, as it leaves every control
        table->setWordWrap(false);
        table->setCornerButtonEnabled(false);
        table->verticalHeader()->hide();
        // Every row a line high: a long list lays out at once.
        table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
        table->horizontalHeader()->setHighlightSections(false);
        return table;
    }
    case ControlKind::Button: {
        auto *button = new CommandButton(caption, parent);
        button->setAutoDefault(false);
        button->setDefault(row.isDefault);
        return button;
    }
    }
    return nullptr;
}

void applyColours(QWidget *widget, const ControlRow &row)
{
    if (!row.text && !row.background)
        return;
    const bool textBox = row.kind == ControlKind::TextBox;
    QPalette palette = widget->palette();
    if (row.text) {
        // A disabled box keeps the style's greyed text.
        const QPalette::ColorRole role = textBox ? QPalette::Text : QPalette::WindowText;
        palette.setColor(QPalette::Active, role, toColour(*row.text));
        palette.setColor(QPalette::Inactive, role, toColour(*row.text));
    }
    if (row.background) {
        setColourEverywhere(palette, textBox ? QPalette::Base : QPalette::Window, *row.background);
        widget->setAutoFillBackground(!textBox);
    }
    widget->setPalette(palette);
}

QWidget *buildControl(const ControlRow &row, QWidget *parent)
{
    QWidget *widget = createWidget(row, parent);
    widget->setObjectName(QString::fromLatin1(row.name));
    widget->setGeometry(toRect(forms::toPixels(row.twips)));
    if (row.font.face)
        widget->setFont(toFont(row.font));
    applyColours(widget, row);
    if (row.accessibleName)
        widget->setAccessibleName(QString::fromUtf8(row.accessibleName));
    if (row.initially == Initially::Hidden)
        widget->setVisible(false);
    return widget;
}

void buildLine(const LineRow &row, forms::Rgb colour, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(row.name));
    const QRect pixels = toRect(forms::linePixels(row.from, row.to));
    line->setFrameShape(pixels.height() == 1 ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    QPalette palette = line->palette();
    setColourEverywhere(palette, QPalette::WindowText, colour);
    line->setPalette(palette);
    line->setGeometry(pixels);
}

} // namespace

Controls buildWindow(QWidget *window, const forms::WindowLayout &layout)
{
    window->setObjectName(QString::fromLatin1(layout.name));
    window->setWindowTitle(QString::fromUtf8(layout.title));
    window->setFixedSize(toRect(forms::toPixels(layout.clientArea)).size());
    if (layout.font.face)
        window->setFont(toFont(layout.font));
    if (layout.background) {
        QPalette palette = window->palette();
        setColourEverywhere(palette, QPalette::Window, *layout.background);
        window->setPalette(palette);
        window->setAutoFillBackground(true);
    }

    std::vector<QWidget *> widgets;
    widgets.reserve(layout.controls.size());
    for (const ControlRow &row : layout.controls)
        widgets.push_back(buildControl(row, window));
    for (const LineRow &row : layout.lines)
        buildLine(row, layout.lineColour, window);

    QWidget *previous = nullptr;
    QWidget *first = nullptr;
    for (const forms::ControlId id : layout.tabOrder) {
        QWidget *widget = widgets[id.index];
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
        if (!first && !widget->isHidden())
            first = widget;
    }
    // The focus starts on the first control in tab order that is shown.
    if (first)
        first->setFocus();
    return Controls(std::move(widgets));
}

} // namespace selmak::ui
