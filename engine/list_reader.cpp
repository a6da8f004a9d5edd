#include "engine/list_reader.h"

#include <charconv>
#include <cmath>

namespace torven {

namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r'; }

std::string describe(const std::string& token) {
    return token.size() > 20 ? "\"" + token.substr(0, 20) + "...\"" : "\"" + token + "\"";
}

}  // namespace

bool ListReader::fetchLine() {
    if (!std::getline(in_, line_)) return false;
    ++lineNumber_;
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    pos_ = 0;
    return true;
}

std::string ListReader::readLine(const std::string& item) {
    if (!fetchLine())
        throw InputError(lineNumber_ + 1, item,
                         "END OF FILE AT LINE " + std::to_string(lineNumber_ + 1) + " WHILE READING " + item);
    freshLine_ = true;
    return line_;
}

std::string ListReader::nextToken(const std::string& item) {
    if (freshLine_) {
        freshLine_ = false;
        if (!fetchLine()) {
            throw InputError(lineNumber_ + 1, item,
                             "END OF FILE AT LINE " + std::to_string(lineNumber_ + 1) + " WHILE READING " + item);
        }
    }
    for (;;) {
        while (pos_ < line_.size() && isSeparator(line_[pos_])) ++pos_;
        if (pos_ < line_.size()) break;
        if (!fetchLine()) {
            throw InputError(lineNumber_ + 1, item,
                             "END OF FILE AT LINE " + std::to_string(lineNumber_ + 1) + " WHILE READING " + item);
        }
    }
    std::size_t start = pos_;
    while (pos_ < line_.size() && !isSeparator(line_[pos_])) ++pos_;
    return line_.substr(start, pos_ - start);
}

int ListReader::readInt(const std::string& item) {
    std::string token = nextToken(item);
    const char* first = token.data();
    const char* last = first + token.size();
    if (first != last && *first == '+') ++first;
    int value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || first == last) {
        throw InputError(lineNumber_, item,
                         "LINE " + std::to_string(lineNumber_) + ": " + item + " MUST BE AN INTEGER, FOUND " +
                             describe(token));
    }
    return value;
}

double ListReader::readReal(const std::string& item) {
    std::string token = nextToken(item);
    std::string text = token;
    for (char& c : text) {
        if (c == 'd' || c == 'D') c = 'E';  // Fortran double-precision exponent
    }
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || first == last || !std::isfinite(value)) {
        throw InputError(lineNumber_, item,
                         "LINE " + std::to_string(lineNumber_) + ": " + item + " MUST BE A NUMBER, FOUND " +
                             describe(token));
    }
    return value;
}

}  // namespace torven
