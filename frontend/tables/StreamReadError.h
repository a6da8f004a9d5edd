#pragma once
// A definition that cannot be read; the message says where and why.
#include <stdexcept>

namespace torven::tables {

class StreamReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace torven::tables
