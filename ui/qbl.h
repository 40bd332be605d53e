#pragma once

#include "tables/word_tables.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QLabel;

namespace quabbel::ui {

class InfoWindow;
class PositionBox;
class SortedList;

// The main window: one column of single-letter boxes over a result list for each word length,
// a greeting with instructions, and the menu "&Datei". It opens in the greeting layout and
// switches for good to the results layout on the first change of any box. It owns the word
// tables and fills them while it loads.
class qbl : public QMainWindow {
    Q_OBJECT

public:
    qbl();
    ~qbl() override;

    const WordTables& tables() const { return *tables_; }

    // Puts the client area at its fixed place on the screen, moved inside the available area
    // as far as needed for the window in its results layout to fit.
    void move_to_start_place(const QRect& available_area);

    // Idempotent; nothing leads back to the greeting layout.
    void enter_results_layout();

protected:
    // Closing the main window ends the program, closing every other window too.
    void closeEvent(QCloseEvent* event) override;

private:
    void create_menu();
    void create_controls();
    void set_tab_order();
    void connect_boxes();

    void set_outer_width(int twips);
    void set_outer_height(int twips);

    void Form_Load();
    void B2_Change(qint16 Index);
    void B2_GotFocus(qint16 Index);
    void B3_Change(qint16 Index);
    void B4_Change(qint16 Index);
    void info_Click();
    void ende_Click();

    std::unique_ptr<WordTables> tables_;
    // Created on the first "&Info" and kept until the end, hidden in between.
    std::unique_ptr<InfoWindow> info_;

    // Indexed by letter position; element 0 is left empty, as no box stands for it.
    std::array<PositionBox*, 3> B2{};
    std::array<PositionBox*, 4> B3{};
    std::array<PositionBox*, 5> B4{};
    SortedList* List2 = nullptr;
    SortedList* List3 = nullptr;
    SortedList* List4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace quabbel::ui
