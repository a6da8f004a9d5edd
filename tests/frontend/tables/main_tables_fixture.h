#pragma once
// The main window's tables as the program reads them at start-up.
#include <gtest/gtest.h>

#include "frontend/tables/MainTables.h"

namespace torven::tables::test {

inline TableSet LoadSourceTables() { return LoadMainTables(TORVEN_SOURCE_DIR "/frontend/tables/definitions"); }

class MainTablesTest : public ::testing::Test {
protected:
    TableSet tables = LoadSourceTables();
};

}  // namespace torven::tables::test
