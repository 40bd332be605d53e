// The main window's event handlers.

#include "search/search_2.h"
#include "tables/upper_case.h"
#include "ui/position_box.h"
#include "ui/qbl.h"
#include "ui/sorted_list.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <cstddef>

namespace quabbel::ui {

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
    box->setText(QString::fromStdU16String(upper_case(box->text().toStdU16String())));
    List2->clear();
    for (const std::u16string& word : search_2(*tables_, Index, box->text().toStdU16String())) {
        List2->add_item(QString::fromStdU16String(word));
    }
}

// Whichever box got the focus, both start empty: a box that held text raises its change.
void qbl::B2_GotFocus(qint16 /*Index*/) {
    B2[1]->setText(QString());
    B2[2]->setText(QString());
}

// A three-letter box has no search yet; its change enters the results layout.
void qbl::B3_Change(qint16 /*Index*/) {
    enter_results_layout();
}

// A four-letter box has no search yet; its change enters the results layout.
void qbl::B4_Change(qint16 /*Index*/) {
    enter_results_layout();
}

void qbl::ende_Click() {
    QCoreApplication::quit();
}

void qbl::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    QCoreApplication::quit();
}

} // namespace quabbel::ui
