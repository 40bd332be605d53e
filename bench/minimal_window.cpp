// The floor of a Qt Widgets program's start-up: one empty main window with a menu bar that
// holds one menu, shown until its first paint.

#include "bench/first_paint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const quabbel::bench::QuitAtFirstPaint quit;
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Datei"));
    window.show();
    return QApplication::exec();
}
