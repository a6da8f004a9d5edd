#include "frontend/tables/DefinitionReader.h"

#include <limits>

#include "frontend/tables/StreamReadError.h"

namespace torven::tables {

using Kind = DefinitionToken::Kind;

DefinitionReader::DefinitionReader(std::vector<DefinitionToken> tokens, int endLine)
    : tokens_(std::move(tokens)), endLine_(endLine) {}

DefinitionReader DefinitionReader::FromText(std::string_view text) {
    int lines = 1;
    for (char c : text) lines += c == '\n';
    return DefinitionReader(TokenizeDefinition(text), lines);
}

int DefinitionReader::Line() const { return AtEnd() ? endLine_ : tokens_[next_].line; }

void DefinitionReader::Fail(const std::string& what) const {
    throw StreamReadError("line " + std::to_string(Line()) + ": " + what);
}

void DefinitionReader::Expected(std::string_view expected) const {
    if (AtEnd()) Fail(std::string(expected) + " was expected but the definition ends");
    Fail(std::string(expected) + " was expected, found " + DescribeToken(tokens_[next_]));
}

const DefinitionToken& DefinitionReader::Take(Kind kind, std::string_view expected) {
    if (AtEnd() || tokens_[next_].kind != kind) Expected(expected);
    return tokens_[next_++];
}

int DefinitionReader::ReadInteger() {
    const DefinitionToken& token = Take(Kind::Integer, "an integer");
    if (token.integer < std::numeric_limits<int>::min() || token.integer > std::numeric_limits<int>::max()) {
        --next_;
        Fail("the integer " + token.text + " is out of range");
    }
    return static_cast<int>(token.integer);
}

bool DefinitionReader::ReadBoolean() {
    if (NextIsWord("true") || NextIsWord("false")) return ReadWord() == "true";
    Expected("true or false");
}

std::string DefinitionReader::ReadString() { return Take(Kind::String, "a string").text; }

long double DefinitionReader::ReadReal() { return Take(Kind::Real, "a real number").real; }

std::vector<std::string> DefinitionReader::ReadStringList() {
    std::vector<std::string> list;
    ReadSymbol('(');
    while (!NextIsSymbol(')')) list.push_back(ReadString());
    ReadSymbol(')');
    return list;
}

std::vector<int> DefinitionReader::ReadIntegerList() {
    std::vector<int> list;
    ReadSymbol('(');
    while (!NextIsSymbol(')')) list.push_back(ReadInteger());
    ReadSymbol(')');
    return list;
}

std::string DefinitionReader::ReadWord() { return Take(Kind::Word, "a name").text; }

bool DefinitionReader::NextIsWord(std::string_view word) const {
    return !AtEnd() && tokens_[next_].kind == Kind::Word && tokens_[next_].text == word;
}

void DefinitionReader::ReadSymbol(char symbol) {
    if (!NextIsSymbol(symbol)) Expected("\"" + std::string(1, symbol) + "\"");
    ++next_;
}

bool DefinitionReader::NextIsSymbol(char symbol) const {
    return !AtEnd() && tokens_[next_].kind == Kind::Symbol && tokens_[next_].text[0] == symbol;
}

DefinitionReader DefinitionReader::ReadBlock() {
    ReadSymbol('{');
    const std::size_t first = next_;
    int depth = 1;
    for (; !AtEnd(); ++next_) {
        if (NextIsSymbol('{')) ++depth;
        if (NextIsSymbol('}') && --depth == 0) break;
    }
    if (AtEnd()) Expected("\"}\"");
    const int closingLine = tokens_[next_].line;
    std::vector<DefinitionToken> inner(tokens_.begin() + static_cast<std::ptrdiff_t>(first),
                                       tokens_.begin() + static_cast<std::ptrdiff_t>(next_));
    ++next_;
    return DefinitionReader(std::move(inner), closingLine);
}

}  // namespace torven::tables
