#pragma once

#include <QFont>

namespace quabbel::ui {

// MS Sans Serif at the given size; where that family is missing, the system's sans-serif
// stands in for it. Drawn without hinting.
QFont ms_sans_serif(qreal points, bool bold = false);

} // namespace quabbel::ui
