// Typing into the three- and four-letter boxes: their letters combine into one search.

#include "shown_window.h"
#include "ui/qbl.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using quabbel::ui::qbl;

namespace {

bool each_once(const QStringList& texts) {
    return QSet<QString>(texts.begin(), texts.end()).size() == texts.size();
}

const QStringList z_and_n_last{"ZAHN", "ZÄHN", "ZAIN", "ZAUN", "ZÄUN",
                               "ZEHN", "ZINN", "ZORN", "ZÜRN", "ZYAN"};

} // namespace

class StagedFilterHandlersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<qbl> window;

    QLineEdit* box(const char* name) const { return control<QLineEdit>(*window, name); }
    QListWidget* list(const char* name) const { return control<QListWidget>(*window, name); }

    // Every run of a change handler empties its list once.
    static std::unique_ptr<QSignalSpy> handler_runs(const QListWidget* list) {
        return std::make_unique<QSignalSpy>(list->model(), &QAbstractItemModel::modelReset);
    }

    void click_and_type(const char* name, const QString& text) const {
        QTest::mouseClick(box(name), Qt::LeftButton);
        type_text(box(name), text);
    }

    void verify_results_layout() const {
        QVERIFY(!control(*window, "Label1")->isVisible());
        QVERIFY(!control(*window, "Label2")->isVisible());
        QVERIFY(list("List2")->isVisible());
        QVERIFY(list("List3")->isVisible());
        QVERIFY(list("List4")->isVisible());
    }

