#pragma once
// One data set of the input data file: records R1 to R13.
#include <string_view>

namespace torven::data {

class FileText;
class TProgramData;

// Changes the project as the file requires: empties the tables of
// switched-off options, makes the last stiffness row constant and stores the
// derived codes. The long-term set takes its distributed loads and soil
// layers from the long-term tables.
void WriteDataSet(TProgramData& project, std::string_view title, bool longTerm, FileText& out);

}  // namespace torven::data
