#pragma once

#include "tables/word_tables.h"

// One WordTables object after the six loaders have run in start-up order, shared by the tests.
const quabbel::WordTables& loaded_tables();
