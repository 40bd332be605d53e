// 10,000 random key presses, deletions and focus changes across the nine boxes. After every
// step each box holds what the player typed, upper-cased, with the cursor after it; the lists
// show what the searches yield; and the results layout stays. How long a step takes is for
// bench/keystroke_bench to tell: this test must pass on slow platforms too.

#include "shown_window.h"
#include "tables/upper_case.h"
#include "ui/qbl.h"
#include "window_checks.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <array>
#include <memory>
#include <random>

using quabbel::ui::qbl;

namespace {

constexpr int steps = 10000;

const std::array<const char*, 9> box_names{"B2(1)", "B2(2)", "B3(1)", "B3(2)", "B3(3)",
                                           "B4(1)", "B4(2)", "B4(3)", "B4(4)"};

const QString lower_case = QStringLiteral("abcdefghijklmnopqrstuvwxyzäöüéß");
const QString capitals = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜÉ");
const QString others = QStringLiteral("0123456789 .,-*!?&");

enum class Action { Type, Backspace, Delete, MoveCursor, Tab, Backtab, Click };

QString upper_cased(const QString& text) {
    return QString::fromStdU16String(quabbel::upper_case(text.toStdU16String()));
}

// The focused box before a step: its text, its cursor and its selection.
struct Editing {
    QString text;
    int cursor = 0;
    int selection_start = -1;
    int selection_length = 0;

    explicit Editing(const QLineEdit& box)
        : text(box.text()), cursor(box.cursorPosition()), selection_start(box.selectionStart()),
          selection_length(static_cast<int>(box.selectedText().size())) {}

    // Removes the selection, if any, and gives where the cursor then stands.
    int remove_selection(QString& edited) const {
        if (selection_length == 0) {
            return cursor;
        }
        edited.remove(selection_start, selection_length);
        return selection_start;
    }
};

} // namespace

class RandomTypingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<qbl> window;
    std::mt19937 random{20070417};

    QLineEdit* box(const char* name) const { return control<QLineEdit>(*window, name); }

    int draw(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }

    QChar random_character() {
        const int kind = draw(10);
        const QString& from = kind < 5 ? lower_case : kind < 8 ? capitals : others;
        return from.at(draw(static_cast<int>(from.size())));
    }

    // Into an empty box mostly typing; the more a box holds, the more often it is cut back, so
    // that single letters, and with them full lists, come about again and again.
    Action random_action(const QLineEdit* focused) {
        const qsizetype length = focused ? focused->text().size() : 0;
        const int roll = draw(100);
        if (roll < (length == 0 ? 55 : length == 1 ? 30 : 15)) {
            return Action::Type;
        }
        if (roll < 65) {
            return Action::Backspace;
        }
        if (roll < 70) {
            return Action::Delete;
        }
        if (roll < 78) {
            return Action::MoveCursor;
        }
        if (roll < 86) {
            return Action::Tab;
        }
        if (roll < 90) {
            return Action::Backtab;
        }
        return Action::Click;
    }

    // Performs the action on the focused control and gives what it was, for messages.
    QString perform(Action action, QWidget* focused, QChar character) {
        switch (action) {
        case Action::Type:
            QTest::sendKeyEvent(QTest::Click, focused,
                                static_cast<Qt::Key>(character.toUpper().unicode()),
                                QString(character), Qt::NoModifier);
            return QStringLiteral("type '%1'").arg(character);
        case Action::Backspace:
            QTest::keyClick(focused, Qt::Key_Backspace);
            return QStringLiteral("Backspace");
        case Action::Delete:
            QTest::keyClick(focused, Qt::Key_Delete);
            return QStringLiteral("Delete");
        case Action::MoveCursor: {
            const std::array<Qt::Key, 4> keys{Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
                                              Qt::Key_End};
            QTest::keyClick(focused, keys[static_cast<std::size_t>(draw(4))]);
            return QStringLiteral("cursor key");
        }
        case Action::Tab:
            QTest::keyClick(focused, Qt::Key_Tab);
            return QStringLiteral("Tab");
        case Action::Backtab:
            QTest::keyClick(focused, Qt::Key_Backtab, Qt::ShiftModifier);
            return QStringLiteral("Shift+Tab");
        case Action::Click: {
            const char* name = box_names[static_cast<std::size_t>(draw(9))];
            QTest::mouseClick(box(name), Qt::LeftButton);
            return QStringLiteral("click into %1").arg(QLatin1String(name));
        }
        }
        return {};
    }

    std::array<QString, 9> box_texts() const {
        std::array<QString, 9> texts;
        for (std::size_t index = 0; index < box_names.size(); ++index) {
            texts[index] = box(box_names[index])->text();
        }
        return texts;
    }

