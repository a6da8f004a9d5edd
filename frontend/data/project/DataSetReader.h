#pragma once
// Reading one data set, records R2 to R13, into the project and its tables.
namespace torven::data {

class TProgramData;
class TWordReader;
struct FileLayout;

// Counts size their tables and switch their options on; values converted by
// the writer are converted back. The long-term set fills the long-term
// tables and keeps the short-term set's choice of pressure distribution.
void ReadDataSet(TWordReader& in, TProgramData& project, const FileLayout& layout, bool longTerm);

}  // namespace torven::data
