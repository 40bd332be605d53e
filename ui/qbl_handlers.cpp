// The main window's event handlers.

#include "search/search_2.h"
#include "search/search_3.h"
#include "search/search_4.h"
#include "tables/upper_case.h"
#include "ui/info_window.h"
#include "ui/position_box.h"
#include "ui/qbl.h"
#include "ui/sorted_list.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <cstddef>
#include <string>
#include <vector>

namespace quabbel::ui {

namespace {

std::u16string text_of(const PositionBox* box) {
    return box->text().toStdU16String();
}

// Writes the text back in capitals when it was not in capitals yet, which raises the box's
// change once more. Assigning a text puts the cursor at its end; it goes back to where the
// player was typing, which the upper-casing does not move since the length stays.
void upper_case_text(PositionBox* box) {
    const QString capitals = QString::fromStdU16String(upper_case(text_of(box)));
    if (capitals != box->text()) {
        const int cursor = box->cursorPosition();
        box->setText(capitals);
        box->setCursorPosition(cursor);
    }
}

void add_words(SortedList* list, const std::vector<std::u16string>& words) {
    for (const std::u16string& word : words) {
        list->add_item(QString::fromStdU16String(word));
    }
    list->describe_count();
}

} // namespace

// Runs before the window is first shown, so no search ever sees a partly filled table.
void qbl::Form_Load() {
    tables_->staben_2();
    tables_->staben_3();
    tables_->staben_4_1();
    tables_->staben_4_2();
    tables_->staben_4_3();
    tables_->staben_4_4();
}

// Assigning the upper-cased text raises this handler again, nested, when the text was not in
// capitals yet; the nested run finds nothing left to change. Both runs fill List2 from the same
// text, so it ends holding each word once.
void qbl::B2_Change(qint16 Index) {
    enter_results_layout();
    PositionBox* box = B2.at(static_cast<std::size_t>(Index));
    upper_case_text(box);
    List2->clear();
    add_words(List2, search_2(*tables_, Index, text_of(box)));
}

// Whichever box got the focus, both start empty: a box that held text raises its change.
void qbl::B2_GotFocus(qint16 /*Index*/) {
    B2[1]->setText(QString());
    B2[2]->setText(QString());
}

// The three- and four-letter boxes keep their letters when the focus moves; whichever box
// changed, the search reads all boxes of its word length. As in B2_Change, a lower-case letter
// raises a nested run through the assignment, and both runs fill the list from the same texts.
void qbl::B3_Change(qint16 Index) {
    enter_results_layout();
    upper_case_text(B3.at(static_cast<std::size_t>(Index)));
    List3->clear();
    add_words(List3, search_3(*tables_, text_of(B3[1]), text_of(B3[2]), text_of(B3[3])));
}

void qbl::B4_Change(qint16 Index) {
    enter_results_layout();
    upper_case_text(B4.at(static_cast<std::size_t>(Index)));
    List4->clear();
    add_words(List4,
              search_4(*tables_, text_of(B4[1]), text_of(B4[2]), text_of(B4[3]), text_of(B4[4])));
}

// The info window has no owner and does not block: the main window stays usable beside it.
// Choosing the entry again brings the same window to the front, where it was.
void qbl::info_Click() {
    if (!info_) {
        info_ = std::make_unique<InfoWindow>();
    }
    info_->show();
    info_->activateWindow();
}

void qbl::ende_Click() {
    QCoreApplication::quit();
}

void qbl::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    QCoreApplication::quit();
}

} // namespace quabbel::ui
