#pragma once
// The one-screen summary of a file's run.
#include <ostream>

#include "tools/run_outcome.h"

namespace torven::cli {

void PrintSummary(std::ostream& out, const FileOutcome& outcome);

}  // namespace torven::cli
