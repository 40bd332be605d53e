#include "ui/sorted_list.h"

#include <QLocale>

namespace quabbel::ui {

SortedList::SortedList(const QString& name, QWidget* parent)
    : QListWidget(parent), collator_(QLocale(QLocale::German, QLocale::Germany)) {
    setObjectName(name);
    // Every item is one word on one line in the list's font, so the view can lay out hundreds
    // of them from the size of one instead of measuring each.
    setUniformItemSizes(true);
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

// After any items that sort equal, so items of the same rank stay in the order they came.
void SortedList::add_item(const QString& text) {
    int first = 0;
    int last = count();
    while (first < last) {
        const int middle = first + (last - first) / 2;
        if (collator_.compare(text, item(middle)->text()) < 0) {
            last = middle;
        } else {
            first = middle + 1;
        }
    }
    insertItem(first, text);
}

void SortedList::describe_count() {
    const int words = count();
    setAccessibleDescription(words == 0   ? QStringLiteral("keine Wörter")
                             : words == 1 ? QStringLiteral("1 Wort")
                                          : QStringLiteral("%1 Wörter").arg(words));
}

} // namespace quabbel::ui
