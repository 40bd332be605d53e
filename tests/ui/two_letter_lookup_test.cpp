// Typing into the two-letter boxes and moving the focus between them.

#include "shown_window.h"
#include "ui/qbl.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using quabbel::ui::qbl;

namespace {

const QStringList words_with_a_first{"AA", "AB", "AD", "AH", "AI", "AM", "AN", "AR", "AS", "AU"};

} // namespace

class TwoLetterLookupTest : public QObject {
    Q_OBJECT

    std::unique_ptr<qbl> window;
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
    QListWidget* list = nullptr;

    // Every run of the change handler empties List2 once.
    std::unique_ptr<QSignalSpy> handler_runs() const {
        return std::make_unique<QSignalSpy>(list->model(), &QAbstractItemModel::modelReset);
    }

private slots:
    void init() {
        window = std::make_unique<qbl>();
        QVERIFY(show_active(*window));
        first = control<QLineEdit>(*window, "B2(1)");
        second = control<QLineEdit>(*window, "B2(2)");
        list = control<QListWidget>(*window, "List2");
        QVERIFY(first && second && list);
    }

    void cleanup() { window.reset(); }

    void aBoxRaisesItsChangeOnlyWhenItsTextDiffers() {
        QSignalSpy changes(first, &QLineEdit::textChanged);
        first->setText(QStringLiteral("A"));
        QCOMPARE(changes.size(), 1);
        first->setText(QStringLiteral("A"));
        QCOMPARE(changes.size(), 1);
        first->setText(QString());
        QCOMPARE(changes.size(), 2);
        first->setText(QString());
        QCOMPARE(changes.size(), 2);
    }

    void aLowerCaseLetterRunsTheHandlerTwiceAndListsEachWordOnce() {
        const auto runs = handler_runs();
        QSignalSpy changes(first, &QLineEdit::textChanged);
        type_text(first, QStringLiteral("a"));
        QCOMPARE(first->text(), QStringLiteral("A"));
        QCOMPARE(changes.size(), 2);
        QCOMPARE(runs->size(), 2);
        QCOMPARE(items(*list), words_with_a_first);
        QCOMPARE(control<QListWidget>(*window, "List3")->count(), 0);
        QCOMPARE(control<QListWidget>(*window, "List4")->count(), 0);
    }

    void aCapitalRunsTheHandlerOnceWithTheSameResult() {
        const auto runs = handler_runs();
        type_text(first, QStringLiteral("A"));
        QCOMPARE(runs->size(), 1);
        QCOMPARE(items(*list), words_with_a_first);
    }

