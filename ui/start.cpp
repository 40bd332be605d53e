#include "ui/start.h"

#include "ui/fonts.h"

#include <QApplication>
#include <QScreen>

namespace quabbel::ui {

std::unique_ptr<qbl> start_main_window() {
    // Set before any control exists, so that the toolkit's default is this font and no other
    // font is loaded for the controls that use the default, such as the menu bar.
    QApplication::setFont(ms_sans_serif(8.25));
    auto window = std::make_unique<qbl>();
    window->move_to_start_place(QGuiApplication::primaryScreen()->availableGeometry());
    window->show();
    return window;
}

} // namespace quabbel::ui
