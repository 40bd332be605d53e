#include "ui/position_box.h"

#include <QFocusEvent>

namespace quabbel::ui {

PositionBox::PositionBox(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
}

void PositionBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        emit gotFocus();
    }
}

} // namespace quabbel::ui
