#include "frontend/data/project/TWordReader.h"

#include <cmath>

#include "frontend/data/DecimalText.h"
#include "frontend/data/project/TextFile.h"

namespace torven::data {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::vector<std::string> SplitWords(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    std::vector<std::string> words;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of(" \t");
        words.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end);
        while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    }
    return words;
}

}  // namespace

std::string reading::ItemMessage(int line, int item, std::string_view detail) {
    return "Error on Line " + std::to_string(line) + " Item " + std::to_string(item) + "\n" + std::string(detail);
}

TWordReader::TWordReader(std::string_view text) {
    for (std::string& line : SplitLines(text)) {
        std::vector<std::string> words = SplitWords(line);
        lines_.push_back({std::move(line), std::move(words)});
    }
    wordsFrom_.assign(lines_.size() + 1, 0);
    for (std::size_t i = lines_.size(); i-- > 0;) wordsFrom_[i] = wordsFrom_[i + 1] + lines_[i].words.size();
}

TWordReader TWordReader::Create(const std::filesystem::path& file) { return TWordReader(ReadFileText(file)); }

TWordReader TWordReader::FromText(std::string_view text) { return TWordReader(text); }

int TWordReader::WordCount() const { return AtEnd() ? 0 : static_cast<int>(lines_[line_].words.size()); }

std::string TWordReader::ReadLine() {
    if (AtEnd()) throw ReadFailure(std::string(reading::kIncomplete));
    word_ = 0;
    return lines_[line_++].text;
}

TWordReader::Word TWordReader::NextWord() {
    while (!AtEnd() && word_ == lines_[line_].words.size()) {
        ++line_;
        word_ = 0;
    }
    if (AtEnd()) throw ReadFailure(std::string(reading::kIncomplete));
    const int item = static_cast<int>(word_) + 1;
    last_ = {&lines_[line_].words[word_++], static_cast<int>(line_) + 1, item};
    return last_;
}

long double TWordReader::ReadFloat() {
    const DecimalResult result = ReadDecimal(*NextWord().text);
    if (result.status != DecimalStatus::Ok) RejectLastWord(reading::kFloatExpected);
    return result.value;
}

int TWordReader::ReadInteger() {
    const DecimalResult result = ReadDecimal(*NextWord().text);
    const long double value = result.value;
    if (result.status != DecimalStatus::Ok || value != std::trunc(value) || value < -2147483648.0L ||
        value > 2147483647.0L) {
        RejectLastWord(reading::kIntegerExpected);
    }
    return static_cast<int>(value);
}

void TWordReader::RejectLastWord(std::string_view detail) const {
    throw ReadFailure(reading::ItemMessage(last_.line, last_.item, detail));
}

std::size_t TWordReader::RemainingWords() const {
    if (AtEnd()) return 0;
    return wordsFrom_[line_] - word_;
}

}  // namespace torven::data
