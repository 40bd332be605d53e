// Screen readers find every input, list and button of both windows under a German name.

#include "shown_window.h"
#include "ui/qbl.h"

#include <QAccessible>
#include <QAction>
#include <QTest>
#include <memory>

using quabbel::ui::qbl;

namespace {

// The controls a player reaches and uses, by the roles the toolkit gives them.
bool takes_input(QAccessible::Role role) {
    return role == QAccessible::EditableText || role == QAccessible::List ||
           role == QAccessible::Button || role == QAccessible::Graphic ||
           role == QAccessible::MenuItem || role == QAccessible::StaticText;
}

// One line for each such control under the interface that has no name.
QStringList unnamed(QAccessibleInterface* parent) {
    QStringList faults;
    for (int index = 0; index < parent->childCount(); ++index) {
        QAccessibleInterface* child = parent->child(index);
        if (takes_input(child->role()) && child->text(QAccessible::Name).trimmed().isEmpty()) {
            faults << (child->object() ? child->object()->objectName() : QStringLiteral("?"));
        }
        faults << unnamed(child);
    }
    return faults;
}

QString name_of(const QWidget& window, const char* control_name) {
    return QAccessible::queryAccessibleInterface(control(window, control_name))
        ->text(QAccessible::Name);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<qbl> window;

private slots:
    void init() {
        window = std::make_unique<qbl>();
        QVERIFY(show_active(*window));
    }

    void cleanup() { window.reset(); }

    void everyControlOfTheMainWindowHasAName() {
        const QStringList greeting = unnamed(QAccessible::queryAccessibleInterface(window.get()));
        QVERIFY2(greeting.isEmpty(), qPrintable(greeting.join(QLatin1String(", "))));
        type_text(control(*window, "B4(1)"), QStringLiteral("z"));
        const QStringList results = unnamed(QAccessible::queryAccessibleInterface(window.get()));
        QVERIFY2(results.isEmpty(), qPrintable(results.join(QLatin1String(", "))));
    }

    void boxesNameTheirLetterAndListsTheirWordLengthAndCount() {
        QCOMPARE(name_of(*window, "B2(1)"),
                 QStringLiteral("1. Buchstabe der Wörter mit 2 Buchstaben"));
        QCOMPARE(name_of(*window, "B4(4)"),
                 QStringLiteral("4. Buchstabe der Wörter mit 4 Buchstaben"));
        QCOMPARE(name_of(*window, "List3"), QStringLiteral("Wörter mit 3 Buchstaben"));

        QAccessibleInterface* list =
            QAccessible::queryAccessibleInterface(control(*window, "List4"));
        QCOMPARE(list->text(QAccessible::Description), QStringLiteral("keine Wörter"));
        type_text(control(*window, "B4(1)"), QStringLiteral("z"));
        type_text(control(*window, "B4(4)"), QStringLiteral("n"));
        QCOMPARE(list->text(QAccessible::Description), QStringLiteral("10 Wörter"));
        type_text(control(*window, "B4(2)"), QStringLiteral("y"));
        QCOMPARE(list->text(QAccessible::Description), QStringLiteral("1 Wort"));
    }

    void everyControlOfTheInfoWindowHasAName() {
        control<QAction>(*window, "info")->trigger();
        const QList<QWidget*> info = windows_named("info_");
        QCOMPARE(info.size(), 1);
        const QStringList faults = unnamed(QAccessible::queryAccessibleInterface(info[0]));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String(", "))));
        QCOMPARE(name_of(*info[0], "Command1"), QStringLiteral("OK"));
        QCOMPARE(name_of(*info[0], "Picture1"), QStringLiteral("Spielsteine Q und U"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
