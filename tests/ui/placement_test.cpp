// Where the main window opens.

#include "ui/placement.h"
#include "ui/qbl.h"

#include <QTest>

using quabbel::ui::moved_inside;
using quabbel::ui::qbl;

class PlacementTest : public QObject {
    Q_OBJECT

    // Where the client area (below the menu bar) lands on the screen.
    static QPoint client_position(const qbl& window) {
        return window.geometry().topLeft() + window.centralWidget()->pos();
    }

private slots:
    void movesARectangleInsideTheAreaByTheLeastDistance_data() {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QRect>("moved");
        QTest::newRow("inside stays") << QRect(10, 20, 30, 40) << QRect(10, 20, 30, 40);
        QTest::newRow("past the right") << QRect(90, 20, 30, 40) << QRect(70, 20, 30, 40);
        QTest::newRow("above the top") << QRect(10, -8, 30, 40) << QRect(10, 0, 30, 40);
        QTest::newRow("past both") << QRect(95, 190, 30, 40) << QRect(70, 160, 30, 40);
        QTest::newRow("too wide") << QRect(10, 20, 150, 40) << QRect(0, 20, 150, 40);
    }

    void movesARectangleInsideTheAreaByTheLeastDistance() {
        QFETCH(QRect, rect);
        QFETCH(QRect, moved);
        QCOMPARE(moved_inside(rect, QRect(0, 0, 100, 200)), moved);
    }

    // 5415 x 5430 twips.
    void opensTheClientAreaAtItsFixedPlace() {
        qbl window;
        window.move_to_start_place(QRect(0, 0, 1920, 1040));
        QCOMPARE(client_position(window), QPoint(361, 362));
    }

    // The window in its results layout is 4785 x 5445 twips (319 x 363 pixels) outside; its
    // client area starts 45 twips (3 pixels) inside the left edge and 615 twips (41 pixels)
    // below the top edge.
    void movesUpWhereTheScreenIsTooLow() {
        qbl window;
        window.move_to_start_place(QRect(0, 0, 800, 600));
        QCOMPARE(client_position(window), QPoint(361, 600 - 363 + 41));
    }

    void movesRightPastAPanelOnTheLeft() {
        qbl window;
        window.move_to_start_place(QRect(400, 0, 1520, 1040));
        QCOMPARE(client_position(window), QPoint(400 + 3, 362));
    }
};

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"