private slots:
    void init() {
        window = std::make_unique<qbl>();
        QVERIFY(show_active(*window));
    }

    void cleanup() { window.reset(); }

    void lettersCombineAcrossBoxesAndSurviveFocusChanges() {
        click_and_type("B3(1)", QStringLiteral("k"));
        click_and_type("B3(3)", QStringLiteral("h"));
        QCOMPARE(box("B3(1)")->text(), QStringLiteral("K"));
        QCOMPARE(items(*list("List3")), QStringList{"KUH"});

        click_and_type("B4(1)", QStringLiteral("z"));
        click_and_type("B4(4)", QStringLiteral("n"));
        QCOMPARE(items(*list("List4")), z_and_n_last);

        for (const char* name : {"B3(2)", "B3(1)", "B4(2)", "B2(1)"}) {
            QTest::mouseClick(box(name), Qt::LeftButton);
        }
        QCOMPARE(box("B3(1)")->text(), QStringLiteral("K"));
        QCOMPARE(box("B3(3)")->text(), QStringLiteral("H"));
        QCOMPARE(items(*list("List3")), QStringList{"KUH"});
        QCOMPARE(items(*list("List4")), z_and_n_last);

        click_and_type("B3(2)", QStringLiteral("u"));
        QCOMPARE(items(*list("List3")), QStringList{"KUH"});
        // A second letter in box 2: two characters match nothing.
        click_and_type("B3(2)", QStringLiteral("h"));
        QCOMPARE(box("B3(2)")->text().size(), 2);
        QCOMPARE(list("List3")->count(), 0);
    }

    void listsTheWordsOfTheTypedLetters_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("ä first of three")
            << QStringList{"B3(1)"} << QStringList{"ä"} << QStringList{"Ä"} << "List3"
            << QStringList{"ÄFF", "ÄHM", "ÄKS", "ÄON", "ÄRA", "ÄSE", "ÄSS", "ÄST", "ÄTZ", "ÄUG"};
        QTest::newRow("x second of three")
            << QStringList{"B3(2)"} << QStringList{"x"} << QStringList{"X"} << "List3"
            << QStringList{"AXT", "EXE", "EXT", "IXE", "IXT"};
        QTest::newRow("é third of three") << QStringList{"B3(3)"} << QStringList{"é"}
                                          << QStringList{"É"} << "List3" << QStringList{"OLÉ"};
        QTest::newRow("ö, h, r") << QStringList{"B3(1)", "B3(2)", "B3(3)"}
                                 << QStringList{"ö", "h", "r"} << QStringList{"Ö", "H", "R"}
                                 << "List3" << QStringList{"ÖHR"};
        QTest::newRow("digit first, then ?AT")
            << QStringList{"B3(1)", "B3(2)", "B3(3)"} << QStringList{"1", "a", "t"}
            << QStringList{"1", "A", "T"} << "List3"
            << QStringList{"BAT", "GAT", "HAT", "KAT", "RAT", "TAT", "WAT"};
        QTest::newRow("two letters second of three")
            << QStringList{"B3(1)", "B3(2)"} << QStringList{"k", "ua"} << QStringList{"K", "UA"}
            << "List3" << QStringList{};
        QTest::newRow("a, a, l, e")
            << QStringList{"B4(1)", "B4(2)", "B4(3)", "B4(4)"} << QStringList{"a", "a", "l", "e"}
            << QStringList{"A", "A", "L", "E"} << "List4" << QStringList{"AALE"};
        QTest::newRow("q second of four") << QStringList{"B4(1)", "B4(2)"} << QStringList{"a", "q"}
                                          << QStringList{"A", "Q"} << "List4" << QStringList{};
        QTest::newRow("sharp s stays") << QStringList{"B4(3)"} << QStringList{"ß"}
                                       << QStringList{"ß"} << "List4" << QStringList{};
        QTest::newRow("x first of four alone") << QStringList{"B4(1)"} << QStringList{"x"}
                                               << QStringList{"X"} << "List4" << QStringList{};
    }

    void listsTheWordsOfTheTypedLetters() {
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, shown);
        QFETCH(QString, list);
        QFETCH(QStringList, words);
        for (qsizetype index = 0; index < boxes.size(); ++index) {
            type_text(box(boxes[index].toLatin1().constData()), typed[index]);
        }
        for (qsizetype index = 0; index < boxes.size(); ++index) {
            QCOMPARE(box(boxes[index].toLatin1().constData())->text(), shown[index]);
        }
        QCOMPARE(items(*this->list(list.toLatin1().constData())), words);
        verify_results_layout();
    }

    void aLowerCaseLetterRunsTheHandlerTwiceWithTheSameList() {
        const auto runs_3 = handler_runs(list("List3"));
        type_text(box("B3(1)"), QStringLiteral("q"));
        QCOMPARE(runs_3->size(), 2);
        QCOMPARE(items(*list("List3")), (QStringList{"QIS", "QUA"}));

        const auto runs_4 = handler_runs(list("List4"));
        type_text(box("B4(1)"), QStringLiteral("ä"));
        QCOMPARE(runs_4->size(), 2);
        const QStringList umlaut_a_first = items(*list("List4"));
        QCOMPARE(umlaut_a_first.size(), 24);
        QVERIFY(each_once(umlaut_a_first));
        QCOMPARE(umlaut_a_first.first(), QStringLiteral("ÄBTE"));
    }

    void aCapitalRunsTheHandlerOnceWithTheSameList() {
        const auto runs_3 = handler_runs(list("List3"));
        type_text(box("B3(1)"), QStringLiteral("Q"));
        QCOMPARE(runs_3->size(), 1);
        QCOMPARE(items(*list("List3")), (QStringList{"QIS", "QUA"}));

        const auto runs_4 = handler_runs(list("List4"));
        type_text(box("B4(1)"), QStringLiteral("Ä"));
        QCOMPARE(runs_4->size(), 1);
        QCOMPARE(list("List4")->count(), 24);
    }

    void boxOneWithTwoLettersIsDisregarded() {
        type_text(box("B3(1)"), QStringLiteral("ab"));
        QCOMPARE(list("List3")->count(), 0);
        type_text(box("B3(2)"), QStringLiteral("a"));
        const QStringList a_second = items(*list("List3"));
        QCOMPARE(a_second.size(), 103);
        QVERIFY(each_once(a_second));
    }

    void deletingTheLastLetterEmptiesTheList() {
        type_text(box("B4(1)"), QStringLiteral("a"));
        const QStringList a_first = items(*list("List4"));
        QCOMPARE(a_first.size(), 136);
        QVERIFY(each_once(a_first));

        const auto runs = handler_runs(list("List4"));
        QTest::keyClick(box("B4(1)"), Qt::Key_Backspace);
        QVERIFY(box("B4(1)")->text().isEmpty());
        QCOMPARE(runs->size(), 1);
        QCOMPARE(list("List4")->count(), 0);

        type_text(box("B3(3)"), QStringLiteral("z"));
        QCOMPARE(list("List3")->count(), 7);
        QTest::keyClick(box("B3(3)"), Qt::Key_Backspace);
        QCOMPARE(list("List3")->count(), 0);
        verify_results_layout();
    }
};

QTEST_MAIN(StagedFilterHandlersTest)
#include "staged_filter_handlers_test.moc"
