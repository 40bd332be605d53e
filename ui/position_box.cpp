#include "ui/position_box.h"

#include <QFocusEvent>
#include <limits>

namespace quabbel::ui {

// A line edit keeps only 32767 characters unless told otherwise; a box keeps all it is given.
PositionBox::PositionBox(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setMaxLength(std::numeric_limits<int>::max());
}

void PositionBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        emit gotFocus();
    }
}

} // namespace quabbel::ui
