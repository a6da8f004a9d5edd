#include "frontend/tables/ValueImport.h"

#include <fstream>

#include "frontend/data/AssignError.h"
#include "frontend/data/DecimalText.h"
#include "frontend/data/GeneralFormat.h"
#include "frontend/tables/TColumn.h"
#include "frontend/tables/TGridTable.h"

namespace torven::tables {

namespace {

constexpr int kImportDigits = 15;

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r'; }

}  // namespace

std::vector<long double> ParseNumbers(std::string_view line) {
    std::vector<long double> numbers;
    std::size_t pos = 0;
    while (numbers.size() < static_cast<std::size_t>(kMaxNumbersPerLine)) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
        if (pos >= line.size()) break;
        std::size_t end = pos;
        while (end < line.size() && !IsSeparator(line[end])) ++end;
        const data::DecimalResult number = data::ReadDecimal(line.substr(pos, end - pos));
        if (number.status != data::DecimalStatus::Ok) break;
        numbers.push_back(number.value);
        if (end >= line.size()) break;
        pos = end + 1;
    }
    return numbers;
}

ImportResult ImportValueLines(TGridTable& table, const std::vector<std::string>& lines) {
    ImportResult result;
    const int rowsBefore = table.RowCount();
    const std::size_t columns = static_cast<std::size_t>(table.VisibleColumnCount());
    for (const std::string& line : lines) {
        if (table.MaxRows() > 0 && result.accepted >= table.MaxRows()) break;
        const std::vector<long double> numbers = ParseNumbers(line);
        if (numbers.size() != columns || columns == 0) continue;
        const int row = result.accepted;
        if (row >= rowsBefore) table.AddRowGroup();
        try {
            for (std::size_t j = 0; j < columns; ++j)
                table.VisibleColumn(static_cast<int>(j)).SetText(row, data::FormatGeneral(numbers[j], kImportDigits));
        } catch (const data::AssignError& error) {
            // The rows filled so far stay; the refused value is named.
            result.error = error.what();
            ++result.accepted;
            break;
        }
        ++result.accepted;
    }
    if (result.accepted > 0) {
        while (table.RowCount() > result.accepted) {
            const int before = table.RowCount();
            table.DeleteRowGroup(result.accepted);
            if (table.RowCount() == before) break;  // held at its minimum rows
        }
    }
    return result;
}

std::vector<std::string> ClipboardLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t cr = text.find('\r', start);
        if (cr == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, cr - start));
        start = cr + 1;
        if (start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

ImportResult ReadValuesFromFile(TGridTable& table, const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {0, "Cannot read " + file.string()};
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(std::move(line));
    return ImportValueLines(table, lines);
}

}  // namespace torven::tables
