#pragma once

#include <QStringList>

namespace quabbel::ui {
class qbl;
}

// What must hold of the main window after any change once it shows its results, each fault
// described in one line; empty when all is well.

// Every result list holds, in any order and each once, what its search yields for the boxes'
// current texts. For the two-letter list that is the lookup of the one box that holds text; at
// most one of them does, as moving the focus into either empties both.
QStringList list_faults(const quabbel::ui::qbl& window);

// The window keeps its results layout: its size, no greeting, the three lists shown.
QStringList layout_faults(const quabbel::ui::qbl& window);
