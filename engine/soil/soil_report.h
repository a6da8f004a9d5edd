#pragma once
// Report pieces shared by the soil sections: their boxes and the line that
// names the cause of a stop which ends the run at once.
#include <string>

#include "engine/report.h"

namespace torven::soil {

// A box title: the name set in from the left as in the other boxes.
std::string boxTitle(const std::string& name);

// The section box around boxTitle(name), then an empty line.
void soilBox(Report& report, const std::string& name);

// Writes "FATAL ERROR -- " and the cause, then ends the run (FatalStop).
[[noreturn]] void fatalStop(Report& report, const std::string& cause);

}  // namespace torven::soil
