#pragma once
// Numbers typed elsewhere (a text file, text on the clipboard) brought into a
// table row by row: what a curve table's edit window offers as import.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace torven::tables {

class TGridTable;

inline constexpr int kMaxNumbersPerLine = 15;

// Up to 15 numbers of one line; blanks, TABs, commas and carriage returns
// separate them, and the first word that is no number ends the line.
std::vector<long double> ParseNumbers(std::string_view line);

struct ImportResult {
    int accepted = 0;   // lines that became rows
    std::string error;  // a cell's message, when a value was refused
};

// Lines holding exactly one number per visible column fill the rows from the
// top, adding rows as needed up to MaxRows; rows after the last one filled go.
ImportResult ImportValueLines(TGridTable& table, const std::vector<std::string>& lines);

// Clipboard text split at carriage returns (CR LF is one break).
std::vector<std::string> ClipboardLines(std::string_view text);

// The lines of a text file; error names the file when it cannot be read.
ImportResult ReadValuesFromFile(TGridTable& table, const std::filesystem::path& file);

}  // namespace torven::tables
