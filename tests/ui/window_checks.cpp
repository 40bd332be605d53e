#include "window_checks.h"

#include "search/search_2.h"
#include "search/search_3.h"
#include "search/search_4.h"
#include "shown_window.h"
#include "ui/qbl.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <string>
#include <vector>

using quabbel::ui::qbl;

namespace {

// The client area of the results layout, 4695 x 4785 twips at 15 twips per pixel.
constexpr QSize results_client{313, 319};

std::u16string box_text(const qbl& window, const char* name) {
    return control<QLineEdit>(window, name)->text().toStdU16String();
}

QStringList sorted(const std::vector<std::u16string>& words) {
    QStringList texts;
    for (const std::u16string& word : words) {
        texts << QString::fromStdU16String(word);
    }
    texts.sort();
    return texts;
}

void check_list(const qbl& window, const char* name, const std::vector<std::u16string>& expected,
                QStringList& faults) {
    QStringList shown = items(*control<QListWidget>(window, name));
    if (QSet<QString>(shown.begin(), shown.end()).size() != shown.size()) {
        faults << QStringLiteral("%1 holds an item twice").arg(QLatin1String(name));
    }
    shown.sort();
    if (shown != sorted(expected)) {
        faults << QStringLiteral("%1 shows %2 items, its search yields %3")
                      .arg(QLatin1String(name))
                      .arg(shown.size())
                      .arg(expected.size());
    }
}

} // namespace

QStringList list_faults(const qbl& window) {
    const quabbel::WordTables& tables = window.tables();
    QStringList faults;

    const std::u16string first = box_text(window, "B2(1)");
    const std::u16string second = box_text(window, "B2(2)");
    if (!first.empty() && !second.empty()) {
        faults << QStringLiteral("both two-letter boxes hold text");
    }
    check_list(window, "List2",
               first.empty() ? quabbel::search_2(tables, 2, second)
                             : quabbel::search_2(tables, 1, first),
               faults);

    check_list(window, "List3",
               quabbel::search_3(tables, box_text(window, "B3(1)"), box_text(window, "B3(2)"),
                                 box_text(window, "B3(3)")),
               faults);
    check_list(window, "List4",
               quabbel::search_4(tables, box_text(window, "B4(1)"), box_text(window, "B4(2)"),
                                 box_text(window, "B4(3)"), box_text(window, "B4(4)")),
               faults);
    return faults;
}

QStringList layout_faults(const qbl& window) {
    QStringList faults;
    if (window.centralWidget()->size() != results_client || window.size() != window.minimumSize() ||
        window.size() != window.maximumSize()) {
        faults << QStringLiteral("the window lost its size");
    }
    for (const char* label : {"Label1", "Label2"}) {
        if (control(window, label)->isVisible()) {
            faults << QStringLiteral("%1 is shown").arg(QLatin1String(label));
        }
    }
    for (const char* list : {"List2", "List3", "List4"}) {
        if (!control(window, list)->isVisible()) {
            faults << QStringLiteral("%1 is hidden").arg(QLatin1String(list));
        }
    }
    return faults;
}
