// The main window: its start, its two layouts, the menu and the focus order.

#include "shown_window.h"
#include "ui/qbl.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTest>
#include <memory>

using quabbel::ui::qbl;

namespace {

// The client area (below the menu bar) in both layouts, 4695 twips wide and 2025 or 4785 twips
// high, at 15 twips per pixel.
constexpr QSize greeting_client{313, 135};
constexpr QSize results_client{313, 319};

const char* const lists[] = {"List2", "List3", "List4"};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<qbl> window;

    QWidget* focus_after_tab_from(const char* name) const {
        QWidget* start = control(*window, name);
        start->setFocus(Qt::TabFocusReason);
        QTest::keyClick(start, Qt::Key_Tab);
        return QApplication::focusWidget();
    }

    void verify_layout(QSize client, bool greeting) const {
        QCOMPARE(window->centralWidget()->size(), client);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->size(), window->minimumSize());
        QCOMPARE(window->height(), window->menuBar()->height() + client.height());
        QCOMPARE(control(*window, "Label1")->isVisible(), greeting);
        QCOMPARE(control(*window, "Label2")->isVisible(), greeting);
        for (const char* list : lists) {
            QCOMPARE(control(*window, list)->isVisible(), !greeting);
        }
    }

private slots:
    void init() {
        window = std::make_unique<qbl>();
        QVERIFY(show_active(*window));
    }

    void cleanup() { window.reset(); }

    void loadsAllTablesBeforeItIsShown() {
        const qbl unshown;
        QCOMPARE(unshown.tables().count_2, 76);
        QCOMPARE(unshown.tables().count_3, 629);
        QCOMPARE(unshown.tables().count_4, 3041);
    }

    void opensInTheGreetingLayoutWithNineEmptyBoxes() {
        verify_layout(greeting_client, true);
        auto* greeting = control<QLabel>(*window, "Label1");
        QCOMPARE(greeting->text(), QStringLiteral("Hallo Scrabbler(in)"));
        QVERIFY(greeting->font().bold());
        QCOMPARE(control<QLabel>(*window, "Label2")->text(),
                 QStringLiteral("Tippe oben links, in der Mitte oder rechts an beliebiger Stelle "
                                "einen Buchstaben ein und dir werden links alle passenden Wörter "
                                "mit 2 Buchstaben angezeigt, in der Mitte die mit 3 Buchstaben und "
                                "rechts die mit 4 Buchstaben"));
        const QList<QLineEdit*> boxes = window->findChildren<QLineEdit*>();
        QCOMPARE(boxes.size(), 9);
        for (const QLineEdit* box : boxes) {
            QVERIFY(box->isVisible());
            QVERIFY(box->text().isEmpty());
        }
        QCOMPARE(QApplication::focusWidget(), control(*window, "B2(1)"));
    }

    // Boxes by letter and word length, lists by word length with the number of words found.
    void screenReadersFindEveryControlUnderAGermanName() {
        QCOMPARE(unnamed_for_screen_readers(*window), QStringList());
        QCOMPARE(accessible_text(*window, "B3(2)", QAccessible::Name),
                 QStringLiteral("2. Buchstabe der Wörter mit 3 Buchstaben"));
        QCOMPARE(accessible_text(*window, "List4", QAccessible::Name),
                 QStringLiteral("Wörter mit 4 Buchstaben"));
        const auto count_after = [this](const char* box, const char* letter) {
            type_text(control(*window, box), QLatin1String(letter));
            return accessible_text(*window, "List4", QAccessible::Description);
        };
        QCOMPARE(accessible_text(*window, "List4", QAccessible::Description),
                 QStringLiteral("keine Wörter"));
        type_text(control(*window, "B4(1)"), QStringLiteral("z"));
        QCOMPARE(count_after("B4(4)", "n"), QStringLiteral("10 Wörter"));
        QCOMPARE(count_after("B4(2)", "y"), QStringLiteral("1 Wort"));
        QCOMPARE(count_after("B4(3)", "x"), QStringLiteral("keine Wörter"));
        QCOMPARE(unnamed_for_screen_readers(*window), QStringList());
    }

    void isAFixedWindowWithMinimiseButNoMaximiseBox() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Quabbel 2 3 4"));
        QVERIFY(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        const QList<QSize> icon_sizes = window->windowIcon().availableSizes();
        QVERIFY(icon_sizes.contains(QSize(16, 16)));
        QVERIFY(icon_sizes.contains(QSize(32, 32)));
    }

    void hasTheMenuDateiWithInfoAndEnde() {
        auto* datei = control<QMenu>(*window, "datei");
        QVERIFY(datei);
        QCOMPARE(window->menuBar()->actions(), QList<QAction*>{datei->menuAction()});
        QCOMPARE(datei->title(), QStringLiteral("&Datei"));
        const QList<QAction*> entries = datei->actions();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0], control<QAction>(*window, "info"));
        QCOMPARE(entries[0]->text(), QStringLiteral("&Info"));
        QCOMPARE(entries[1], control<QAction>(*window, "ende"));
        QCOMPARE(entries[1]->text(), QStringLiteral("&Ende"));
    }

    void tabPassesOverHiddenLists() {
        QCOMPARE(focus_after_tab_from("B2(2)"), control(*window, "B3(1)"));
        QCOMPARE(focus_after_tab_from("B3(2)"), control(*window, "B3(3)"));
        QCOMPARE(focus_after_tab_from("B4(4)"), control(*window, "B2(1)"));
    }

    void tabVisitsTheListsInTheResultsLayout() {
        window->enter_results_layout();
        QCOMPARE(focus_after_tab_from("B3(2)"), control(*window, "List2"));
        QCOMPARE(focus_after_tab_from("List2"), control(*window, "List3"));
        QCOMPARE(focus_after_tab_from("List3"), control(*window, "B3(3)"));
        QCOMPARE(focus_after_tab_from("B4(4)"), control(*window, "List4"));
        QCOMPARE(focus_after_tab_from("List4"), control(*window, "B2(1)"));
    }

    void aChangeOfAnyBoxEntersTheResultsLayoutForGood_data() {
        QTest::addColumn<QString>("box");
        for (const char* box : {"B2(1)", "B2(2)", "B3(1)", "B3(3)", "B4(2)", "B4(4)"}) {
            QTest::newRow(box) << QString::fromLatin1(box);
        }
    }

    void aChangeOfAnyBoxEntersTheResultsLayoutForGood() {
        QFETCH(QString, box);
        type_text(control(*window, box.toLatin1().constData()), QStringLiteral("k"));
        verify_layout(results_client, false);
        type_text(control(*window, "B3(2)"), QStringLiteral("e"));
        QTest::keyClick(control(*window, "B3(2)"), Qt::Key_Backspace);
        verify_layout(results_client, false);
    }

    void deletingALetterAlsoEntersTheResultsLayout() {
        auto* box = control<QLineEdit>(*window, "B4(3)");
        {
            const QSignalBlocker quiet(box);
            box->setText(QStringLiteral("A"));
        }
        QTest::keyClick(box, Qt::Key_Backspace);
        QVERIFY(box->text().isEmpty());
        verify_layout(results_client, false);
    }

    void movingTheFocusIntoEmptyBoxesKeepsTheGreeting() {
        QTest::mouseClick(control(*window, "B2(2)"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), control(*window, "B2(2)"));
        QTest::mouseClick(control(*window, "B2(1)"), Qt::LeftButton);
        QTest::mouseClick(control(*window, "B3(2)"), Qt::LeftButton);
        verify_layout(greeting_client, true);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
