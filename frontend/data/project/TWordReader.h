#pragma once
// A text file as lines of blank-separated words, read with one cursor.
#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace torven::data {

// A word missing or of the wrong kind; the message is the one shown to the user.
class ReadFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace reading {
inline constexpr std::string_view kIncomplete = "This file either invalid or incomplete.";
inline constexpr std::string_view kFloatExpected = "A floating point number was expected but not found.";
inline constexpr std::string_view kIntegerExpected = "An integer was expected but not found.";

// "Error on Line L Item I", a line break and the detail.
std::string ItemMessage(int line, int item, std::string_view detail);
}  // namespace reading

class TWordReader {
public:
    // Reads the whole file; failures are FileErrors with the system's reason.
    static TWordReader Create(const std::filesystem::path& file);
    static TWordReader FromText(std::string_view text);

    bool AtEnd() const { return line_ == lines_.size(); }
    // Words on the current line.
    int WordCount() const;
    // The current line's whole text, even when some of its words were read;
    // moves to the start of the next line.
    std::string ReadLine();
    // The next word as a real, "." as separator whatever the locale.
    long double ReadFloat();
    // The next word as a real without fraction in the 32-bit range.
    int ReadInteger();
    // Words from the cursor to the end; no count of rows can exceed it.
    std::size_t RemainingWords() const;
    // Fails with the position of the word read last and the detail.
    [[noreturn]] void RejectLastWord(std::string_view detail) const;

private:
    struct Line {
        std::string text;
        std::vector<std::string> words;
    };
    struct Word {
        const std::string* text;
        int line;  // 1-based, as the messages count
        int item;
    };

    explicit TWordReader(std::string_view text);
    // Lines without words are passed over, as the engine's reads do.
    Word NextWord();

    std::vector<Line> lines_;
    std::vector<std::size_t> wordsFrom_;  // words in lines i..end
    std::size_t line_ = 0;
    std::size_t word_ = 0;
    Word last_{nullptr, 0, 0};
};

}  // namespace torven::data
