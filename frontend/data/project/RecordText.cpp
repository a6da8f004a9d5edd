#include "frontend/data/project/RecordText.h"

#include "frontend/data/GeneralFormat.h"
#include "frontend/data/project/TextFile.h"

namespace torven::data {

namespace {
constexpr int kFileDigits = 8;
}

std::string RealText(long double value) { return FormatGeneral(value, kFileDigits); }

std::string IntText(long long value) { return std::to_string(value); }

void FileText::Add(std::string_view line) {
    // A line break inside a value (a pasted title) would shift every record after it.
    for (char c : line) text_ += (c == '\r' || c == '\n') ? ' ' : c;
    text_ += kLineEnd;
}

}  // namespace torven::data
