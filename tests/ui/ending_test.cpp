// "&Ende" and the main window's close box end the program, closing every window.

#include "shown_window.h"
#include "ui/qbl.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

using quabbel::ui::qbl;

namespace {

constexpr int gave_up = 1;

// Runs the event loop, does the step once it runs and returns the loop's exit code; gives up
// after five seconds if the step did not end the loop.
int exit_code_after(const std::function<void()>& step) {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(gave_up); });
    watchdog.start(5000);
    QTimer::singleShot(0, step);
    return QApplication::exec();
}

} // namespace

class EndingTest : public QObject {
    Q_OBJECT

private slots:
    void endeEndsTheProgramClosingEveryWindow() {
        qbl window;
        QWidget other_window;
        QVERIFY(show_active(window));
        other_window.show();
        auto* ende = control<QAction>(window, "ende");
        QVERIFY(ende);

        QCOMPARE(exit_code_after([ende] { ende->trigger(); }), 0);
        QVERIFY(!window.isVisible());
        QVERIFY(!other_window.isVisible());
    }

    void closingTheMainWindowEndsTheProgramWithItsOtherWindows() {
        qbl window;
        QWidget other_window;
        QVERIFY(show_active(window));
        other_window.show();

        QCOMPARE(exit_code_after([&window] { window.close(); }), 0);
        QVERIFY(!window.isVisible());
        QVERIFY(!other_window.isVisible());
    }

    void endingWithTheInfoWindowOpenClosesItToo_data() {
        QTest::addColumn<bool>("by_ende");
        QTest::newRow("ende") << true;
        QTest::newRow("main window's close box") << false;
    }

    void endingWithTheInfoWindowOpenClosesItToo() {
        QFETCH(bool, by_ende);
        qbl window;
        QVERIFY(show_active(window));
        control<QAction>(window, "info")->trigger();
        const QList<QWidget*> info = windows_named("info_");
        QCOMPARE(info.size(), 1);
        QVERIFY(info[0]->isVisible());

        const auto end_program = [&window, by_ende] {
            if (by_ende) {
                control<QAction>(window, "ende")->trigger();
            } else {
                window.close();
            }
        };
        QCOMPARE(exit_code_after(end_program), 0);
        QVERIFY(!window.isVisible());
        QVERIFY(!info[0]->isVisible());
    }
};

QTEST_MAIN(EndingTest)
#include "ending_test.moc"
