#include "tables/word_tables.h"

#include <iostream>
#include <memory>

// Loads the word tables the way the main window will at start and reports their sizes.
int main() {
    const auto tables = std::make_unique<quabbel::WordTables>();
    tables->staben_2();
    tables->staben_3();
    tables->staben_4_1();
    tables->staben_4_2();
    tables->staben_4_3();
    tables->staben_4_4();

    std::cout << "Quabbel 2 3 4: " << tables->count_2 << " two-letter, " << tables->count_3
              << " three-letter and " << tables->count_4 << " four-letter words loaded.\n";
}
