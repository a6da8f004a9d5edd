#pragma once
// The codes of the control record and the option switches they stand for.
#include <string_view>

namespace torven::data {

class TProgramData;

// Before a data set is written: empties the tables of switched-off options
// and derives KEP, KPY, NMEI and NTieback. A long-term set carries 2 where
// the short-term set carries the chosen generated distribution.
void PrepareDataSet(TProgramData& project, bool longTerm);

// After KEP and KPY are read: the switches they imply.
void ApplyControlCodes(TProgramData& project, int kep, int kpy, bool longTerm);

// Empties the table of a record whose option is off, so it is written with
// a count of 0.
void EmptyUnlessUsed(TProgramData& project, bool used, std::string_view table);

}  // namespace torven::data
