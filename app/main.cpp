#include "ui/qbl.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Lets desktops match the window to the program's desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUABBEL_APP_ID));
    quabbel::ui::qbl window;
    window.move_to_start_place(QGuiApplication::primaryScreen()->availableGeometry());
    window.show();
    return QApplication::exec();
}
