#pragma once
// The text of the input data file and of a stage file, as the project's
// writers save them. Both change the project as writing requires.
#include <string>

namespace torven::data {

class TProgramData;

// The data set, the long-term code and, when it is 9, the long-term set
// and a closing 0.
std::string InputFileText(TProgramData& project);

// The current stage's data set, ended by its stage number instead of the
// long-term code.
std::string StageFileText(TProgramData& project);

}  // namespace torven::data
