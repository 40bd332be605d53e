#pragma once

#include <QFont>

namespace quabbel::ui {

// The windows' face for MS Sans Serif at the given size: Microsoft Sans Serif on Windows,
// Liberation Sans elsewhere; where that is missing, the system's sans stands in. Drawn without
// hinting.
QFont ms_sans_serif(qreal points, bool bold = false);

// Whether the system draws that face itself rather than a stand-in for it.
bool own_face_installed();

} // namespace quabbel::ui
