// SPDX-License-Identifier: MIT
#include "ui/main/control_builder.h"

#include "ui/main/hot_spot.h"
#include "ui/main/window_layout.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

namespace selmak::ui {
namespace {

void setColourEverywhere(QPalette &palette, QPalette::ColorRole role, QRgb rgb)
{
    for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        palette.setColor(group, role, QColor::fromRgb(rgb));
}

QWidget *createWidget(const ControlSpec &spec, QWidget *parent)
{
    const QString caption = QString::fromUtf8(spec.caption);
    switch (spec.kind) {
    case ControlKind::Label:
    case ControlKind::HotSpot: {
        QLabel *label
            = spec.kind == ControlKind::HotSpot ? new HotSpot(parent) : new QLabel(parent);
        label->setText(caption);
        label->setWordWrap(true);
        label->setAlignment((spec.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        return label;
    }
    case ControlKind::Picture: {
        auto *picture = new QLabel(parent);
        picture->setPixmap(QPixmap(caption));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(2);
        // The box takes the focus as the Tab key goes round, as picture boxes do.
        picture->setFocusPolicy(Qt::TabFocus);
        return picture;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(caption, parent);
        box->setMaxLength(std::numeric_limits<int>::max()); // a text box has no length limit
        return box;
    }
    case ControlKind::Option: {
        auto *option = new QRadioButton(caption, parent);
        option->setChecked(spec.initially == Initially::Checked);
        return option;
    }
    case ControlKind::Button: {
        auto *button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        button->setDefault(spec.isDefault);
        return button;
    }
    }
    return nullptr;
}

void applyColours(QWidget *widget, const ControlSpec &spec)
{
    if (!spec.text && !spec.background)
        return;
    const bool textBox = spec.kind == ControlKind::TextBox;
    QPalette palette = widget->palette();
    if (spec.text) {
        // A disabled box keeps the style's greyed text.
        const QPalette::ColorRole role = textBox ? QPalette::Text : QPalette::WindowText;
        palette.setColor(QPalette::Active, role, QColor::fromRgb(spec.text));
        palette.setColor(QPalette::Inactive, role, QColor::fromRgb(spec.text));
    }
    if (spec.background) {
        setColourEverywhere(palette, textBox ? QPalette::Base : QPalette::Window, spec.background);
        widget->setAutoFillBackground(!textBox);
    }
    widget->setPalette(palette);
}

void buildControl(const ControlSpec &spec, QWidget *parent)
{
    QWidget *widget = createWidget(spec, parent);
    widget->setObjectName(QString::fromLatin1(spec.name));
    widget->setGeometry(toPixels(spec.twips));
    if (spec.font.face)
        widget->setFont(toFont(spec.font));
    applyColours(widget, spec);
    if (spec.accessibleName)
        widget->setAccessibleName(QString::fromUtf8(spec.accessibleName));
    if (spec.initially == Initially::Hidden)
        widget->setVisible(false);
}

void buildLine(const LineSpec &spec, QRgb colour, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(spec.name));
    const QRect pixels = linePixels(spec.from, spec.to);
    line->setFrameShape(pixels.height() == 1 ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    QPalette palette = line->palette();
    setColourEverywhere(palette, QPalette::WindowText, colour);
    line->setPalette(palette);
    line->setGeometry(pixels);
}

} // namespace

QFont toFont(const FontSpec &spec)
{
    QFont font(QString::fromLatin1(spec.face));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setUnderline(spec.underline);
    return font;
}

void buildWindow(QWidget *window, const WindowLayout &layout)
{
    window->setWindowTitle(QString::fromUtf8(layout.title));
    window->setFixedSize(toPixels(layout.clientArea).size());
    if (layout.font.face)
        window->setFont(toFont(layout.font));
    if (layout.background) {
        QPalette palette = window->palette();
        setColourEverywhere(palette, QPalette::Window, layout.background);
        window->setPalette(palette);
        window->setAutoFillBackground(true);
    }

    for (const ControlSpec &spec : layout.controls)
        buildControl(spec, window);
    for (const LineSpec &spec : layout.lines)
        buildLine(spec, layout.lineColour, window);

    QWidget *previous = nullptr;
    QWidget *first = nullptr;
    for (const char *name : layout.tabOrder) {
        auto *widget = window->findChild<QWidget *>(QString::fromLatin1(name));
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
        if (!first && !widget->isHidden())
            first = widget;
    }
    // The focus starts on the first control in tab order that is shown.
    if (first)
        first->setFocus();
}

} // namespace selmak::ui