    void listsTheWordsWithTheTypedLetterThere_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("words");
        const auto row = [](const char* name, int position, const char* typed, const char* shown,
                            const QStringList& words) {
            QTest::newRow(name) << position << QString(typed) << QString(shown) << words;
        };
        row("ä first", 1, "ä", "Ä", {"ÄH", "ÄS"});
        row("h second", 2, "h", "H", {"AH", "ÄH", "EH", "OH", "UH"});
        row("ö second", 2, "ö", "Ö", {"BÖ", "NÖ", "TÖ"});
        row("q first", 1, "q", "Q", {"QI"});
        row("c first", 1, "c", "C", {});
        row("two letters", 1, "ab", "AB", {});
        row("sharp s", 2, "ß", "ß", {});
        row("digit", 1, "1", "1", {});
    }

    void listsTheWordsWithTheTypedLetterThere() {
        QFETCH(int, position);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QStringList, words);
        QLineEdit* box = position == 1 ? first : second;
        type_text(box, typed);
        QCOMPARE(box->text(), shown);
        QCOMPARE(items(*list), words);
        QVERIFY(list->isVisible());
        QVERIFY(!control(*window, "Label1")->isVisible());
    }

    void deletingTheLetterEmptiesTheList() {
        type_text(second, QStringLiteral("h"));
        QCOMPARE(list->count(), 5);
        const auto runs = handler_runs();
        QTest::keyClick(second, Qt::Key_Backspace);
        QVERIFY(second->text().isEmpty());
        QCOMPARE(runs->size(), 1);
        QCOMPARE(list->count(), 0);
        QVERIFY(list->isVisible());
    }

    void clickingIntoEitherBoxEmptiesBoth() {
        QTest::mouseClick(first, Qt::LeftButton);
        type_text(first, QStringLiteral("a"));
        QCOMPARE(items(*list), words_with_a_first);

        QTest::mouseClick(second, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), second);
        QVERIFY(first->text().isEmpty());
        QCOMPARE(list->count(), 0);

        type_text(second, QStringLiteral("ö"));
        QCOMPARE(items(*list), (QStringList{"BÖ", "NÖ", "TÖ"}));
        QTest::mouseClick(first, Qt::LeftButton);
        QVERIFY(first->text().isEmpty());
        QVERIFY(second->text().isEmpty());
        QCOMPARE(list->count(), 0);
    }

    // Text in both boxes can only come about by typing into a box that has no focus; the focus
    // handler still empties both, running the change handler once for each.
    void theFocusHandlerEmptiesBothBoxesWhicheverGetsTheFocus() {
        type_text(first, QStringLiteral("A"));
        type_text(second, QStringLiteral("H"));
        QCOMPARE(list->count(), 5);
        const auto runs = handler_runs();
        second->setFocus(Qt::TabFocusReason);
        QVERIFY(first->text().isEmpty());
        QVERIFY(second->text().isEmpty());
        QCOMPARE(runs->size(), 2);
        QCOMPARE(list->count(), 0);
    }

    // Keys go to the window as the platform delivers them, through its shortcuts and menu bar.
    void press(QKeySequence keys) const {
        for (int index = 0; index < keys.count(); ++index) {
            const QKeyCombination key = keys[index];
            QTest::keyClick(window->windowHandle(), key.key(), key.keyboardModifiers());
        }
    }

    // The menu bar takes the focus while it is used from the keyboard and gives it back; that
    // is no move into the box, nor is the window becoming active again once the info window
    // goes. Tab and Shift+Tab into the other box are, and empty both.
    void onlyMovingIntoABoxEmptiesBoth_data() {
        QTest::addColumn<QString>("typed_into");
        QTest::addColumn<QList<QKeySequence>>("keys");
        QTest::addColumn<bool>("opens_info");
        QTest::addColumn<QString>("focused");
        const QKeySequence escape(Qt::Key_Escape);
        const QKeySequence menu(Qt::ALT | Qt::Key_D);
        QTest::newRow("Alt") << "B2(1)" << QList<QKeySequence>{QKeySequence(Qt::Key_Alt), escape}
                             << false << "B2(1)";
        QTest::newRow("Alt+D Esc Esc")
            << "B2(1)" << QList<QKeySequence>{menu, escape, escape} << false << "B2(1)";
        QTest::newRow("Alt+D I, OK")
            << "B2(1)" << QList<QKeySequence>{menu, QKeySequence(Qt::Key_I)} << true << "B2(1)";
        QTest::newRow("Tab") << "B2(1)" << QList<QKeySequence>{QKeySequence(Qt::Key_Tab)} << false
                             << "B2(2)";
        QTest::newRow("Shift+Tab")
            << "B2(2)" << QList<QKeySequence>{QKeySequence(Qt::SHIFT | Qt::Key_Backtab)} << false
            << "B2(1)";
    }

    void onlyMovingIntoABoxEmptiesBoth() {
        QFETCH(QString, typed_into);
        QFETCH(QList<QKeySequence>, keys);
        QFETCH(bool, opens_info);
        QFETCH(QString, focused);
        auto* box = window->findChild<QLineEdit*>(typed_into);
        box->setFocus(Qt::MouseFocusReason);
        type_text(box, QStringLiteral("h"));
        const QStringList words = items(*list);
        QCOMPARE(words.size(), typed_into == QLatin1String("B2(1)") ? 8 : 5);
        // Through the window, as the platform delivers keys: shortcuts and the menu bar see them.
        for (const QKeySequence& key : keys) {
            for (int index = 0; index < key.count(); ++index) {
                QTest::keyClick(window->windowHandle(), key[index].key(),
                                key[index].keyboardModifiers());
            }
            QTest::qWait(50);
        }
        if (opens_info) {
            QWidget* info = QApplication::activeWindow();
            QVERIFY(info && info->objectName() == QLatin1String("info_"));
            control<QPushButton>(*info, "Command1")->click();
            // As a window manager does once the info window is gone.
            QVERIFY(show_active(*window));
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        const bool kept = focused == typed_into;
        QCOMPARE(box->text(), kept ? QStringLiteral("H") : QString());
        QVERIFY(first->text().isEmpty() || second->text().isEmpty());
        QCOMPARE(items(*list), kept ? words : QStringList());
    }
};

QTEST_MAIN(TwoLetterLookupTest)
#include "two_letter_lookup_test.moc"
