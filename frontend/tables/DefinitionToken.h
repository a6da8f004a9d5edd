#pragma once
// Tokens of the definition text: typed values, words and punctuation.
#include <string>
#include <string_view>
#include <vector>

namespace torven::tables {

struct DefinitionToken {
    enum class Kind { Integer, Real, String, Word, Symbol };
    Kind kind;
    std::string text;       // the string's value, the word, the symbol or the number as written
    long long integer = 0;  // Integer
    long double real = 0;   // Real
    int line = 0;           // 1-based
};

// Integers are written without point or exponent, reals with one of them,
// strings in double quotes with \" and \\ escapes; words are letters,
// digits and "_"; symbols are ( ) { } = :; "#" starts a comment.
// Throws StreamReadError on text that is none of these.
std::vector<DefinitionToken> TokenizeDefinition(std::string_view text);

// How a token is named in messages: the integer 5, the string "abc", ...
std::string DescribeToken(const DefinitionToken& token);

}  // namespace torven::tables
