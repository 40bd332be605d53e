// The program's start: the default font first, then the main window with its tables loaded.

#include "ui/start.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>

class StartTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheLoadedMainWindowWithItsFontAsTheDefault() {
        const auto window = quabbel::ui::start_main_window();
        QVERIFY(window->isVisible());
        QCOMPARE(window->tables().count_4, 3041);

        const QFont font = QApplication::font();
#ifdef Q_OS_WIN
        QCOMPARE(font.family(), QStringLiteral("Microsoft Sans Serif"));
#else
        QCOMPARE(font.family(), QStringLiteral("Liberation Sans"));
#endif
        QCOMPARE(font.pointSizeF(), 8.25);
        QVERIFY(!font.bold());
        // The menu bar has no font of its own, so the window needs no other font for it.
        QCOMPARE(window->menuBar()->font(), font);
    }
};

QTEST_MAIN(StartTest)
#include "start_test.moc"
