#pragma once

#include "ui/qbl.h"

#include <memory>

namespace quabbel::ui {

// The program's start once its QApplication exists: MS Sans Serif 8.25 pt becomes the default
// font of every control without a font of its own, then the main window is created, which loads
// the word tables, and shown at its start place.
std::unique_ptr<qbl> start_main_window();

} // namespace quabbel::ui
