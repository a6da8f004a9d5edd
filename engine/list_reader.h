#pragma once
// Free-format (list-directed) reading of the input data file: every read
// starts on a new line and takes as many blank-, TAB- or comma-separated
// values as it needs, passing over line ends and empty lines.
#include <istream>
#include <stdexcept>
#include <string>

namespace torven {

// A record that is missing or holds a non-number where a number is expected.
class InputError : public std::runtime_error {
public:
    InputError(int line, std::string item, const std::string& what)
        : std::runtime_error(what), line_(line), item_(std::move(item)) {}
    int line() const { return line_; }
    const std::string& item() const { return item_; }

private:
    int line_;
    std::string item_;
};

class ListReader {
public:
    explicit ListReader(std::istream& in) : in_(in) {}

    // The next value is taken from a fresh line, as a new read statement does.
    void beginRecord() { freshLine_ = true; }

    int readInt(const std::string& item);
    double readReal(const std::string& item);
    // A whole line as text (titles); the line is consumed.
    std::string readLine(const std::string& item);

    int lineNumber() const { return lineNumber_; }

private:
    std::string nextToken(const std::string& item);
    bool fetchLine();

    std::istream& in_;
    std::string line_;
    std::size_t pos_ = 0;
    int lineNumber_ = 0;
    bool freshLine_ = true;
};

}  // namespace torven
