// SPDX-License-Identifier: MIT
#include "ui/qt/event_binding.h"

#include "ui/qt/hot_spot.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace selmak::ui {

void onEvent(QWidget *control, forms::ControlKind kind, forms::Event event, QObject *context,
             std::function<void()> run)
{
    using forms::ControlKind;
    using forms::Event;
    switch (kind) {
    case ControlKind::Button:
        QObject::connect(static_cast<QAbstractButton *>(control), &QAbstractButton::clicked,
                         context, std::move(run));
        return;
    case ControlKind::Option:
        QObject::connect(static_cast<QRadioButton *>(control), &QRadioButton::toggled, context,
                         [run = std::move(run)](bool on) {
                             if (on)
                                 run();
                         });
        return;
    case ControlKind::HotSpot:
        QObject::connect(static_cast<HotSpot *>(control), &HotSpot::clicked, context,
                         std::move(run));
        return;
    case ControlKind::TextBox:
        QObject::connect(static_cast<QLineEdit *>(control), &QLineEdit::textChanged, context,
                         std::move(run));
        return;
    case ControlKind::TextArea:
        QObject::connect(static_cast<QPlainTextEdit *>(control), &QPlainTextEdit::textChanged,
                         context, std::move(run));
        return;
    case ControlKind::DropDown:
        // By the mouse or the keys, and as the form fills it.
        QObject::connect(static_cast<QComboBox *>(control), &QComboBox::currentIndexChanged,
                         context, std::move(run));
        return;
    case ControlKind::List: {
        auto *list = static_cast<QListWidget *>(control);
        // By the mouse or the keys; the form's own selection raises it too, which does no harm.
        if (event == Event::Click)
            QObject::connect(list, &QListWidget::currentRowChanged, context, std::move(run));
        else
            QObject::connect(list, &QListWidget::itemDoubleClicked, context, std::move(run));
        return;
    }
    case ControlKind::Label:
    case ControlKind::Picture:
    case ControlKind::Table:
        break;
    }
    Q_ASSERT_X(false, "onEvent", "a control of this kind raises no event");
}

} // namespace selmak::ui
