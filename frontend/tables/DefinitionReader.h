#pragma once
// Reads typed values in order from a definition text; a value of the wrong
// type or a missing one fails with a StreamReadError naming the line.
#include <string>
#include <string_view>
#include <vector>

#include "frontend/tables/DefinitionToken.h"

namespace torven::tables {

class DefinitionReader {
public:
    // endLine: the line named when the values run out.
    DefinitionReader(std::vector<DefinitionToken> tokens, int endLine);
    static DefinitionReader FromText(std::string_view text);

    bool AtEnd() const { return next_ == tokens_.size(); }
    // Line of the next value, or the end line.
    int Line() const;

    int ReadInteger();
    bool ReadBoolean();
    std::string ReadString();
    long double ReadReal();
    // "(" values ")"
    std::vector<std::string> ReadStringList();
    std::vector<int> ReadIntegerList();

    // Structure of the definition file around the value streams.
    std::string ReadWord();
    bool NextIsWord(std::string_view word) const;
    void ReadSymbol(char symbol);
    bool NextIsSymbol(char symbol) const;
    // "{" ... "}" as a stream of its own.
    DefinitionReader ReadBlock();

    [[noreturn]] void Fail(const std::string& what) const;

private:
    [[noreturn]] void Expected(std::string_view expected) const;
    const DefinitionToken& Take(DefinitionToken::Kind kind, std::string_view expected);

    std::vector<DefinitionToken> tokens_;
    std::size_t next_ = 0;
    int endLine_;
};

}  // namespace torven::tables
