// The result lists keep their items in German dictionary order, whatever order they come in.

#include "shown_window.h"
#include "ui/sorted_list.h"

#include <QTest>

using quabbel::ui::SortedList;

class SortedListTest : public QObject {
    Q_OBJECT

private slots:
    void placesEachAddedItemInGermanOrder_data() {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("umlauts with their vowels") << QStringList{"UH", "OH", "EH", "ÄH", "AH"}
                                                   << QStringList{"AH", "ÄH", "EH", "OH", "UH"};
        QTest::newRow("Ö counts as O")
            << QStringList{"ÖL", "OS", "OB", "OD"} << QStringList{"OB", "OD", "ÖL", "OS"};
        QTest::newRow("Ü counts as U")
            << QStringList{"UZ", "ÜB", "UD"} << QStringList{"ÜB", "UD", "UZ"};
        QTest::newRow("plain vowel first when otherwise equal")
            << QStringList{"ÄRA", "ARA", "ÄHM", "AHM"} << QStringList{"AHM", "ÄHM", "ARA", "ÄRA"};
        QTest::newRow("É counts as E")
            << QStringList{"OLÉ", "OLM", "OLE"} << QStringList{"OLE", "OLÉ", "OLM"};
        QTest::newRow("case ignored")
            << QStringList{"ab", "AC", "Aa"} << QStringList{"Aa", "ab", "AC"};
    }

    void placesEachAddedItemInGermanOrder() {
        QFETCH(QStringList, added);
        QFETCH(QStringList, shown);
        SortedList list(QStringLiteral("List"), nullptr);
        for (const QString& item : added) {
            list.add_item(item);
        }
        QCOMPARE(items(list), shown);
    }
};

QTEST_MAIN(SortedListTest)
#include "sorted_list_test.moc"