private slots:
    void init() {
        window = std::make_unique<qbl>();
        QVERIFY(show_active(*window));
        // The first change enters the results layout, which every step then checks.
        type_text(box("B3(1)"), QStringLiteral("k"));
        QTest::keyClick(box("B3(1)"), Qt::Key_Backspace);
    }

    void cleanup() { window.reset(); }

    // The longest list of all: 574 four-letter words have A second, and a lower-case a fills
    // the list twice, once in the nested run.
    void theLongestListIsWhole() {
        type_text(box("B4(2)"), QStringLiteral("a"));
        QCoreApplication::processEvents();
        QCOMPARE(control<QListWidget>(*window, "List4")->count(), 574);
        QCOMPARE(list_faults(*window), QStringList{});
    }

    void everyStepKeepsTheTypedTextTheListsAndTheLayout() {
        std::array<int, 3> steps_listing{};
        std::array<int, 9> letters_typed_into{};

        for (int step = 1; step <= steps; ++step) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY2(focused, "some control holds the focus");
            auto* focused_box = qobject_cast<QLineEdit*>(focused);
            const std::array<QString, 9> before = box_texts();
            const Action action = random_action(focused_box);
            const QChar character = random_character();
            const std::optional<Editing> editing =
                focused_box ? std::optional<Editing>(Editing(*focused_box)) : std::nullopt;

            const QString done = perform(action, focused, character);
            QCoreApplication::processEvents();

            const QString where = QStringLiteral("step %1: %2").arg(step).arg(done);
            const QByteArray message = where.toUtf8();

            // What each box must hold now.
            std::array<QString, 9> expected = before;
            int expected_cursor = -1;
            if (editing && (action == Action::Type || action == Action::Backspace ||
                            action == Action::Delete)) {
                QString edited = editing->text;
                int cursor = editing->remove_selection(edited);
                if (editing->selection_length == 0 && action == Action::Backspace && cursor > 0) {
                    edited.remove(--cursor, 1);
                } else if (editing->selection_length == 0 && action == Action::Delete &&
                           cursor < edited.size()) {
                    edited.remove(cursor, 1);
                } else if (action == Action::Type) {
                    edited.insert(cursor++, character);
                }
                const auto index = static_cast<std::size_t>(
                    std::find(box_names.begin(), box_names.end(), focused_box->objectName()) -
                    box_names.begin());
                expected[index] = upper_cased(edited);
                expected_cursor = cursor;
                letters_typed_into[index] += action == Action::Type ? 1 : 0;
            }
            QWidget* now_focused = QApplication::focusWidget();
            if (now_focused != focused &&
                (now_focused == box("B2(1)") || now_focused == box("B2(2)"))) {
                expected[0].clear();
                expected[1].clear();
            }

            QVERIFY2(box_texts() == expected, message);
            if (expected_cursor >= 0) {
                QVERIFY2(focused_box->cursorPosition() == expected_cursor, message);
            }
            const QStringList faults = list_faults(*window) + layout_faults(*window);
            QVERIFY2(faults.isEmpty(),
                     (where + QStringLiteral(": ") + faults.join(u", ")).toUtf8());

            for (std::size_t list = 0; list < 3; ++list) {
                const char* name = std::array{"List2", "List3", "List4"}[list];
                steps_listing[list] += control<QListWidget>(*window, name)->count() > 0 ? 1 : 0;
            }
        }

        qInfo("steps with words listed: List2 %d, List3 %d, List4 %d", steps_listing[0],
              steps_listing[1], steps_listing[2]);
        // The walk has to reach every box and to list words in each column now and then.
        for (const int typed : letters_typed_into) {
            QVERIFY(typed >= steps / 100);
        }
        for (const int listing : steps_listing) {
            QVERIFY(listing >= steps / 50);
        }
    }
};

QTEST_MAIN(RandomTypingTest)
#include "random_typing_test.moc"
