#pragma once

#include <QFont>

namespace quabbel::ui {

// MS Sans Serif at the given size on Windows, Liberation Sans elsewhere; where that is missing,
// the desktop's sans stands in. Drawn without hinting.
QFont ms_sans_serif(qreal points, bool bold = false);

} // namespace quabbel::ui
