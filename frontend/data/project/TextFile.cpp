#include "frontend/data/project/TextFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace torven::data {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const std::string& action, const fs::path& file, int error) {
    throw FileError("Cannot " + action + " " + file.string() + ": " + std::strerror(error != 0 ? error : EIO));
}

// A name beside the target that no other save of this process or another uses.
fs::path TemporaryName(const fs::path& file) {
    static std::atomic<unsigned> counter{0};
    fs::path temp = file;
    temp += ".~" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
    return temp;
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::string ReadFileText(const fs::path& file) {
    // A directory opens as a stream that reads nothing.
    std::error_code ignored;
    if (fs::is_directory(file, ignored)) Fail("open", file, EISDIR);
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in) Fail("open", file, errno);
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) Fail("read", file, errno);
    return text.str();
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

void SaveTextFile(const fs::path& file, std::string_view text) {
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = TemporaryName(file);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) Fail("write", file, errno);

    bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temp.c_str());
        Fail("write", file, error);
    }
    if (std::rename(temp.c_str(), file.c_str()) != 0) {
        error = errno;
        ::unlink(temp.c_str());
        Fail("write", file, error);
    }
}

}  // namespace torven::data
