#pragma once
// Records of the input data file: values joined by the listed separators,
// lines ended by CR LF.
#include <string>
#include <string_view>

namespace torven::data {

// Reals in the general 8-digit format, "." whatever the locale.
std::string RealText(long double value);
std::string IntText(long long value);

class Record {
public:
    explicit Record(std::string first) : text_(std::move(first)) {}
    Record& Tab(std::string_view value) { return Add('\t', value); }
    Record& Space(std::string_view value) { return Add(' ', value); }
    const std::string& Text() const { return text_; }

private:
    Record& Add(char separator, std::string_view value) {
        text_ += separator;
        text_ += value;
        return *this;
    }

    std::string text_;
};

class FileText {
public:
    void Add(std::string_view line);
    void Add(const Record& record) { Add(record.Text()); }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

}  // namespace torven::data
