// Pasting any text into a box: a megabyte, emoji, combining marks, right-to-left scripts, tabs
// and newlines. The box keeps every character, upper-cased by the program's rule, and the lists
// show what the searches yield for the boxes' texts.

#include "shown_window.h"
#include "tables/upper_case.h"
#include "ui/qbl.h"
#include "window_checks.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <memory>

using quabbel::ui::qbl;

namespace {

// 1 MiB of UTF-8 text: German words with umlauts, spaces and line breaks.
QString megabyte_of_text() {
    const QByteArray sentence = "Ein Quabbel-Brett, äöü ÄÖÜ ß é – und noch ein Wort.\n";
    QByteArray utf8;
    while (utf8.size() + sentence.size() <= 1 << 20) {
        utf8 += sentence;
    }
    utf8 += QByteArray((1 << 20) - utf8.size(), 'x');
    return QString::fromUtf8(utf8);
}

QString upper_cased(const QString& text) {
    return QString::fromStdU16String(quabbel::upper_case(text.toStdU16String()));
}

} // namespace

class PastedTextTest : public QObject {
    Q_OBJECT

    std::unique_ptr<qbl> window;

    QLineEdit* box(const QString& name) const {
        return control<QLineEdit>(*window, name.toLatin1().constData());
    }

    // Pastes with Ctrl+V into the box, the way a player does, and lets the window handle it,
    // drawing included. How long that takes is no matter for this test, which must pass on slow
    // platforms too; a hang ends at CTest's timeout.
    void paste(QLineEdit* target, const QString& text) const {
        QGuiApplication::clipboard()->setText(text);
        target->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents();
    }

private slots:
    void init() {
        window = std::make_unique<qbl>();
        QVERIFY(show_active(*window));
    }

    void cleanup() { window.reset(); }

    void keepsEveryCharacterAndListsWhatTheSearchesYield_data() {
        QTest::addColumn<QStringList>("typed_first"); // box, text, box, text ...
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("list");

        const QString megabyte = megabyte_of_text();
        QTest::newRow("a megabyte, box 1 disregarded")
            << QStringList{"B4(2)", "y"} << "B4(1)" << megabyte << 14 << "List4";
        QTest::newRow("a megabyte in a two-letter box")
            << QStringList{} << "B2(2)" << megabyte << 0 << "List2";
        QTest::newRow("emoji in box 1") << QStringList{"B3(2)", "a", "B3(3)", "t"} << "B3(1)"
                                        << QStringLiteral("😀") << 7 << "List3";
        QTest::newRow("emoji family in box 2")
            << QStringList{"B4(1)", "a"} << "B4(2)" << QStringLiteral("👩‍👩‍👧") << 0
            << "List4";
        QTest::newRow("a letter and a combining diaeresis")
            << QStringList{"B3(1)", "k"} << "B3(2)" << QStringLiteral("u\u0308") << 0 << "List3";
        QTest::newRow("a combining mark alone in box 1")
            << QStringList{"B4(4)", "n"} << "B4(1)" << QStringLiteral("\u0308") << 198 << "List4";
        QTest::newRow("Hebrew") << QStringList{"B3(2)", "x"} << "B3(1)" << QStringLiteral("שלום")
                                << 5 << "List3";
        QTest::newRow("Arabic") << QStringList{} << "B2(1)" << QStringLiteral("مرحبا") << 0
                                << "List2";
        QTest::newRow("a right-to-left mark before a letter")
            << QStringList{} << "B4(3)" << QStringLiteral("\u200Fa") << 0 << "List4";
        QTest::newRow("tabs and newlines")
            << QStringList{"B3(1)", "a"} << "B3(3)" << QStringLiteral("\tt\r\nt\n") << 0 << "List3";
        QTest::newRow("a letter and a newline")
            << QStringList{} << "B2(1)" << QStringLiteral("a\n") << 0 << "List2";
        QTest::newRow("a single letter still finds its words")
            << QStringList{"B4(1)", "a", "B4(2)", "a"} << "B4(3)" << QStringLiteral("l") << 3
            << "List4";
    }

    void keepsEveryCharacterAndListsWhatTheSearchesYield() {
        QFETCH(QStringList, typed_first);
        QFETCH(QString, target);
        QFETCH(QString, pasted);
        QFETCH(int, listed);
        QFETCH(QString, list);
        for (qsizetype index = 0; index + 1 < typed_first.size(); index += 2) {
            type_text(box(typed_first[index]), typed_first[index + 1]);
        }

        paste(box(target), pasted);
        QCOMPARE(box(target)->text(), upper_cased(pasted));
        for (qsizetype index = 0; index + 1 < typed_first.size(); index += 2) {
            QCOMPARE(box(typed_first[index])->text(), upper_cased(typed_first[index + 1]));
        }
        QCOMPARE(control<QListWidget>(*window, list.toLatin1().constData())->count(), listed);
        QCOMPARE(list_faults(*window), QStringList{});
        QCOMPARE(layout_faults(*window), QStringList{});
    }
};

QTEST_MAIN(PastedTextTest)
#include "pasted_text_test.moc"
