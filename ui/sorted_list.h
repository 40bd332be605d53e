#pragma once

#include <QCollator>
#include <QListWidget>

namespace quabbel::ui {

// A list box that keeps its items in German dictionary order (DIN 5007: Ä sorts with A, Ö with
// O, Ü with U, case ignored). An added item takes its place among the items already shown.
class SortedList : public QListWidget {
    Q_OBJECT

public:
    SortedList(const QString& name, QWidget* parent);

    void add_item(const QString& text);

    // Tells screen readers how many words the list shows, as its accessible description.
    void describe_count();

private:
    QCollator collator_;
};

} // namespace quabbel::ui
