#pragma once
// The error an edit window catches and shows: a rejected entry, not a fault.
#include <stdexcept>

namespace torven::data {

class AssignError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace torven::data
