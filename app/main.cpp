#include "ui/start.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Lets desktops match the window to the program's desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUABBEL_APP_ID));
    const auto window = quabbel::ui::start_main_window();
    return QApplication::exec();
}
