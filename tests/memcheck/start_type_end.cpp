// The program's whole life for a memory check: it starts as app/main.cpp starts it, the player
// types the word "haus" into the four-letter boxes and chooses "&Ende" from the menu "&Datei".

#include "shown_window.h"
#include "ui/start.h"

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto started = quabbel::ui::start_main_window();

    QTimer::singleShot(0, started.get(), [&window = *started] {
        // Without a window manager no window becomes active by itself.
        if (!show_active(window)) {
            QCoreApplication::exit(1);
            return;
        }
        QTest::mouseClick(control(window, "B4(1)"), Qt::LeftButton);
        for (const QString letter : {"h", "a", "u", "s"}) {
            type_text(QApplication::focusWidget(), letter);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // Ends with 2 if the word did not come through, or with 0 through "&Ende".
        if (items(*control<QListWidget>(window, "List4")) != QStringList{"HAUS"}) {
            QCoreApplication::exit(2);
            return;
        }
        QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
        QTest::keyClick(control<QMenu>(window, "datei"), Qt::Key_E);
    });
    return QApplication::exec();
}
