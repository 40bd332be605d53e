// Editing inside a box that already holds text: the upper-casing leaves the cursor where the
// player is typing.

#include "shown_window.h"
#include "ui/qbl.h"

#include <QLineEdit>
#include <QTest>
#include <memory>

using quabbel::ui::qbl;

class BoxEditingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<qbl> window;

private slots:
    void init() {
        window = std::make_unique<qbl>();
        QVERIFY(show_active(*window));
    }

    void cleanup() { window.reset(); }

    void theCursorStaysAfterTheTypedLetter_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"B2(1)", "B3(2)", "B4(4)"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    void theCursorStaysAfterTheTypedLetter() {
        QFETCH(QString, name);
        auto* box = control<QLineEdit>(*window, name.toLatin1().constData());
        box->setFocus(Qt::MouseFocusReason);
        type_text(box, QStringLiteral("ab"));
        QCOMPARE(box->cursorPosition(), 2);

        QTest::keyClick(box, Qt::Key_Home);
        type_text(box, QStringLiteral("x"));
        QCOMPARE(box->text(), QStringLiteral("XAB"));
        QCOMPARE(box->cursorPosition(), 1);
        QTest::keyClick(box, Qt::Key_Right);
        type_text(box, QStringLiteral("ü"));
        QCOMPARE(box->text(), QStringLiteral("XAÜB"));
        QCOMPARE(box->cursorPosition(), 3);
        type_text(box, QStringLiteral("C"));
        QCOMPARE(box->text(), QStringLiteral("XAÜCB"));
        QCOMPARE(box->cursorPosition(), 4);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("XAB"));
        QCOMPARE(box->cursorPosition(), 2);
    }
};

QTEST_MAIN(BoxEditingTest)
#include "box_editing_test.moc"
