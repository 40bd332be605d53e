// The program's own start-up, shown until the main window's first paint.

#include "bench/first_paint.h"
#include "ui/start.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const quabbel::bench::QuitAtFirstPaint quit;
    const auto window = quabbel::ui::start_main_window();
    return QApplication::exec();
}
