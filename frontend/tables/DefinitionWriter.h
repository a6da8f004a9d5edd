#pragma once
// Writes typed values in the text that DefinitionReader reads.
#include <string>
#include <string_view>
#include <vector>

namespace torven::tables {

class DefinitionWriter {
public:
    explicit DefinitionWriter(std::string indent = "") : indent_(std::move(indent)) {}

    void WriteInteger(int value);
    void WriteBoolean(bool value);
    void WriteString(std::string_view value);
    // Always with a point or exponent, so it reads back as a real.
    void WriteReal(long double value);
    void WriteStringList(const std::vector<std::string>& list);
    void WriteIntegerList(const std::vector<int>& list);

    // Layout only: the next value starts a new line.
    void NewLine();

    std::string Text() const;

private:
    void Put(const std::string& value);

    std::string indent_;
    std::string text_;
    bool lineStart_ = true;
};

}  // namespace torven::tables
