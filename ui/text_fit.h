#pragma once

#include <QSize>
#include <optional>

class QWidget;

namespace quabbel::ui {

// The room a label, box or button needs to show its text whole in its font: a label its text
// wrapped within its width, a box any one letter, a button its caption. Nothing for a control
// without text.
std::optional<QSize> room_needed(const QWidget& control);

// The part of the control that its parents leave visible.
QSize visible_size(const QWidget& control);

// Makes every text of the window whole where a stand-in is drawn for the program's own face: a
// control whose text needs more room than the window leaves visible of it gets a smaller font,
// a quarter point at a time.
void fit_texts(QWidget& window);

} // namespace quabbel::ui
