#pragma once
// Whole text files: read, split into lines, and saved without ever leaving a
// half-written file in place of the previous one.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace torven::data {

// A file that cannot be opened, read, written or renamed; the message names
// the file and carries the system's reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::string_view kLineEnd = "\r\n";

std::string ReadFileText(const std::filesystem::path& file);

// Lines ended by LF or CR LF; a last line without an end counts too.
std::vector<std::string> SplitLines(std::string_view text);

// Writes a temporary file beside the target and renames it over the target
// only when everything was written; on failure the target is untouched.
void SaveTextFile(const std::filesystem::path& file, std::string_view text);

}  // namespace torven::data
