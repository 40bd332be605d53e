#include "loaded_tables.h"

#include <memory>

const quabbel::WordTables& loaded_tables() {
    static const auto tables = [] {
        auto loaded = std::make_unique<quabbel::WordTables>();
        loaded->staben_2();
        loaded->staben_3();
        loaded->staben_4_1();
        loaded->staben_4_2();
        loaded->staben_4_3();
        loaded->staben_4_4();
        return loaded;
    }();
    return *tables;
}
