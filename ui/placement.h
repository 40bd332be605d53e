#pragma once

#include <QRect>

namespace quabbel::ui {

// The rectangle moved by the least distance that brings it inside the area. A rectangle wider
// or taller than the area is aligned with the area's left or top edge.
QRect moved_inside(QRect rect, const QRect& area);

} // namespace quabbel::ui
