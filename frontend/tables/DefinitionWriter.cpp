#include "frontend/tables/DefinitionWriter.h"

#include "frontend/data/Evaluator.h"

namespace torven::tables {

void DefinitionWriter::Put(const std::string& value) {
    text_ += lineStart_ ? indent_ : " ";
    text_ += value;
    lineStart_ = false;
}

void DefinitionWriter::WriteInteger(int value) { Put(std::to_string(value)); }

void DefinitionWriter::WriteBoolean(bool value) { Put(value ? "true" : "false"); }

void DefinitionWriter::WriteString(std::string_view value) {
    std::string quoted = "\"";
    for (char c : value) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    Put(quoted + "\"");
}

void DefinitionWriter::WriteReal(long double value) {
    std::string text = data::FormatEntry(value);
    if (text.find_first_of(".E") == std::string::npos) text += ".0";
    Put(text);
}

void DefinitionWriter::WriteStringList(const std::vector<std::string>& list) {
    Put("(");
    for (const std::string& item : list) WriteString(item);
    Put(")");
}

void DefinitionWriter::WriteIntegerList(const std::vector<int>& list) {
    Put("(");
    for (int item : list) WriteInteger(item);
    Put(")");
}

void DefinitionWriter::NewLine() {
    if (!lineStart_) text_ += '\n';
    lineStart_ = true;
}

std::string DefinitionWriter::Text() const { return lineStart_ ? text_ : text_ + "\n"; }

}  // namespace torven::tables
