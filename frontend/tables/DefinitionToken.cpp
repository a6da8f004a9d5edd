#include "frontend/tables/DefinitionToken.h"

#include <cctype>
#include <charconv>

#include "frontend/data/DecimalText.h"
#include "frontend/tables/StreamReadError.h"

namespace torven::tables {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

[[noreturn]] void Fail(int line, const std::string& what) {
    throw StreamReadError("line " + std::to_string(line) + ": " + what);
}

class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : text_(text) {}

    std::vector<DefinitionToken> Run() {
        while (SkipBlanksAndComments()) {
            const char c = text_[pos_];
            if (c == '"') {
                ReadString();
            } else if (IsDigit(c) || c == '-' || c == '+' || c == '.') {
                ReadNumber();
            } else if (IsWordChar(c)) {
                const std::size_t start = pos_;
                while (pos_ < text_.size() && IsWordChar(text_[pos_])) ++pos_;
                Add(DefinitionToken::Kind::Word, std::string(text_.substr(start, pos_ - start)));
            } else if (std::string_view("(){}=:").find(c) != std::string_view::npos) {
                ++pos_;
                Add(DefinitionToken::Kind::Symbol, std::string(1, c));
            } else {
                Fail(line_, "the character '" + std::string(1, c) + "' is not understood");
            }
        }
        return std::move(tokens_);
    }

private:
    // False at the end of the text.
    bool SkipBlanksAndComments() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == '#') {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else {
                return true;
            }
        }
        return false;
    }

    void ReadString() {
        std::string value;
        for (++pos_; pos_ < text_.size() && text_[pos_] != '"'; ++pos_) {
            if (text_[pos_] == '\n') break;
            if (text_[pos_] == '\\' && pos_ + 1 < text_.size()) ++pos_;
            value += text_[pos_];
        }
        if (pos_ >= text_.size() || text_[pos_] != '"') Fail(line_, "a string is not closed");
        ++pos_;
        Add(DefinitionToken::Kind::String, std::move(value));
    }

    void ReadNumber() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && (IsWordChar(text_[pos_]) || std::string_view("+-.").find(text_[pos_]) !=
                                                                      std::string_view::npos)) {
            // A sign only opens the number or follows its exponent letter.
            const char c = text_[pos_];
            if ((c == '+' || c == '-') && pos_ > start && text_[pos_ - 1] != 'e' && text_[pos_ - 1] != 'E') break;
            ++pos_;
        }
        const std::string written(text_.substr(start, pos_ - start));
        const bool real = written.find_first_of(".eE") != std::string::npos;
        DefinitionToken token{real ? DefinitionToken::Kind::Real : DefinitionToken::Kind::Integer, written};
        token.line = line_;
        if (real) {
            const data::DecimalResult result = data::ReadDecimal(written);
            if (result.status != data::DecimalStatus::Ok) Fail(line_, "\"" + written + "\" is not a number");
            token.real = result.value;
        } else {
            const char* first = written.data() + (written.front() == '+' ? 1 : 0);
            const auto [end, error] = std::from_chars(first, written.data() + written.size(), token.integer);
            if (error != std::errc() || end != written.data() + written.size()) {
                Fail(line_, "\"" + written + "\" is not a number");
            }
        }
        tokens_.push_back(std::move(token));
    }

    void Add(DefinitionToken::Kind kind, std::string text) {
        DefinitionToken token{kind, std::move(text)};
        token.line = line_;
        tokens_.push_back(std::move(token));
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::vector<DefinitionToken> tokens_;
};

}  // namespace

std::vector<DefinitionToken> TokenizeDefinition(std::string_view text) { return Tokenizer(text).Run(); }

std::string DescribeToken(const DefinitionToken& token) {
    switch (token.kind) {
        case DefinitionToken::Kind::Integer: return "the integer " + token.text;
        case DefinitionToken::Kind::Real: return "the real " + token.text;
        case DefinitionToken::Kind::String: return "the string \"" + token.text + "\"";
        case DefinitionToken::Kind::Word: return "the word " + token.text;
        case DefinitionToken::Kind::Symbol: return "\"" + token.text + "\"";
    }
    return token.text;
}

}  // namespace torven::tables
