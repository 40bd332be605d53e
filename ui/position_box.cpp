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
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason: // the window became active again
    case Qt::PopupFocusReason:        // a popup menu closed
    case Qt::MenuBarFocusReason:      // the menu bar, used from the keyboard, gave it back
        break;
    default:
        emit gotFocus();
    }
}

} // namespace quabbel::ui
