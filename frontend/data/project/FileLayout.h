#pragma once
// The layouts of the input data file the reader accepts: the current one and
// the older ones, which lack some counts and records.
#include <filesystem>

namespace torven::data {

struct FileLayout {
    bool numStages = true;     // R2 carries NumStages
    bool meiCount = true;      // R2 carries NMEI; R11c, curve multipliers and R13 exist
    bool tiebackCount = true;  // R2 carries NTieback; R3 carries WidthActive
    bool oldSoilForm = false;  // layer thicknesses and one five-value line per layer
    bool longTermCode = true;  // R14 ends the data set
};

inline constexpr int kCurrentVariant = 1;
inline constexpr int kVariantCount = 5;

// 1 current (.tv5d), 2 (.tv4d), 3 (.tvd, version 3.0), 4 (.tvd, version 2.0),
// 5 any file, read as 4. Variants outside 1..5 are taken as the nearest.
FileLayout LayoutOfVariant(int variant);

// Stage files: current, or an older layout while it is converted.
FileLayout StageLayout(bool hasMEICount, bool hasTiebackCount);

// The variant of a file opened by name: 3 for .tvd, 2 for .tv4d, else 1
// (the extension compared ignoring case).
int VariantForFile(const std::filesystem::path& file);

}  // namespace torven::data
