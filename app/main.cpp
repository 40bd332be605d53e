#include "ui/qbl.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quabbel::ui::qbl window;
    window.move_to_start_place(QGuiApplication::primaryScreen()->availableGeometry());
    window.show();
    return QApplication::exec();
}
