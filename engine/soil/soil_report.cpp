#include "engine/soil/soil_report.h"

#include <algorithm>

#include "engine/engine_run.h"
#include "engine/fortran_format.h"

namespace torven::soil {

std::string boxTitle(const std::string& name) {
    // Set in like the other boxes; a long name is centred.
    const int room = 48 - static_cast<int>(name.size());
    return fmt::X(room >= 8 ? 8 : room / 2) + name;
}

void soilBox(Report& report, const std::string& name) {
    report.sectionBox(boxTitle(name));
    report.line();
}

void fatalStop(Report& report, const std::string& cause) {
    report.emptyLines(2);
    report.line("     FATAL ERROR -- " + cause);
    report.stream().flush();
    throw FatalStop{};
}

}  // namespace torven::soil
